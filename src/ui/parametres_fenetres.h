#pragma once

#include "app/parametres.h"

class QWidget;

namespace vorek {

class Dialogues;
class Etat;

// The windows whose places the settings file keeps.
struct FenetresParametres {
    QWidget* form_main;
    QWidget* form_infos;
    QWidget* form_choix_ADIF;
};

// Challenge_VRK.ini applied to the windows and the log's columns; the answer holds what is
// left: the e-mail address for the station window's field and the mail server.
Parametres lire_parametres_fenetres(const FenetresParametres& fenetres, Etat& etat);
// Stores the windows' places, the column widths, the e-mail field's text and the mail
// server; a failure is shown naming the file, and the answer is false.
bool ecrire_parametres_fenetres(const FenetresParametres& fenetres, const Etat& etat,
                                const ReglagesSmtp& smtp, Dialogues& dialogues);

} // namespace vorek
