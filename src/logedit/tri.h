#pragma once

#include <QString>

namespace vorek {

class Etat;

// The sort snapshot, in the challenge-file format, in rep_challenge.
QString nom_instantane_tri();

// SpeedButton_tri_CALLClick: writes the snapshot (even with nothing to sort; a pending
// correction stays pending and follows its QSO), keeps the
// present order in ordre_avant_tri (the first sort's, when sorted by call twice), then
// orders the QSO rows by call as the exchange sort does (equal calls are not kept in
// order). Throws Erreur when the snapshot cannot be written; no row has moved then.
void trier_par_indicatif(Etat& etat);

// SpeedButton_tri_DATEClick: the QSO rows in ascending date and time, in place: QSOs
// logged since the sort by call stay. Equal moments come back in the order they had
// before the sort by call (which decides which duplicate keeps its points), QSOs logged
// or changed since after them. Rows whose date does not read go after the others.
void trier_par_date(Etat& etat);

// SpeedButton_tri_ZTCClick: keeps only the rows whose member number is not "NM".
// Returns the QSO count for the count label.
int extraire_membres(Etat& etat);

} // namespace vorek
