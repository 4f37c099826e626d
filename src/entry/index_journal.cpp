#include "index_journal.h"

#include "base/dates.h"
#include "log/table_journal.h"
#include "refdata/membres.h"

#include <algorithm>

namespace vorek {

namespace {

const std::vector<int> aucune_ligne;
const QString aucune_bande;

void inserer(QHash<QString, std::vector<int>>& index, const QString& cle, int ligne) {
    std::vector<int>& lignes = index[cle];
    lignes.insert(std::lower_bound(lignes.begin(), lignes.end(), ligne), ligne);
}

void enlever(QHash<QString, std::vector<int>>& index, const QString& cle, int ligne) {
    const auto trouve = index.find(cle);
    if (trouve == index.end()) {
        return;
    }
    std::vector<int>& lignes = trouve.value();
    const auto place = std::lower_bound(lignes.begin(), lignes.end(), ligne);
    if (place != lignes.end() && *place == ligne) {
        lignes.erase(place);
    }
    if (lignes.empty()) {
        index.erase(trouve);
    }
}

const std::vector<int>& lignes_de(const QHash<QString, std::vector<int>>& index,
                                  const QString& cle) {
    const auto trouve = index.constFind(cle);
    return trouve == index.cend() ? aucune_ligne : trouve.value();
}

} // namespace

IndexJournal::IndexJournal(const TableJournal& table, QObject* parent)
    : QObject(parent), table_(table) {
    connect(&table, &QAbstractItemModel::dataChanged, this,
            [this](const QModelIndex& haut, const QModelIndex& bas) {
                lignes_changees(haut.row() + 1, bas.row() + 1);
            });
    connect(&table, &QAbstractItemModel::rowsInserted, this,
            [this](const QModelIndex&, int premiere, int derniere) {
                lignes_inserees(premiere + 1, derniere + 1);
            });
    connect(&table, &QAbstractItemModel::rowsRemoved, this,
            [this](const QModelIndex&, int premiere, int) { lignes_retirees(premiere + 1); });
    connect(&table, &QAbstractItemModel::modelReset, this, &IndexJournal::reconstruire);
    connect(&table, &QAbstractItemModel::layoutChanged, this, &IndexJournal::reconstruire);
    connect(&table, &QAbstractItemModel::rowsMoved, this, &IndexJournal::reconstruire);
    reconstruire();
}

const std::vector<int>& IndexJournal::lignes_indicatif(const QString& indicatif) const {
    return lignes_de(par_indicatif_, indicatif);
}

const std::vector<int>& IndexJournal::lignes_membre(const QString& cle) const {
    return lignes_de(par_membre_, cle);
}

std::optional<double> IndexJournal::jour(int ligne) const {
    if (ligne < 1 || size_t(ligne) >= lignes_.size() || !lignes_[size_t(ligne)].jour_lisible) {
        return std::nullopt;
    }
    return lignes_[size_t(ligne)].jour;
}

const QString& IndexJournal::bande(int ligne) const {
    return ligne >= 1 && size_t(ligne) < lignes_.size() ? lignes_[size_t(ligne)].bande
                                                        : aucune_bande;
}

bool IndexJournal::operator==(const IndexJournal& autre) const {
    return lignes_ == autre.lignes_ && par_indicatif_ == autre.par_indicatif_ &&
           par_membre_ == autre.par_membre_;
}

IndexJournal::Ligne IndexJournal::lire(int ligne) const {
    Ligne l;
    l.indicatif = table_.cellule(col_indicatif, ligne);
    l.jour_lisible = essayer_date(table_.cellule(col_date, ligne), l.jour);
    if (!l.indicatif.isEmpty()) {
        l.cle = cle_membre(l.indicatif);
        l.bande = table_.cellule(col_bande, ligne);
    }
    return l;
}

// Rows without a call are listed too: the commit of a call of blanks compares with them.
void IndexJournal::ajouter(int ligne) {
    const Ligne& l = lignes_[size_t(ligne)];
    inserer(par_indicatif_, l.indicatif, ligne);
    if (!l.indicatif.isEmpty()) {
        inserer(par_membre_, l.cle, ligne);
    }
}

void IndexJournal::retirer(int ligne) {
    const Ligne& l = lignes_[size_t(ligne)];
    enlever(par_indicatif_, l.indicatif, ligne);
    if (!l.indicatif.isEmpty()) {
        enlever(par_membre_, l.cle, ligne);
    }
}

void IndexJournal::reconstruire() {
    par_indicatif_.clear();
    par_membre_.clear();
    lignes_.assign(size_t(std::max(table_.nb_lignes(), 1)), Ligne());
    for (int ligne = 1; ligne < table_.nb_lignes(); ++ligne) {
        lignes_[size_t(ligne)] = lire(ligne);
        ajouter(ligne);
    }
}

void IndexJournal::lignes_changees(int premiere, int derniere) {
    derniere = std::min(derniere, int(lignes_.size()) - 1);
    for (int ligne = std::max(premiere, 1); ligne <= derniere; ++ligne) {
        Ligne nouvelle = lire(ligne);
        if (nouvelle == lignes_[size_t(ligne)]) {
            continue;
        }
        retirer(ligne);
        lignes_[size_t(ligne)] = std::move(nouvelle);
        ajouter(ligne);
    }
}

// Rows added at the bottom (the commit's new free row) are read on their own; rows put in
// between renumber those below, and the index is built again.
void IndexJournal::lignes_inserees(int premiere, int derniere) {
    if (size_t(premiere) != lignes_.size()) {
        reconstruire();
        return;
    }
    for (int ligne = premiere; ligne <= derniere; ++ligne) {
        lignes_.push_back(lire(ligne));
        ajouter(ligne);
    }
}

void IndexJournal::lignes_retirees(int premiere) {
    if (size_t(table_.nb_lignes()) != size_t(premiere)) {
        reconstruire();
        return;
    }
    while (lignes_.size() > size_t(premiere)) {
        retirer(int(lignes_.size()) - 1);
        lignes_.pop_back();
    }
}

} // namespace vorek
