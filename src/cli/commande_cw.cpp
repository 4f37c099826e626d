#include "contexte_cli.h"
#include "options_commande.h"

#include "app/parametres.h"
#include "base/erreur.h"
#include "log/fichier_challenge.h"
#include "rig/attente_envoi.h"
#include "rig/creation_manipulateur.h"
#include "rig/messages_cw.h"
#include "rig/saisie_rig.h"
#include "rig/suivi_radio.h"
#include "rig/textes_rig.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

namespace vorek {

namespace {

const QString usage_cw() {
    return QStringLiteral("usage : vorek cw TEXTE|F1..F8 [--indicatif INDICATIF] [--rst RST] "
                          "[--fichier FICHIER.VRK] [--cwdaemon HOTE:PORT | --radio] [--wpm N]");
}

// The station of the log named, or else of the last log saved in the work folder; none when
// there is no log there (a macro that needs it then says which field is missing).
Station station_pour_cw(const Etat& etat, const QString& fichier) {
    if (!fichier.isEmpty()) {
        return lire_challenge(QFileInfo(fichier).absoluteFilePath()).station;
    }
    const QFileInfoList journaux =
        QDir(etat.rep_challenge)
            .entryInfoList({QStringLiteral("*.VRK")}, QDir::Files, QDir::Time | QDir::IgnoreCase);
    for (const QFileInfo& journal : journaux) {
        try {
            return lire_challenge(journal.absoluteFilePath()).station;
        } catch (const Erreur&) {
            // An unreadable log is passed over for the one saved before it.
        }
    }
    return {};
}

ReglagesRig reglages_cw(const Etat& etat, const OptionsCommande& options) {
    SaisieRig saisie = saisie_de(lire_reglages_rig(chemin_parametres(etat)));
    if (options.contient(QStringLiteral("--cwdaemon"))) {
        saisie.type = TypeManipulateur::cwdaemon;
        saisie.cwdaemon = options.valeurs.value(QStringLiteral("--cwdaemon"));
    } else if (options.contient(QStringLiteral("--radio"))) {
        saisie.type = TypeManipulateur::radio;
    }
    if (options.contient(QStringLiteral("--wpm"))) {
        bool ok = false;
        saisie.wpm = options.valeurs.value(QStringLiteral("--wpm")).toInt(&ok);
        if (!ok || saisie.wpm != Manipulateur::vitesse_bornee(saisie.wpm)) {
            throw ErreurUsage{QStringLiteral("vitesse CW incorrecte (de %1 à %2 mots/min) : ")
                                  .arg(Manipulateur::vitesse_min)
                                  .arg(Manipulateur::vitesse_max) +
                              options.valeurs.value(QStringLiteral("--wpm"))};
        }
    }
    const ReglagesSaisis lu = lire_saisie_rig(saisie);
    if (!lu.erreur.isEmpty()) {
        throw Erreur(lu.erreur);
    }
    if (lu.reglages.manipulateur.type == TypeManipulateur::aucun) {
        throw Erreur(textes_rig::aucun_manipulateur());
    }
    return lu.reglages;
}

// F1 to F8 stand for the messages of the settings.
QString modele_cw(const QString& texte, const ReglagesRig& reglages) {
    static const QRegularExpression touche(QStringLiteral("^[Ff]([1-8])$"));
    const QRegularExpressionMatch trouve = touche.match(texte.trimmed());
    return trouve.hasMatch() ? reglages.messages[size_t(trouve.captured(1).toInt() - 1)] : texte;
}

// Through the keyer as the main window uses it, until the message is out and, for a keyer
// that answers (cwdaemon), answered for.
void envoyer_cw(const ReglagesRig& reglages, const QString& texte) {
    SuiviRadio radio;
    QEventLoop boucle;
    QString erreur;
    if (reglages.manipulateur.type == TypeManipulateur::radio) {
        QObject::connect(&radio, &SuiviRadio::connexion_changee, &boucle,
                         [&](bool connectee, const QString& message) {
                             erreur = connectee ? QString() : message;
                             boucle.quit();
                         });
        radio.demarrer(reglages.radio);
        boucle.exec();
        QObject::disconnect(&radio, nullptr, &boucle, nullptr);
        if (!erreur.isEmpty()) {
            throw Erreur(erreur);
        }
    }
    const std::unique_ptr<Manipulateur> manipulateur =
        creer_manipulateur(reglages.manipulateur, &radio);
    if (const QString echec = envoyer_et_attendre(*manipulateur, texte); !echec.isEmpty()) {
        throw Erreur(echec);
    }
}

} // namespace

int commande_cw(ContexteCli& contexte) {
    const OptionsCommande options = lire_options_commande(
        contexte.arguments,
        {QStringLiteral("--indicatif"), QStringLiteral("--rst"), QStringLiteral("--fichier"),
         QStringLiteral("--cwdaemon"), QStringLiteral("--wpm")},
        {QStringLiteral("--radio")}, usage_cw());
    if (options.arguments.size() != 1 || (options.contient(QStringLiteral("--cwdaemon")) &&
                                          options.contient(QStringLiteral("--radio")))) {
        throw ErreurUsage{usage_cw()};
    }
    const ReglagesRig reglages = reglages_cw(contexte.etat, options);
    const Station station =
        station_pour_cw(contexte.etat, options.valeurs.value(QStringLiteral("--fichier")));
    const ChampsMacro champs{station.station_call,
                             options.valeurs.value(QStringLiteral("--indicatif")),
                             station.station_nr_club,
                             options.valeurs.value(QStringLiteral("--rst"), QStringLiteral("599"))};
    const MessageCw message = developper_message(modele_cw(options.arguments[0], reglages), champs);
    if (!message.erreur.isEmpty()) {
        throw Erreur(message.erreur);
    }
    if (message.texte.isEmpty()) {
        throw Erreur(textes_rig::rien_a_envoyer());
    }
    envoyer_cw(reglages, message.texte);
    contexte.sortie << message.texte << '\n';
    return 0;
}

} // namespace vorek
