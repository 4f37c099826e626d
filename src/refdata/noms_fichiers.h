#pragma once

#include <QString>

namespace vorek {

inline constexpr QLatin1String nom_fichier_pays("cty_wt.dat");
inline constexpr QLatin1String nom_liste_dxcc("DXCC.CSV");
inline constexpr QLatin1String nom_base_membres("ZTC_mini_2021.csv");
inline constexpr QLatin1String nom_base_membres_site("ZTC_mini_2021_site.csv");

} // namespace vorek
