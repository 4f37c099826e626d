#include "doubles.h"

#include "colonnes_fixes.h"

#include "base/fichier_texte.h"
#include "log/table_journal.h"

#include <QHash>

#include <algorithm>

namespace vorek {

QList<QList<int>> groupes_doubles(const TableJournal& table) {
    // Rows of each call, top down; a call's group is complete once every row is known.
    QHash<QString, QList<int>> lignes_par_appel;
    for (int ligne = 1; ligne < table.nb_lignes(); ++ligne) {
        const QString appel = table.cellule(col_indicatif, ligne);
        if (appel.isEmpty() || appel.contains(QLatin1Char('-'))) {
            continue;
        }
        lignes_par_appel[appel].append(ligne);
    }
    QList<QList<int>> groupes;
    for (auto it = lignes_par_appel.cbegin(); it != lignes_par_appel.cend(); ++it) {
        if (it.value().size() > 1) {
            groupes.append(it.value());
        }
    }
    std::sort(groupes.begin(), groupes.end(),
              [](const QList<int>& a, const QList<int>& b) { return a.last() > b.last(); });
    return groupes;
}

void rediger_doubles(const TableJournal& table, const QList<QList<int>>& groupes,
                     SortieLignes& sortie) {
    for (const QList<int>& groupe : groupes) {
        for (int ligne : groupe) {
            sortie.ligne(formater_ligne({
                {table.cellule(col_indicatif, ligne) + QLatin1Char('-'), 12},
                {table.cellule(col_date, ligne), 12},
                {table.cellule(col_heure, ligne), 10},
                {table.cellule(col_bande, ligne), 6},
                {table.cellule(col_points, ligne), 4},
            }));
        }
        sortie.ligne(QString(42, QLatin1Char('-')));
    }
}

} // namespace vorek
