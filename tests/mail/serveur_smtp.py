"""Real SMTP peers for the e-mail tests, all on 127.0.0.1 in one process.

Usage: serveur_smtp.py DOSSIER
Makes a self-signed certificate DOSSIER/cert.pem (for 127.0.0.1 and localhost), starts the
servers below on free ports and prints their ports as one JSON line. Each server appends the
commands it receives to DOSSIER/<name>.log (one verb and its argument a line; AUTH without
its data) and writes each message to DOSSIER/<name>.eml (the bytes after dot removal) and
DOSSIER/<name>.json (envelope, and the message as Python's e-mail parser reads it).

  simple     plain exchange, no TLS, no AUTH; refuses recipients at refuse.example
  sans_ehlo  answers EHLO with 502, HELO works
  starttls   requires STARTTLS, then AUTH (PLAIN or LOGIN) as f5abc / s3cret
  login_seul the same with AUTH LOGIN only
  implicite  TLS from the first byte, then AUTH as above
  muet       accepts connections and never says a word
  bloque     takes the message, then never answers again (neither the message nor QUIT)
  echappements  as simple, with escape sequences and control characters in its replies
"""

import asyncio
import base64
import email
import email.policy
import json
import logging
import os
import ssl
import subprocess
import sys
import warnings

from aiosmtpd.smtp import SMTP, AuthResult

DOSSIER = sys.argv[1]
# The auth-without-STARTTLS warnings of the implicit-TLS server are expected here.
warnings.simplefilter("ignore")
logging.disable(logging.WARNING)
UTILISATEUR, MOT_DE_PASSE = b"f5abc", b"s3cret"


def chemin(nom, extension):
    return os.path.join(DOSSIER, nom + extension)


def noter(nom, ligne):
    with open(chemin(nom, ".log"), "a", encoding="utf-8") as f:
        f.write(ligne + "\n")


def lecture_python(contenu):
    message = email.message_from_bytes(contenu, policy=email.policy.default)
    corps = message.get_body(preferencelist=("plain",))
    lu = {
        "entetes": [[nom, str(valeur)] for nom, valeur in message.items()],
        "defauts": [type(d).__name__ for p in message.walk() for d in p.defects],
        "corps": corps.get_content().replace("\r\n", "\n") if corps else None,
        "joints": [],
    }
    for joint in message.iter_attachments():
        lu["joints"].append({
            "nom": joint.get_filename(),
            "type": joint.get_content_type(),
            "octets": base64.b64encode(joint.get_payload(decode=True)).decode(),
        })
    return lu


class Gestion:
    def __init__(self, nom):
        self.nom = nom

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        if address.endswith("@refuse.example"):
            return "550 5.1.1 <%s> destinataire inconnu ici" % address
        envelope.rcpt_tos.append(address)
        return "250 OK"

    async def handle_DATA(self, server, session, envelope):
        lu = lecture_python(envelope.original_content)
        lu["mail_from"] = envelope.mail_from
        lu["rcpt_tos"] = envelope.rcpt_tos
        lu["authentifie"] = session.auth_data.login.decode() if session.authenticated else None
        # Both files are complete before the client hears the reply.
        for extension, octets in ((".eml", envelope.original_content),
                                  (".json", json.dumps(lu).encode())):
            with open(chemin(self.nom, extension), "wb") as f:
                f.write(octets)
        if self.nom == "bloque":
            await asyncio.Event().wait()
        return "250 2.0.0 Message accepte pour livraison"


class GestionEchappements(Gestion):
    """Replies that would drive a terminal: clear the screen, set its title, ring."""
    SALETES = "\x1b[2J\x1b]0;pirate\x07\x1b[31m"

    async def handle_RCPT(self, server, session, envelope, address, rcpt_options):
        reponse = await super().handle_RCPT(server, session, envelope, address, rcpt_options)
        return reponse.replace(" ", " " + self.SALETES, 1)

    async def handle_DATA(self, server, session, envelope):
        reponse = await super().handle_DATA(server, session, envelope)
        return reponse.replace(" ", " " + self.SALETES, 1) + "\x1b[0m\x08"


def authentifier(server, session, envelope, mechanism, auth_data):
    ok = auth_data.login == UTILISATEUR and auth_data.password == MOT_DE_PASSE
    return AuthResult(success=ok, handled=False, auth_data=auth_data)


class Journalise(SMTP):
    def __init__(self, nom, *args, **kwargs):
        self.nom = nom
        gestion = GestionEchappements(nom) if nom == "echappements" else Gestion(nom)
        super().__init__(gestion, *args, **kwargs)

    async def smtp_EHLO(self, arg):
        noter(self.nom, "EHLO " + arg)
        if self.nom == "sans_ehlo":
            await self.push("502 5.5.2 EHLO non reconnu")
            return
        await super().smtp_EHLO(arg)


def journaliser(verbe):
    async def commande(self, arg):
        # Only the mechanism of AUTH: its argument may carry the password.
        texte = (arg or "").split()[0] if verbe == "AUTH" and arg else (arg or "")
        noter(self.nom, (verbe + " " + texte).strip())
        return await getattr(SMTP, "smtp_" + verbe)(self, arg)
    return commande


for _verbe in ("HELO", "MAIL", "RCPT", "DATA", "QUIT", "STARTTLS", "AUTH"):
    setattr(Journalise, "smtp_" + _verbe, journaliser(_verbe))


def certificat():
    cert, cle = chemin("cert", ".pem"), chemin("cle", ".pem")
    subprocess.run(["openssl", "req", "-x509", "-newkey", "ec", "-pkeyopt",
                    "ec_paramgen_curve:prime256v1", "-nodes", "-keyout", cle, "-out", cert,
                    "-days", "2", "-subj", "/CN=localhost", "-addext",
                    "subjectAltName=IP:127.0.0.1,DNS:localhost"],
                   check=True, capture_output=True)
    contexte = ssl.create_default_context(ssl.Purpose.CLIENT_AUTH)
    contexte.load_cert_chain(cert, cle)
    return contexte


async def principal():
    boucle = asyncio.get_running_loop()
    tls = certificat()
    serveurs = {
        "simple": ({}, None),
        "sans_ehlo": ({}, None),
        "starttls": (dict(tls_context=tls, require_starttls=True, auth_required=True,
                          authenticator=authentifier), None),
        # The connection is TLS already: aiosmtpd only counts STARTTLS as TLS.
        "login_seul": (dict(tls_context=tls, require_starttls=True, auth_required=True,
                            authenticator=authentifier, auth_exclude_mechanism=["PLAIN"]), None),
        "implicite": (dict(auth_required=True, auth_require_tls=False,
                           authenticator=authentifier), tls),
        "bloque": ({}, None),
        "echappements": ({}, None),
    }
    ports = {}
    for nom, (options, tls_direct) in serveurs.items():
        def fabrique(nom=nom, options=options):
            return Journalise(nom, hostname="essai.local", loop=boucle, **options)
        serveur = await boucle.create_server(fabrique, "127.0.0.1", 0, ssl=tls_direct)
        ports[nom] = serveur.sockets[0].getsockname()[1]
    muet = await boucle.create_server(asyncio.Protocol, "127.0.0.1", 0)
    ports["muet"] = muet.sockets[0].getsockname()[1]
    print(json.dumps(ports), flush=True)
    await asyncio.Event().wait()


asyncio.run(principal())
