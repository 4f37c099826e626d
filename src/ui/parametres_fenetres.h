#pragma once

class QWidget;

namespace vorek {

struct Contexte;

// Challenge_VRK.ini applied to the windows, the log's columns and the e-mail field. Every
// window is brought inside the screens there are now; on a first start (no width stored)
// the log's columns take the width of their content.
void lire_parametres_fenetres(Contexte& contexte);
// Stores the windows' places, the column widths, the e-mail field, the current challenge
// file and band; a failure is shown naming the file, and the answer is false.
bool ecrire_parametres_fenetres(Contexte& contexte);
// Once every window exists: the band and the challenge file of the last session, when that
// file is still there. The station window shows it; the operator may still choose another.
void reprendre_derniere_seance(Contexte& contexte);

// Moves and shrinks a window the least that puts it wholly on a screen.
void ajuster_a_l_ecran(QWidget* fenetre);

} // namespace vorek
