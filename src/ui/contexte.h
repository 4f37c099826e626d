#pragma once

#include "app/demarrage.h"
#include "base/dialogues.h"
#include "base/horloge.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"

#include <functional>
#include <memory>

namespace vorek {

class TForm_Infos;
class TForm_main;
class TForm_choix_ADIF;
class TForm_infoCR;

// Where the program runs: its own folder, the user's data folder used when the program
// folder cannot be written, and the fetches of the start-up.
struct OptionsProgramme {
    QString dossier_programme;
    QString dossier_donnees;
    ActionsDemarrage actions;
    // Empty for a build without version information.
    QString version;
};

// What the four windows share; each window reaches the others through it.
struct Contexte {
    Etat& etat;
    Dialogues& dialogues;
    const Horloge& horloge;
    FenetreAttente& attente;
    OptionsProgramme options;
    // Built once the folders are known, at the station window's creation.
    std::unique_ptr<Referentiel> referentiel;
    TForm_Infos* Form_Infos = nullptr;
    TForm_main* Form_main = nullptr;
    TForm_choix_ADIF* Form_choix_ADIF = nullptr;
    TForm_infoCR* Form_infoCR = nullptr;
    // Ends the program; set by the program object.
    std::function<void()> terminer;
    bool fin_en_cours = false;
};

} // namespace vorek
