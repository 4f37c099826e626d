#pragma once

#include "app/parametres.h"

#include <QString>

#include <optional>

class QWidget;

namespace vorek {

class Dialogues;
class Etat;

// A window the settings file places when it is first shown rather than at start: where it
// was left, or else beside the main window; inside a screen either way.
struct PlaceRetenue {
    QWidget* fenetre = nullptr;
    // What the settings file held at start.
    std::optional<Geometrie> stockee;
    bool placee = false;
};

// Before each show of the window: placed the first time, beside the main window and leaving
// a_laisser_voir (a place on the screen) in sight, then brought inside a screen.
void placer_retenue(PlaceRetenue& place, const QWidget* principale, const QRect& a_laisser_voir);

// What the settings file is to keep: the window's place once it was placed, the stored one
// before (a window never shown this session keeps where it was left).
std::optional<Geometrie> place_a_ecrire(const PlaceRetenue& place);

// The windows whose places the settings file keeps.
struct FenetresParametres {
    QWidget* form_main;
    QWidget* form_infos;
    QWidget* form_choix_ADIF;
    PlaceRetenue* form_infoCR = nullptr;
    PlaceRetenue* form_statistiques = nullptr;
    PlaceRetenue* form_verification = nullptr;
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
