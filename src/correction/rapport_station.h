#pragma once

#include "compte_rendu.h"
#include "correction.h"

#include <QStringList>

#include <vector>

namespace vorek {

class Recoupement;

// The station report: its claimed and verified scores, then each line that is not
// confirmed, in file order, with its category and the other station's line when there is
// one.
QStringList lignes_rapport_station(const std::vector<CompteRendu>& comptes_rendus, int station,
                                   const StationCorrigee& resultat, const Recoupement& recoupement,
                                   int annee);

} // namespace vorek
