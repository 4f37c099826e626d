#pragma once

#include "app/parametres.h"

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

// Challenge_VRK.ini applied to the windows, each brought inside the screens there are now,
// and to the log's columns when widths are stored. The answer is what the file keeps for the
// windows: the e-mail address, whether widths were stored (on a first start the grid sizes
// its columns to their content), the last session's file and band, the mail server.
Parametres lire_parametres_fenetres(const FenetresParametres& fenetres, Etat& etat);
// Stores the windows' places, the column widths, the e-mail field's text, the current
// challenge file, the band and the mail server; a failure is shown naming the file, and the
// answer is false.
bool ecrire_parametres_fenetres(const FenetresParametres& fenetres, const Etat& etat,
                                const QString& bande, const ReglagesSmtp& smtp,
                                Dialogues& dialogues);

// Moves and shrinks a window the least that puts it wholly on a screen.
void ajuster_a_l_ecran(QWidget* fenetre);

} // namespace vorek
