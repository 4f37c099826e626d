#pragma once

#include <QList>
#include <QStringList>

namespace vorek {

class SortieLignes;
class TableJournal;

// Groups of rows whose calls are equal as whole texts (exact, any date or band), each in
// table order, the groups from the bottom of the log upward: a group is found when its
// last row is reached. A call that already holds a "-" is never grouped.
QList<QList<int>> groupes_doubles(const TableJournal& table);

// The recap lines of the groups: each row's call carries a "-", then a line of dashes
// closes the group.
void rediger_doubles(const TableJournal& table, const QList<QList<int>>& groupes,
                     SortieLignes& sortie);

} // namespace vorek
