#pragma once

#include "table_journal.h"

#include <QString>
#include <QStringList>

namespace vorek {

// One row of the log by its names instead of its column numbers. The conversions from and
// to the table's text row keep every cell as written (blanks, case, any character), the
// row's cell count (logs of fewer or more columns than ten exist) and the cells past the
// notes, so that a file read, viewed and written back is the same file.
struct CellulesQSO {
    QString date;
    QString heure;
    QString indicatif;
    QString bande;
    QString rst_envoye;
    QString rst_recu;
    // The member number, or what a rule wrote in its place.
    QString ztc;
    QString points;
    QString nom;
    // The operator's note, then a rule's remark.
    QString notes;
    // The cells past the notes.
    QStringList suite;
    int nb_cellules = nb_colonnes_journal;

    // The row cut or filled to nb_cellules cells (those missing read empty).
    static CellulesQSO du_texte(const QStringList& cellules, qsizetype nb_cellules);
    static CellulesQSO du_texte(const QStringList& cellules) {
        return du_texte(cellules, cellules.size());
    }
    static CellulesQSO de_la_ligne(const TableJournal& table, int ligne);
    QStringList en_texte() const;
    // Writes the row's cells; only those that differ reach the views.
    void ecrire(TableJournal& table, int ligne) const;

    bool operator==(const CellulesQSO&) const = default;
};

} // namespace vorek
