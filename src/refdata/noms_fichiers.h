#pragma once

#include <QString>

namespace vorek {

inline constexpr QLatin1String nom_fichier_pays("cty_wt.dat");
inline constexpr QLatin1String nom_liste_dxcc("DXCC.CSV");
inline constexpr QLatin1String nom_base_membres("ZTC_mini_2021.csv");
inline constexpr QLatin1String nom_base_membres_site("ZTC_mini_2021_site.csv");
inline constexpr QLatin1String nom_fichier_pays_livre("cty_wt_mod.dat");

// The shipped data beside an executable: data/ in the build tree or a portable folder,
// share/challenge-vorek/ beside bin/ once installed.
inline constexpr QLatin1String donnees_a_cote("data");
inline constexpr QLatin1String donnees_installees("../share/challenge-vorek");

} // namespace vorek
