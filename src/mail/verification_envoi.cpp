#include "envoi_smtp.h"

#include "adresse_email.h"
#include "encodage_mime.h"
#include "hote_smtp.h"
#include "textes_mail.h"

#include <QUrl>

#include <algorithm>

namespace vorek {

namespace {

using textes_mail::texte;

bool ipv6(const QString& hote) {
    for (const QChar c : hote) {
        if (!QStringLiteral("0123456789abcdefABCDEF:.").contains(c)) {
            return false;
        }
    }
    return hote.contains(QLatin1Char(':'));
}

bool caractere_de_nom(QChar c) {
    return c.isLetterOrNumber() || QStringLiteral(".-_").contains(c);
}

QString refus_adresse(const char* role, const QString& adresse) {
    return adresse_email_envoyable(adresse)
               ? QString()
               : texte(textes_mail::adresse_refusee).arg(texte(role), sans_controle(adresse));
}

bool contient_controle(const QString& texte) {
    return sans_controle(texte) != texte;
}

} // namespace

std::optional<QByteArray> hote_pour_url(const QString& serveur) {
    QString hote = serveur.trimmed();
    if (hote.startsWith(QLatin1Char('[')) && hote.endsWith(QLatin1Char(']'))) {
        hote = hote.mid(1, hote.size() - 2);
    }
    if (ipv6(hote)) {
        return "[" + hote.toLatin1() + "]";
    }
    if (hote.isEmpty() || !std::all_of(hote.begin(), hote.end(), caractere_de_nom)) {
        return std::nullopt;
    }
    const QByteArray ace = QUrl::toAce(hote);
    if (ace.isEmpty()) {
        return std::nullopt;
    }
    return ace;
}

ModeConnexion mode_connexion(SecuriteSmtp securite, int port, bool authentification) {
    switch (securite) {
    case SecuriteSmtp::automatique:
        if (port == 465) {
            return {true, NiveauTls::exige};
        }
        return {false, authentification ? NiveauTls::exige : NiveauTls::si_propose};
    case SecuriteSmtp::starttls:
        return {false, NiveauTls::exige};
    case SecuriteSmtp::tls_implicite:
        return {true, NiveauTls::exige};
    case SecuriteSmtp::aucune:
        break;
    }
    return {false, NiveauTls::jamais};
}

std::optional<int> lire_port(const QString& texte) {
    const QString chiffres = texte.trimmed();
    if (chiffres.isEmpty() || chiffres.size() > 5 ||
        !std::all_of(chiffres.begin(), chiffres.end(),
                     [](QChar c) { return c >= QLatin1Char('0') && c <= QLatin1Char('9'); })) {
        return std::nullopt;
    }
    const int port = chiffres.toInt();
    if (port < 1 || port > 65535) {
        return std::nullopt;
    }
    return port;
}

QString verifier_adresses(const MessageCR& message) {
    for (const QString& refus : {refus_adresse(textes_mail::role_expediteur, message.de),
                                 refus_adresse(textes_mail::role_destinataire, message.a),
                                 refus_adresse(textes_mail::role_copie, message.cc)}) {
        if (!refus.isEmpty()) {
            return refus;
        }
    }
    return {};
}

QString verifier_envoi(const ParametresSmtp& p, const MessageCR& message) {
    if (p.serveur.trimmed().isEmpty()) {
        return texte(textes_mail::serveur_absent);
    }
    if (!hote_pour_url(p.serveur)) {
        return texte(textes_mail::serveur_incorrect).arg(sans_controle(p.serveur.trimmed()));
    }
    if (!lire_port(p.port)) {
        return texte(textes_mail::port_incorrect).arg(sans_controle(p.port));
    }
    if (const QString refus = verifier_adresses(message); !refus.isEmpty()) {
        return refus;
    }
    if (contient_controle(p.utilisateur)) {
        return texte(textes_mail::utilisateur_incorrect);
    }
    // AUTH PLAIN separates the user name from the password by a NUL.
    if (contient_controle(p.mot_de_passe)) {
        return texte(textes_mail::mot_de_passe_incorrect);
    }
    return {};
}

} // namespace vorek
