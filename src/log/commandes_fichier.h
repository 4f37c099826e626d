#pragma once

#include "base/dialogues.h"
#include "fichier_challenge.h"

namespace vorek {

class Etat;

// The main window's file commands, without the window. Failures are shown through the
// dialogs as the general error box would; each returns whether it went through.

DemandeFichier demande_ouverture_challenge(const Etat& etat);
DemandeFichier demande_enregistrement_challenge(const Etat& etat);

// "&Enregistrer".
bool enregistrer(Etat& etat, Dialogues& dialogues);
// "Enregistrer &sous...": the log moves to the chosen file, which becomes the current file
// with its full path; a failed write leaves the current file as it was.
bool enregistrer_sous(Etat& etat, Dialogues& dialogues);
// "&Ouvrir...".
bool ouvrir(Etat& etat, Dialogues& dialogues, const ActionsChargement& actions);
// "&Fermer": writes the log without asking.
bool fermer(Etat& etat, Dialogues& dialogues);
// The main window's close box: true when the program may end.
bool fermeture_autorisee(Etat& etat, Dialogues& dialogues);

} // namespace vorek
