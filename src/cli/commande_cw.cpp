#include "contexte_cli.h"
#include "textes_cli.h"

#include "app/parametres.h"
#include "base/erreur.h"
#include "log/fichier_challenge.h"
#include "rig/attente_envoi.h"
#include "rig/messages_cw.h"
#include "rig/saisie_rig.h"
#include "rig/sortes_manipulateur.h"
#include "rig/suivi_radio.h"
#include "rig/textes_rig.h"

#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QRegularExpression>

namespace vorek {

namespace {

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

// The keyer an option names ("--cwdaemon HOTE:PORT", "--radio"), if any.
const SorteManipulateur* sorte_choisie(const ArgumentsLus& options) {
    for (const SorteManipulateur* sorte : sortes_manipulateur()) {
        if (sorte->creer != nullptr && options.contient(QStringLiteral("--") + sorte->nom)) {
            return sorte;
        }
    }
    return nullptr;
}

ReglagesRig reglages_cw(const Etat& etat, const ArgumentsLus& options) {
    SaisieRig saisie = saisie_de(lire_reglages_rig(chemin_parametres(etat)));
    if (const SorteManipulateur* sorte = sorte_choisie(options)) {
        saisie.type = sorte->nom;
        if (sorte->capacites.adresse) {
            saisie.adresse_manipulateur = options.valeur(QStringLiteral("--") + sorte->nom);
        }
    }
    if (options.contient(QStringLiteral("--wpm"))) {
        bool ok = false;
        saisie.wpm = options.valeur(QStringLiteral("--wpm")).toInt(&ok);
        if (!ok || saisie.wpm != Manipulateur::vitesse_bornee(saisie.wpm)) {
            throw ErreurUsage{textes_cli::vitesse_cw_incorrecte()
                                  .arg(Manipulateur::vitesse_min)
                                  .arg(Manipulateur::vitesse_max)
                                  .arg(options.valeur(QStringLiteral("--wpm")))};
        }
    }
    const ReglagesSaisis lu = lire_saisie_rig(saisie);
    if (!lu.erreur.isEmpty()) {
        throw Erreur(lu.erreur);
    }
    if (sorte_manipulateur(lu.reglages.manipulateur.type).creer == nullptr) {
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
    if (sorte_manipulateur(reglages.manipulateur.type).capacites.demande_radio) {
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
    const ArgumentsLus& options = contexte.arguments;
    const ReglagesRig reglages = reglages_cw(contexte.etat, options);
    const Station station =
        station_pour_cw(contexte.etat, options.valeur(QStringLiteral("--fichier")));
    const ChampsMacro champs{station.station_call, options.valeur(QStringLiteral("--indicatif")),
                             station.station_nr_club,
                             options.valeur(QStringLiteral("--rst"), QStringLiteral("599"))};
    const MessageCw message =
        developper_message(modele_cw(options.positionnels[0], reglages), champs);
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
