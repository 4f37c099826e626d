#pragma once

#include <QDate>
#include <QList>
#include <QStringList>

namespace vorek {

struct Statistiques;

// What the rate plot shows: one bar a category with its QSOs, and the score at its end.
struct SerieHoraire {
    QStringList categories;
    QList<int> qso;
    QList<int> score;
    bool operator==(const SerieHoraire&) const = default;
};

// The days of the contest period that hold QSOs, in date order (UTC, as the log is).
QList<QDate> jours_avec_qso(const Statistiques& stats);

// For a day, its 24 hours ("0" to "23", UTC); without one (an invalid date), one bar a day that
// holds QSOs ("dd/MM"): a bar an hour over two months would be thinner than a pixel.
SerieHoraire serie_horaire(const Statistiques& stats, const QDate& jour = QDate());

} // namespace vorek
