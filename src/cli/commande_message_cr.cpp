#include "contexte_cli.h"

#include "app/envoi_cr.h"
#include "app/parametres.h"
#include "base/erreur.h"
#include "base/horloge.h"
#include "mail/octets_message.h"
#include "mail/reglages_smtp.h"
#include "mail/textes_mail.h"
#include "refdata/referentiel.h"

#include <cstdio>
#include <map>

namespace vorek {

namespace {

const char* const usage_message =
    "usage : vorek message-cr FICHIER.VRK [--de ADRESSE] [--destinataire ADRESSE] "
    "[--moment AAAA-MM-JJTHH:MM:SS+HH:MM]";
const char* const usage_envoi =
    "usage : vorek envoyer-cr FICHIER.VRK --smtp HOTE --port PORT "
    "[--securite auto|starttls|tls|aucune] [--utilisateur NOM] [--ac FICHIER] "
    "[--de ADRESSE] [--destinataire ADRESSE] [--moment AAAA-MM-JJTHH:MM:SS+HH:MM]\n"
    "avec --utilisateur, le mot de passe est lu sur l'entrée standard";

const QStringList options_message{QStringLiteral("--de"), QStringLiteral("--destinataire"),
                                  QStringLiteral("--moment")};

struct ArgumentsCR {
    QString journal;
    std::map<QString, QString> options;

    QString valeur(const char* nom, const QString& defaut = {}) const {
        const auto trouvee = options.find(QString::fromLatin1(nom));
        return trouvee == options.end() ? defaut : trouvee->second;
    }
};

ArgumentsCR lire_arguments(const QStringList& arguments, const QStringList& permises,
                           const char* usage) {
    const ErreurUsage erreur{QString::fromUtf8(usage)};
    ArgumentsCR lus;
    if (arguments.isEmpty() || arguments[0].startsWith(QStringLiteral("--"))) {
        throw erreur;
    }
    lus.journal = arguments[0];
    for (qsizetype i = 1; i < arguments.size(); i += 2) {
        if (!permises.contains(arguments[i]) || i + 1 >= arguments.size() ||
            lus.options.count(arguments[i]) > 0) {
            throw erreur;
        }
        lus.options[arguments[i]] = arguments[i + 1];
    }
    return lus;
}

QDateTime lire_moment(const ArgumentsCR& lus) {
    const QString texte = lus.valeur("--moment");
    if (texte.isEmpty()) {
        return HorlogeSysteme().maintenant_local();
    }
    const QDateTime moment = QDateTime::fromString(texte, Qt::ISODate);
    if (!moment.isValid()) {
        throw ErreurUsage{QStringLiteral("moment incorrect : ") + texte};
    }
    return moment;
}

// The message of the window for the log: the report written again, the sender of the
// settings file and the committee unless told otherwise. Addresses that could not be sent
// to end the command.
MessageCR message_cr(ContexteCli& contexte, const ArgumentsCR& lus) {
    const QDateTime moment = lire_moment(lus);
    Etat& etat = contexte.etat;
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    charger_pour_cli(contexte, referentiel, lus.journal);
    etat.station.station_email = lus.valeur(
        "--de", lire_parametres(chemin_parametres(etat), etat.table.nb_colonnes()).email);
    const QString destinataire = lus.valeur("--destinataire", adresse_comite(etat));
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

ParametresSmtp parametres_cli(const ArgumentsCR& lus) {
    ParametresSmtp p;
    p.delais = delais_smtp();
    p.serveur = lus.valeur("--smtp");
    p.port = lus.valeur("--port");
    const QString securite = lus.valeur("--securite", mot_securite(SecuriteSmtp::automatique));
    if (p.serveur.isEmpty() || p.port.isEmpty() || !securite_du_mot(securite)) {
        throw ErreurUsage{QString::fromUtf8(usage_envoi)};
    }
    p.securite = *securite_du_mot(securite);
    p.fichier_ac = lus.valeur("--ac");
    p.utilisateur = lus.valeur("--utilisateur");
    if (!p.utilisateur.isEmpty()) {
        p.mot_de_passe = lire_mot_de_passe();
    }
    return p;
}

} // namespace

// The message exactly as the e-mail window would submit it, on stdout, without sending.
int commande_message_cr(ContexteCli& contexte) {
    const ArgumentsCR lus = lire_arguments(contexte.arguments, options_message, usage_message);
    const QByteArray octets = octets_message(message_cr(contexte, lus));
    contexte.sortie.flush();
    std::fwrite(octets.constData(), 1, size_t(octets.size()), stdout);
    std::fflush(stdout);
    return 0;
}

// The window's send without the window: the server's last reply on stdout, exit 0 when it
// accepted the message.
int commande_envoyer_cr(ContexteCli& contexte) {
    const ArgumentsCR lus = lire_arguments(
        contexte.arguments,
        options_message + QStringList{QStringLiteral("--smtp"), QStringLiteral("--port"),
                                      QStringLiteral("--securite"), QStringLiteral("--utilisateur"),
                                      QStringLiteral("--ac")},
        usage_envoi);
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
