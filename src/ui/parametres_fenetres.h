#pragma once

namespace vorek {

struct Contexte;

// Challenge_VRK.ini applied to the windows, the log's columns and the e-mail field.
void lire_parametres_fenetres(Contexte& contexte);
// Stores the windows' places, the column widths and the e-mail field; a failure is shown
// naming the file, and the answer is false.
bool ecrire_parametres_fenetres(Contexte& contexte);

} // namespace vorek
