#pragma once

#include <QString>

namespace vorek {

// Points of a QSO that passed every rule, before the club-station bonus: those of the band
// record of the text (compared exactly), 0 for a text no record has.
int points_bande(const QString& bande, bool meme_continent);

// The club station: a QSO with it, in any of its forms (portable, abroad), counts
// multiplicateur_station_club times.
QString indicatif_station_club();
constexpr int multiplicateur_station_club = 2;

} // namespace vorek
