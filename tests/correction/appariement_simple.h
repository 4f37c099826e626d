#pragma once

#include "correction/compte_rendu.h"
#include "correction/dictionnaire.h"

#include <vector>

// The pairing read literally: for every two stations and every band, every line of each
// report scanned for the other's base call, every couple within the tolerance listed, then
// taken nearest first. Quadratic; the oracle of the tests and the benchmark's baseline.
// Gives, by global QSO number (the reports' QSOs one after another), the line it is
// paired with, or -1.
std::vector<qint32> apparier_simplement(const std::vector<vorek::CompteRendu>& comptes_rendus,
                                        const vorek::Dictionnaire& dictionnaire, int tolerance);
