#include "cellules_journal.h"

#include <algorithm>

namespace vorek {

CellulesJournal::CellulesJournal(int colonnes)
    : colonnes_(std::max(colonnes, 1)), textes_(1), usages_(1) {}

QStringList CellulesJournal::ligne(qsizetype ligne) const {
    QStringList cellules;
    cellules.reserve(colonnes_);
    for (int col = 0; col < colonnes_; ++col) {
        cellules.append(cellule(col, ligne));
    }
    return cellules;
}

QList<QStringList> CellulesJournal::en_listes() const {
    QList<QStringList> lignes;
    lignes.reserve(size());
    for (qsizetype l = 0; l < size(); ++l) {
        lignes.append(ligne(l));
    }
    return lignes;
}

quint32 CellulesJournal::retenir(const QString& texte) {
    if (texte.isEmpty()) {
        return 0;
    }
    const auto trouve = index_.constFind(texte);
    if (trouve != index_.cend()) {
        ++usages_[*trouve];
        return *trouve;
    }
    quint32 numero;
    if (!libres_.empty()) {
        numero = libres_.back();
        libres_.pop_back();
        textes_[numero] = texte;
        usages_[numero] = 1;
    } else {
        numero = quint32(textes_.size());
        textes_.push_back(texte);
        usages_.push_back(1);
    }
    index_.insert(texte, numero);
    return numero;
}

void CellulesJournal::lacher(quint32 numero) {
    if (numero == 0 || --usages_[numero] > 0) {
        return;
    }
    index_.remove(textes_[numero]);
    textes_[numero] = QString();
    libres_.push_back(numero);
}

bool CellulesJournal::fixer(int col, qsizetype ligne, const QString& texte) {
    quint32& cellule = cellules_[size_t(ligne * colonnes_ + col)];
    if (textes_[cellule] == texte) {
        return false;
    }
    const quint32 ancien = cellule;
    cellule = retenir(texte);
    lacher(ancien);
    return true;
}

void CellulesJournal::ajouter(const QStringList& cellules) {
    for (int col = 0; col < colonnes_; ++col) {
        cellules_.push_back(col < cellules.size() ? retenir(cellules[col]) : 0);
    }
}

void CellulesJournal::inserer_vides(qsizetype ligne, qsizetype n) {
    cellules_.insert(cellules_.begin() + ligne * colonnes_, size_t(n * colonnes_), 0);
}

void CellulesJournal::supprimer(qsizetype ligne) {
    const auto debut = cellules_.begin() + ligne * colonnes_;
    std::for_each(debut, debut + colonnes_, [this](quint32 numero) { lacher(numero); });
    cellules_.erase(debut, debut + colonnes_);
}

void CellulesJournal::redimensionner(qsizetype lignes) {
    const size_t fin = size_t(lignes * colonnes_);
    for (size_t i = fin; i < cellules_.size(); ++i) {
        lacher(cellules_[i]);
    }
    cellules_.resize(fin, 0);
}

void CellulesJournal::recomposer(const std::vector<int>& anciennes) {
    std::vector<quint32> cellules;
    cellules.reserve(anciennes.size() * size_t(colonnes_));
    for (const int ancienne : anciennes) {
        for (int col = 0; col < colonnes_; ++col) {
            const quint32 numero =
                ancienne < 0 ? 0 : cellules_[size_t(qsizetype(ancienne) * colonnes_ + col)];
            usages_[numero] += numero == 0 ? 0 : 1;
            cellules.push_back(numero);
        }
    }
    for (const quint32 numero : cellules_) {
        lacher(numero);
    }
    cellules_ = std::move(cellules);
}

void CellulesJournal::changer_colonnes(int n) {
    n = std::max(n, 1);
    if (n == colonnes_) {
        return;
    }
    std::vector<quint32> cellules;
    cellules.reserve(size_t(size() * n));
    for (qsizetype ligne = 0; ligne < size(); ++ligne) {
        for (int col = 0; col < std::max(n, colonnes_); ++col) {
            const quint32 numero = col < colonnes_ ? cellules_[size_t(ligne * colonnes_ + col)] : 0;
            if (col < n) {
                cellules.push_back(numero);
            } else {
                lacher(numero);
            }
        }
    }
    cellules_ = std::move(cellules);
    colonnes_ = n;
}

void CellulesJournal::reserver(qsizetype lignes) {
    cellules_.reserve(size_t(lignes * colonnes_));
}

} // namespace vorek
