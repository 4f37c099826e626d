#include "contexte_cli.h"
#include "textes_cli.h"

#include "app/envoi_cr.h"
#include "app/parametres.h"
#include "base/erreur.h"
#include "base/horloge.h"
#include "mail/octets_message.h"
#include "mail/reglages_smtp.h"
#include "mail/textes_mail.h"
#include "refdata/referentiel.h"

#include <cstdio>

namespace vorek {

namespace {

QDateTime lire_moment(const ArgumentsLus& lus) {
    const QString texte = lus.valeur(QStringLiteral("--moment"));
    if (texte.isEmpty()) {
        return HorlogeSysteme().maintenant_local();
    }
    const QDateTime moment = QDateTime::fromString(texte, Qt::ISODate);
    if (!moment.isValid()) {
        throw ErreurUsage{textes_cli::moment_incorrect().arg(texte)};
    }
    return moment;
}

// The message of the window for the log: the report written again, the sender of the
// settings file and the committee unless told otherwise. Addresses that could not be sent
// to end the command.
MessageCR message_cr(ContexteCli& contexte, const ArgumentsLus& lus) {
    const QDateTime moment = lire_moment(lus);
    Etat& etat = contexte.etat;
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    charger_pour_cli(contexte, referentiel, lus.positionnels[0]);
    etat.station.station_email =
        lus.valeur(QStringLiteral("--de"),
                   lire_parametres(chemin_parametres(etat), etat.table.nb_colonnes()).email);
    const QString destinataire = lus.valeur(QStringLiteral("--destinataire"), adresse_comite(etat));
    const PreparationCR preparation = preparer_message_cr(etat, destinataire, moment);
    if (!preparation.erreur.isEmpty()) {
        throw Erreur(preparation.erreur);
    }
    MessageCR message = preparation.message;
    message.a = destinataire;
    if (const QString refus = verifier_adresses(message); !refus.isEmpty()) {
        throw Erreur(refus);
    }
    return message;
}

// One line of at most 1 kB: a standard input that never ends (/dev/zero) is refused, not
// read until memory runs out.
QString lire_mot_de_passe() {
    constexpr qsizetype taille_max = 1024;
    QByteArray ligne;
    for (int c = std::fgetc(stdin); c != EOF && c != '\n'; c = std::fgetc(stdin)) {
        if (ligne.size() == taille_max) {
            throw ErreurUsage{QString::fromUtf8(textes_mail::mot_de_passe_trop_long)};
        }
        ligne.append(char(c));
    }
    if (ligne.endsWith('\r')) {
        ligne.chop(1);
    }
    if (ligne.isEmpty()) {
        throw ErreurUsage{QString::fromUtf8(textes_mail::mot_de_passe_absent)};
    }
    return QString::fromUtf8(ligne);
}

ParametresSmtp parametres_cli(const ArgumentsLus& lus) {
    ParametresSmtp p;
    p.delais = delais_smtp();
    p.serveur = lus.valeur(QStringLiteral("--smtp"));
    p.port = lus.valeur(QStringLiteral("--port"));
    for (const QString& nom : {QStringLiteral("--smtp"), QStringLiteral("--port")}) {
        if (lus.valeur(nom).isEmpty()) {
            throw ErreurUsage{textes_cli::valeur_manquante().arg(nom)};
        }
    }
    const QString securite =
        lus.valeur(QStringLiteral("--securite"), mot_securite(SecuriteSmtp::automatique));
    if (!securite_du_mot(securite)) {
        throw ErreurUsage{
            textes_cli::valeur_incorrecte().arg(QStringLiteral("--securite"), securite)};
    }
    p.securite = *securite_du_mot(securite);
    p.fichier_ac = lus.valeur(QStringLiteral("--ac"));
    p.utilisateur = lus.valeur(QStringLiteral("--utilisateur"));
    if (!p.utilisateur.isEmpty()) {
        p.mot_de_passe = lire_mot_de_passe();
    }
    return p;
}

} // namespace

// The message exactly as the e-mail window would submit it, on stdout, without sending.
int commande_message_cr(ContexteCli& contexte) {
    const ArgumentsLus& lus = contexte.arguments;
    const QByteArray octets = octets_message(message_cr(contexte, lus));
    contexte.sortie.flush();
    std::fwrite(octets.constData(), 1, size_t(octets.size()), stdout);
    std::fflush(stdout);
    return 0;
}

// The window's send without the window: the server's last reply on stdout, exit 0 when it
// accepted the message.
int commande_envoyer_cr(ContexteCli& contexte) {
    const ArgumentsLus& lus = contexte.arguments;
    const ParametresSmtp parametres = parametres_cli(lus);
    const MessageCR message = message_cr(contexte, lus);
    if (const QString refus = controler_avant_envoi(contexte.etat, parametres, message);
        !refus.isEmpty()) {
        throw Erreur(refus);
    }
    avertir_avant_envoi(contexte, message);
    const ResultatEnvoi resultat = envoyer_message(parametres, message);
    if (!resultat.reponse_serveur.isEmpty()) {
        contexte.sortie << resultat.reponse_serveur << '\n';
    }
    if (!resultat.reussi) {
        throw Erreur(resultat.erreur);
    }
    return 0;
}

} // namespace vorek
