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
    ligne.reserve(nb_colonnes_);
    for (int c = 0; c < nb_colonnes_; ++c) {
        ligne.append(QString());
    }
    return ligne;
}

void TableJournal::vider() {
    beginResetModel();
    nb_colonnes_ = nb_colonnes_journal;
    lignes_ = {entetes_journal(), ligne_vide()};
    largeurs_.clear();
    completer_largeurs(largeurs_, nb_colonnes_);
    endResetModel();
}

void TableJournal::fixer_nb_colonnes(int n) {
    n = std::max(n, 1);
    if (n == nb_colonnes_) {
        return;
    }
    beginResetModel();
    nb_colonnes_ = n;
    for (QStringList& ligne : lignes_) {
        while (ligne.size() < n) {
            ligne.append(QString());
        }
        ligne.resize(n);
    }
    completer_largeurs(largeurs_, n);
    endResetModel();
}

void TableJournal::fixer_nb_lignes(int n) {
    n = std::max(n, 2);
    const int actuel = nb_lignes();
    if (n > actuel) {
        beginInsertRows(QModelIndex(), actuel - 1, n - 2);
        while (lignes_.size() < n) {
            lignes_.append(ligne_vide());
        }
        endInsertRows();
    } else if (n < actuel) {
        beginRemoveRows(QModelIndex(), n - 1, actuel - 2);
        lignes_.resize(n);
        endRemoveRows();
    }
}

QString TableJournal::cellule(int col, int ligne) const {
    if (ligne < 0 || ligne >= nb_lignes() || col < 0 || col >= nb_colonnes_) {
        return QString();
    }
    return lignes_[ligne][col];
}

void TableJournal::fixer_cellule(int col, int ligne, const QString& texte) {
    if (ligne < 0 || ligne >= nb_lignes() || col < 0 || col >= nb_colonnes_ ||
        lignes_[ligne][col] == texte) {
        return;
    }
    lignes_[ligne][col] = texte;
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
        emit dataChanged(index_cellule(0, premiere), index_cellule(nb_colonnes_ - 1, derniere));
    }
}

QStringList TableJournal::ligne(int ligne) const {
    if (ligne < 0 || ligne >= nb_lignes()) {
        return ligne_vide();
    }
    return lignes_[ligne];
}

void TableJournal::fixer_ligne(int ligne, const QStringList& cellules) {
    for (int c = 0; c < nb_colonnes_; ++c) {
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
    lignes_.insert(ligne, ligne_vide());
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
    lignes_.removeAt(ligne);
    endRemoveRows();
}

void TableJournal::remplacer_lignes(const QList<QStringList>& lignes_sans_entete) {
    beginResetModel();
    lignes_.resize(1);
    for (const QStringList& source : lignes_sans_entete) {
        lignes_.append(source);
        // A row of the right width stays shared with the caller's: no copy of its cells.
        if (source.size() != nb_colonnes_) {
            lignes_.last().resize(nb_colonnes_);
        }
    }
    if (lignes_.size() < 2) {
        lignes_.append(ligne_vide());
    }
    endResetModel();
}

void TableJournal::remplacer(int colonnes, const QList<int>& largeurs,
                             const QList<QStringList>& lignes) {
    remplacer(colonnes, largeurs, QList<QStringList>(lignes));
}

void TableJournal::remplacer(int colonnes, const QList<int>& largeurs,
                             QList<QStringList>&& lignes) {
    beginResetModel();
    nb_colonnes_ = std::max(colonnes, 1);
    lignes_ = std::move(lignes);
    for (QStringList& ligne : lignes_) {
        if (ligne.size() != nb_colonnes_) {
            ligne.resize(nb_colonnes_);
        }
    }
    while (lignes_.size() < 2) {
        lignes_.append(ligne_vide());
    }
    largeurs_ = largeurs;
    completer_largeurs(largeurs_, nb_colonnes_);
    endResetModel();
    for (int c = 0; c < nb_colonnes_; ++c) {
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
    return parent.isValid() ? 0 : nb_colonnes_;
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
