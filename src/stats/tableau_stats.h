#pragma once

#include <QList>
#include <QPair>
#include <QStringList>

namespace vorek {

struct Statistiques;

// The table as the window and the command-line tool show it: a title row ("Jour", then a
// QSO and a points column per band, the totals, the members and the new members), one row
// a day, then the "Total" row.
QList<QStringList> tableau_statistiques(const Statistiques& stats);

// What stands beside the table: the members worked and the two hourly counts.
QList<QPair<QString, int>> resume_statistiques(const Statistiques& stats);

// The rows as text lines, cells joined by separateur; with ',' a cell that holds one, a
// quote or a line end is quoted as CSV wants it.
QStringList lignes_separees(const QList<QStringList>& rangees, QChar separateur);

} // namespace vorek
