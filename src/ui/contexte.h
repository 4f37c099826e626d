#pragma once

#include "app/demarrage.h"
#include "base/dialogues.h"
#include "base/horloge.h"
#include "cluster/connexion_cluster.h"
#include "entry/saisie.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "mail/reglages_smtp.h"
#include "refdata/referentiel.h"
#include "rig/suivi_radio.h"

#include <functional>
#include <memory>

namespace vorek {

// Where the program runs: its own folder, the user's data folder used when the program
// folder cannot be written, and the fetches of the start-up.
struct OptionsProgramme {
    QString dossier_programme;
    QString dossier_donnees;
    ActionsDemarrage actions;
    // Empty for a build without version information.
    QString version;
    // How often the rig is read, and retried once lost.
    IntervallesRadio intervalles_radio{};
    // The cluster link's waits.
    DelaisCluster delais_cluster{};
};

// What the four windows share: the state and the core objects, never a window. A window
// follows the others' changes through etat.annonces and asks the program for another
// window through its own signals.
struct Contexte {
    Etat& etat;
    Dialogues& dialogues;
    const Horloge& horloge;
    FenetreAttente& attente;
    OptionsProgramme options;
    // Built once the folders are known, at the station window's creation.
    std::unique_ptr<Referentiel> referentiel{};
    // The entry panel's state, built with the main window; its band and year are those of
    // every rescoring, whichever window starts it.
    std::unique_ptr<EntreeQSO> entree{};
    // The mail server of the next report e-mail: server and port as the station window
    // shows them, security and user name as the e-mail window does.
    ReglagesSmtp reglages_smtp{};
    // What the settings file holds of it, proposed for an address SMTP.csv does not know.
    ReglagesSmtp reglages_smtp_memorises{};
    // Ends the program; set by the program object.
    std::function<void()> terminer{};
    bool fin_en_cours = false;
};

} // namespace vorek
