#include "score_suivi.h"

#include "log/etat.h"
#include "refdata/referentiel.h"

namespace vorek {

namespace {

// Whether two states of a row weigh the same for the rows below it. A row with a call
// scores anew from its date, time, call and band (and its own number without the
// database); a row without one counts by the cells it keeps.
bool meme_poids(const CellulesQSO& a, const CellulesQSO& b, bool base_absente) {
    if (a.indicatif != b.indicatif) {
        return false;
    }
    if (a.indicatif.isEmpty()) {
        return a.bande == b.bande && a.ztc == b.ztc && a.points == b.points;
    }
    return a.date == b.date && a.heure == b.heure && a.bande == b.bande &&
           (!base_absente || a.ztc == b.ztc);
}

} // namespace

ScoreSuivi::ScoreSuivi(const Etat& etat, const Referentiel& referentiel, QObject* parent)
    : QObject(parent), etat_(etat), referentiel_(referentiel) {
    const TableJournal* table = &etat.table;
    // The model's rows are the log's rows 1.. shifted by one.
    connect(table, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& haut, const QModelIndex& bas) {
                lignes_changees(haut.row() + 1, bas.row() + 1);
            });
    connect(table, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int premiere, int) { lignes_deplacees(premiere + 1); });
    connect(table, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int premiere, int) { lignes_deplacees(premiere + 1); });
    connect(table, &QAbstractItemModel::modelReset, this, &ScoreSuivi::oublier);
    connect(table, &QAbstractItemModel::layoutChanged, this, &ScoreSuivi::oublier);
    connect(table, &QAbstractItemModel::rowsMoved, this, &ScoreSuivi::oublier);
    connect(table, &QAbstractItemModel::columnsInserted, this, &ScoreSuivi::oublier);
    connect(table, &QAbstractItemModel::columnsRemoved, this, &ScoreSuivi::oublier);
}

ScoreSuivi::~ScoreSuivi() = default;

void ScoreSuivi::oublier() {
    memoire_.reset();
    retenues_.clear();
}

void ScoreSuivi::lignes_changees(int premiere, int derniere) {
    if (!memoire_) {
        return;
    }
    const bool base_absente = memoire_->conditions().base_absente;
    const int fin = std::min(derniere, int(retenues_.size()));
    for (int ligne = std::max(premiere, 1); ligne <= fin; ++ligne) {
        if (!meme_poids(retenues_[size_t(ligne - 1)], CellulesQSO::de_la_ligne(etat_.table, ligne),
                        base_absente)) {
            oublier();
            return;
        }
    }
}

// Rows inserted or removed at ligne renumber every row below: what was remembered from
// there on no longer names its rows.
void ScoreSuivi::lignes_deplacees(int premiere) {
    if (premiere <= int(retenues_.size())) {
        oublier();
    }
}

// The memory of rows 1..jusqu_a under these conditions: the one kept when it still holds,
// grown row by row; otherwise one started again from the top.
MemoireScore& ScoreSuivi::memoire(const ConditionsScore& conditions, int jusqu_a) {
    const std::pair<quint64, quint64> versions{version_membres_, referentiel_.pays.version()};
    if (memoire_) {
        const ConditionsScore& tenues = memoire_->conditions();
        ConditionsScore autres = tenues;
        autres.bande_selectionnee = conditions.bande_selectionnee;
        // The entry's band weighs only on rows that took their points from it.
        const bool bande = tenues.bande_selectionnee == conditions.bande_selectionnee ||
                           !memoire_->bande_selectionnee_lue();
        if (autres == conditions && bande && versions == versions_memoire_ &&
            memoire_->derniere_ligne() <= jusqu_a) {
            memoire_->changer_bande_selectionnee(conditions.bande_selectionnee);
        } else {
            oublier();
        }
    }
    if (!memoire_) {
        memoire_ = std::make_unique<MemoireScore>(etat_.table, referentiel_, conditions);
        versions_memoire_ = versions;
    }
    while (memoire_->derniere_ligne() < jusqu_a) {
        memoire_->noter_suivante();
        retenues_.push_back(CellulesQSO::de_la_ligne(etat_.table, memoire_->derniere_ligne()));
    }
    return *memoire_;
}

Verdict ScoreSuivi::apercu(const CellulesQSO& qso, int ligne, const QString& bande_selectionnee) {
    // Whether the database is there changes only with the file read.
    const quint64 version = referentiel_.membres.version();
    if (version != version_membres_) {
        version_membres_ = version;
        base_presente_ = referentiel_.membres.presente();
    }
    const ConditionsScore conditions = conditions_score(etat_, bande_selectionnee, !base_presente_);
    // Rows past the table's end read empty, as the commit adds them.
    return memoire(conditions, std::max(ligne - 1, 0)).juger(qso);
}

int ScoreSuivi::lignes_retenues() const {
    return int(retenues_.size());
}

CellulesQSO cellules_lues(const TableJournal& table, const QStringList& ligne) {
    const auto cellule = [&](int col) {
        return col < table.nb_colonnes() ? ligne.value(col) : QString();
    };
    return {cellule(col_date),  cellule(col_heure), cellule(col_indicatif),
            cellule(col_bande), cellule(col_ztc),   cellule(col_points)};
}

} // namespace vorek
