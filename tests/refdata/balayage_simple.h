#pragma once

#include "refdata/membres.h"
#include "refdata/pays.h"

// The rules read literally: every look-up opens the file and scans it from the top. The
// indexed look-ups must give exactly these answers; the benchmarks compare against them.
namespace balayage {

vorek::ResultatPays chercher_dxcc(const QString& chemin, const QString& cle);
vorek::ResultatPays trouver_pays(const QString& chemin, const QString& indicatif);
vorek::ResultatMembre chercher_membre(const QString& chemin, const QString& indicatif);

} // namespace balayage
