#pragma once

#include <QString>

namespace vorek {

// Points of a QSO that passed every rule, before the club-station bonus; 0 for a band
// outside the points table.
int points_bande(const QString& bande, bool meme_continent);

// The club station: a QSO with it, in any of its forms (portable, abroad), counts double.
QString indicatif_station_club();

} // namespace vorek
