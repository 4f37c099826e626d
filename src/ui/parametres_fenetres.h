#pragma once

#include <QString>

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

// Challenge_VRK.ini applied to the windows and the log's columns; the answer is the e-mail
// address it keeps, for the station window's field.
QString lire_parametres_fenetres(const FenetresParametres& fenetres, Etat& etat);
// Stores the windows' places, the column widths and the e-mail field's text; a failure is
// shown naming the file, and the answer is false.
bool ecrire_parametres_fenetres(const FenetresParametres& fenetres, const Etat& etat,
                                Dialogues& dialogues);

} // namespace vorek
