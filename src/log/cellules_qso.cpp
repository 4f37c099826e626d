#include "cellules_qso.h"

#include "table_journal.h"

#include <array>

namespace vorek {

namespace {

// The named cells in column order.
template <typename Q> auto champs(Q& q) {
    return std::array{&q.date,     &q.heure, &q.indicatif, &q.bande, &q.rst_envoye,
                      &q.rst_recu, &q.ztc,   &q.points,    &q.nom,   &q.notes};
}

static_assert(col_notes + 1 == nb_colonnes_journal);

} // namespace

CellulesQSO CellulesQSO::du_texte(const QStringList& cellules, qsizetype nb_cellules) {
    CellulesQSO q;
    q.nb_cellules = int(nb_cellules);
    const auto noms = champs(q);
    const qsizetype nommees = std::min<qsizetype>(nb_cellules, qsizetype(noms.size()));
    for (qsizetype col = 0; col < nommees; ++col) {
        *noms[size_t(col)] = cellules.value(col);
    }
    for (qsizetype col = qsizetype(noms.size()); col < nb_cellules; ++col) {
        q.suite.append(cellules.value(col));
    }
    return q;
}

CellulesQSO CellulesQSO::de_la_ligne(const TableJournal& table, int ligne) {
    return du_texte(table.ligne(ligne), table.nb_colonnes());
}

QStringList CellulesQSO::en_texte() const {
    const auto noms = champs(*this);
    const qsizetype nommees = qsizetype(noms.size());
    QStringList cellules;
    cellules.reserve(nb_cellules);
    for (qsizetype col = 0; col < nb_cellules; ++col) {
        cellules.append(col < nommees ? *noms[size_t(col)] : suite.value(col - nommees));
    }
    return cellules;
}

void CellulesQSO::ecrire(TableJournal& table, int ligne) const {
    table.fixer_ligne(ligne, en_texte());
}

} // namespace vorek
