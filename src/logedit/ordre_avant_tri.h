#pragma once

#include <vector>

namespace vorek {

class Etat;

// The order of the QSO rows 1 .. fin before the sort by call, kept in ordre_avant_tri so
// that the return to date order gives QSOs of the same moment back in it.

// Keeps the present order; when the log is already sorted by call, the order kept by the
// first sort stays, with the rows it does not know after it.
void retenir_ordre_avant_tri(Etat& etat, int fin);

// Each row's place in the order kept; rows logged or changed since have none and sort
// after the others (the largest int).
std::vector<int> rangs_avant_tri(const Etat& etat, int fin);

} // namespace vorek
