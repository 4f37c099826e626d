#include "table_journal.h"

#include <algorithm>

namespace vorek {

namespace {

// Columns without a width of their own take the design width of their place.
void completer_largeurs(QList<int>& largeurs, int colonnes) {
    colonnes = std::max(colonnes, 0);
    while (largeurs.size() < colonnes) {
        const size_t col = size_t(largeurs.size());
        largeurs.append(col < largeurs_conception.size() ? largeurs_conception[col]
                                                         : largeur_colonne_defaut);
    }
    largeurs.resize(colonnes);
}

} // namespace

QStringList entetes_journal() {
    return {QStringLiteral("      DATE"),  QStringLiteral("  Heure"),
            QStringLiteral("  INDICATIF"), QStringLiteral(" BANDE"),
            QStringLiteral("RST env"),     QStringLiteral("RST Reçu"),
            QStringLiteral("n° ZTC"),      QStringLiteral(" Pts"),
            QStringLiteral("       Nom"),  QStringLiteral("                    NOTES")};
}

TableJournal::TableJournal(QObject* parent) : QAbstractTableModel(parent) {
    vider();
}

QStringList TableJournal::ligne_vide() const {
    QStringList ligne;
    ligne.reserve(nb_colonnes());
    for (int c = 0; c < nb_colonnes(); ++c) {
        ligne.append(QString());
    }
    return ligne;
}

void TableJournal::vider() {
    beginResetModel();
    cellules_ = CellulesJournal(nb_colonnes_journal);
    cellules_.ajouter(entetes_journal());
    cellules_.ajouter({});
    largeurs_.clear();
    completer_largeurs(largeurs_, nb_colonnes());
    endResetModel();
}

void TableJournal::fixer_nb_colonnes(int n) {
    n = std::max(n, 1);
    if (n == nb_colonnes()) {
        return;
    }
    beginResetModel();
    cellules_.changer_colonnes(n);
    completer_largeurs(largeurs_, n);
    endResetModel();
}

void TableJournal::fixer_nb_lignes(int n) {
    n = std::max(n, 2);
    const int actuel = nb_lignes();
    if (n > actuel) {
        beginInsertRows(QModelIndex(), actuel - 1, n - 2);
        cellules_.redimensionner(n);
        endInsertRows();
    } else if (n < actuel) {
        beginRemoveRows(QModelIndex(), n - 1, actuel - 2);
        cellules_.redimensionner(n);
        endRemoveRows();
    }
}

QString TableJournal::cellule(int col, int ligne) const {
    if (ligne < 0 || ligne >= nb_lignes() || col < 0 || col >= nb_colonnes()) {
        return QString();
    }
    return cellules_.cellule(col, ligne);
}

void TableJournal::fixer_cellule(int col, int ligne, const QString& texte) {
    if (ligne < 0 || ligne >= nb_lignes() || col < 0 || col >= nb_colonnes() ||
        !cellules_.fixer(col, ligne, texte)) {
        return;
    }
    annoncer(col, ligne);
}

void TableJournal::annoncer(int col, int ligne) {
    if (ligne == 0) {
        emit headerDataChanged(Qt::Horizontal, col, col);
    } else if (lots_ouverts_ > 0) {
        if (lot_derniere_ < lot_premiere_) {
            lot_premiere_ = lot_derniere_ = ligne;
        } else {
            lot_premiere_ = std::min(lot_premiere_, ligne);
            lot_derniere_ = std::max(lot_derniere_, ligne);
        }
    } else {
        const QModelIndex i = index_cellule(col, ligne);
        emit dataChanged(i, i);
    }
}

void TableJournal::fermer_lot() {
    if (--lots_ouverts_ > 0 || lot_derniere_ < lot_premiere_) {
        return;
    }
    // Rows may have gone since the change; only those still there are announced.
    const int derniere = std::min(lot_derniere_, nb_lignes() - 1);
    const int premiere = lot_premiere_;
    lot_premiere_ = 0;
    lot_derniere_ = -1;
    if (premiere <= derniere) {
        emit dataChanged(index_cellule(0, premiere), index_cellule(nb_colonnes() - 1, derniere));
    }
}

QStringList TableJournal::ligne(int ligne) const {
    if (ligne < 0 || ligne >= nb_lignes()) {
        return ligne_vide();
    }
    return cellules_.ligne(ligne);
}

void TableJournal::fixer_ligne(int ligne, const QStringList& cellules) {
    for (int c = 0; c < nb_colonnes(); ++c) {
        fixer_cellule(c, ligne, c < cellules.size() ? cellules[c] : QString());
    }
}

int TableJournal::largeur(int col) const {
    return col >= 0 && col < largeurs_.size() ? largeurs_[col] : 0;
}

void TableJournal::fixer_largeur(int col, int pixels) {
    if (col < 0 || col >= largeurs_.size() || largeurs_[col] == pixels) {
        return;
    }
    largeurs_[col] = pixels;
    emit largeur_changee(col, pixels);
}

void TableJournal::inserer_ligne(int ligne) {
    ligne = std::clamp(ligne, 1, nb_lignes());
    beginInsertRows(QModelIndex(), ligne - 1, ligne - 1);
    cellules_.inserer_vides(ligne, 1);
    endInsertRows();
}

void TableJournal::supprimer_ligne(int ligne) {
    if (ligne < 1 || ligne >= nb_lignes()) {
        return;
    }
    if (nb_lignes() <= 2) {
        fixer_ligne(ligne, ligne_vide());
        return;
    }
    beginRemoveRows(QModelIndex(), ligne - 1, ligne - 1);
    cellules_.supprimer(ligne);
    endRemoveRows();
}

void TableJournal::remplacer_lignes(const QList<QStringList>& lignes_sans_entete) {
    beginResetModel();
    CellulesJournal cellules(nb_colonnes());
    cellules.reserver(lignes_sans_entete.size() + 1);
    cellules.ajouter(cellules_.ligne(0));
    for (const QStringList& ligne : lignes_sans_entete) {
        cellules.ajouter(ligne);
    }
    if (cellules.size() < 2) {
        cellules.ajouter({});
    }
    cellules_ = std::move(cellules);
    endResetModel();
}

void TableJournal::recomposer_lignes(const std::vector<int>& anciennes,
                                     const CellulesJournal& nouvelles) {
    beginResetModel();
    std::vector<int> lignes{0};
    lignes.reserve(anciennes.size() + 2);
    lignes.insert(lignes.end(), anciennes.begin(), anciennes.end());
    if (lignes.size() + size_t(nouvelles.size()) < 2) {
        lignes.push_back(-1);
    }
    cellules_.recomposer(lignes);
    cellules_.reserver(cellules_.size() + nouvelles.size());
    for (qsizetype ligne = 0; ligne < nouvelles.size(); ++ligne) {
        cellules_.ajouter(nouvelles.ligne(ligne));
    }
    endResetModel();
}

void TableJournal::remplacer(const QList<int>& largeurs, CellulesJournal&& cellules) {
    beginResetModel();
    cellules_ = std::move(cellules);
    if (cellules_.size() < 2) {
        cellules_.redimensionner(2);
    }
    largeurs_ = largeurs;
    completer_largeurs(largeurs_, nb_colonnes());
    endResetModel();
    for (int c = 0; c < nb_colonnes(); ++c) {
        emit largeur_changee(c, largeurs_[c]);
    }
}

int TableJournal::ligne_de(const QModelIndex& index) {
    return index.isValid() ? index.row() + 1 : 0;
}

QModelIndex TableJournal::index_cellule(int col, int ligne) const {
    return index(ligne - 1, col);
}

int TableJournal::rowCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : nb_lignes() - 1;
}

int TableJournal::columnCount(const QModelIndex& parent) const {
    return parent.isValid() ? 0 : nb_colonnes();
}

QVariant TableJournal::data(const QModelIndex& index, int role) const {
    if (!index.isValid() || (role != Qt::DisplayRole && role != Qt::EditRole)) {
        return QVariant();
    }
    return cellule(index.column(), ligne_de(index));
}

bool TableJournal::setData(const QModelIndex& index, const QVariant& value, int role) {
    if (!index.isValid() || role != Qt::EditRole) {
        return false;
    }
    fixer_cellule(index.column(), ligne_de(index), value.toString());
    return true;
}

Qt::ItemFlags TableJournal::flags(const QModelIndex& index) const {
    if (!index.isValid()) {
        return Qt::NoItemFlags;
    }
    return Qt::ItemIsSelectable | Qt::ItemIsEnabled | Qt::ItemIsEditable;
}

QVariant TableJournal::headerData(int section, Qt::Orientation orientation, int role) const {
    if (role != Qt::DisplayRole) {
        return QVariant();
    }
    if (orientation == Qt::Horizontal) {
        return cellule(section, 0);
    }
    return section + 1;
}

} // namespace vorek
