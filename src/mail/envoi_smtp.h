#pragma once

#include "message_cr.h"

#include <QString>

#include <chrono>
#include <functional>
#include <optional>

namespace vorek {

// The operator's security choice, in the order of textes_mail::libelles_securite.
enum class SecuriteSmtp {
    automatique,   // port 465: TLS at once; other ports: STARTTLS when the server offers it
    starttls,      // STARTTLS required
    tls_implicite, // TLS at once, whatever the port
    aucune,        // the plain exchange, never TLS
};

// A silent server never hangs the program: the whole exchange, the wait for the server's
// answer to the message included, ends within `total`; the goodbye (QUIT) is then given
// `adieu` at most, as it is after a failure.
struct DelaisSmtp {
    std::chrono::milliseconds connexion{15000};
    std::chrono::milliseconds total{120000};
    std::chrono::milliseconds adieu{5000};
};

// The bounds above, or those that VOREK_DELAIS_SMTP gives ("connexion,total,adieu" in
// milliseconds), so that the tests need not wait for them.
DelaisSmtp delais_smtp();

struct ParametresSmtp {
    QString serveur;
    QString port; // as typed; must be a decimal number
    SecuriteSmtp securite = SecuriteSmtp::automatique;
    // AUTH (PLAIN or LOGIN, as the server offers) only when both are given.
    QString utilisateur;
    QString mot_de_passe; // for this send only, never stored
    // The server's certificate and name are checked against the system's authorities (or
    // fichier_ac alone when given): a password must not go to whoever answers. An operator
    // with a self-signed server of their own can turn the check off.
    bool verifier_certificat = true;
    QString fichier_ac;
    DelaisSmtp delais;
};

struct ResultatEnvoi {
    bool reussi = false;
    QString erreur; // French text for the error box, the server's reply included
    // The server's last reply before its goodbye, without control characters.
    QString reponse_serveur;
    // libcurl's own words for the failure, for the diagnostics only.
    QString detail_bibliotheque{};
};

// How the connection is made for a security choice.
enum class NiveauTls { jamais, si_propose, exige };
struct ModeConnexion {
    bool tls_implicite = false;
    NiveauTls niveau = NiveauTls::si_propose;
    bool operator==(const ModeConnexion&) const = default;
};

// A password never goes in clear unless the operator chose the plain exchange.
ModeConnexion mode_connexion(SecuriteSmtp securite, int port, bool authentification);

// The port as a decimal number from 1 to 65535, blanks around allowed.
std::optional<int> lire_port(const QString& texte);

// The sender, recipient and copy addresses: each must pass the check and hold no control
// character. Empty when all three can be sent to.
QString verifier_adresses(const MessageCR& message);

// Everything that can be refused before a connection: server name, port, the addresses
// above, user name and password. Empty when the send may start.
QString verifier_envoi(const ParametresSmtp& parametres, const MessageCR& message);

// Bytes of the message sent so far and in all; false stops the send.
using SuiviEnvoi = std::function<bool(qint64 envoyes, qint64 total)>;

// Blocks until the server accepted the message or the exchange failed: EHLO (HELO when
// refused), optional STARTTLS and AUTH, MAIL FROM, one RCPT TO for To and one for Cc, DATA
// with octets_message(message), QUIT. Safe to run on a worker thread.
ResultatEnvoi envoyer_message(const ParametresSmtp& parametres, const MessageCR& message,
                              const SuiviEnvoi& suivi = {});

} // namespace vorek
