#include "ordre_avant_tri.h"

#include "log/etat.h"

#include <QHash>

#include <algorithm>
#include <limits>
#include <numeric>

namespace vorek {

namespace {

QString ligne_entiere(const QStringList& cellules) {
    return cellules.join(QLatin1Char('\n'));
}

// The cells logged, not those the rescoring rewrites (member number, points, remarks):
// a row rescored between the two sorts is still found by them.
QString cellules_saisies(const QStringList& cellules) {
    QString cle;
    for (const int col :
         {col_date, col_heure, col_indicatif, col_bande, col_rst_env, col_rst_recu}) {
        cle += cellules.value(col) + QLatin1Char('\n');
    }
    return cle;
}

// The places of the kept order by text; equal texts take them in turn.
class Places {
  public:
    void ajouter(const QString& texte, int place) { listes_[texte].places.push_back(place); }

    // The first place of this text not yet taken, or -1.
    int prendre(const QString& texte, std::vector<bool>& prises) {
        const auto liste = listes_.find(texte);
        if (liste == listes_.end()) {
            return -1;
        }
        Liste& l = *liste;
        while (l.suivante < l.places.size() && prises[size_t(l.places[l.suivante])]) {
            ++l.suivante;
        }
        if (l.suivante == l.places.size()) {
            return -1;
        }
        const int place = l.places[l.suivante++];
        prises[size_t(place)] = true;
        return place;
    }

  private:
    struct Liste {
        std::vector<int> places;
        size_t suivante = 0;
    };
    QHash<QString, Liste> listes_;
};

} // namespace

// Whole rows first, so that two QSOs logged alike keep their own places; then the cells
// logged alone, for rows rescored since.
std::vector<int> rangs_avant_tri(const Etat& etat, int fin) {
    const QList<QStringList>& avant = etat.ordre_avant_tri;
    Places entieres;
    Places saisies;
    for (int k = 0; k < int(avant.size()); ++k) {
        entieres.ajouter(ligne_entiere(avant[k]), k);
        saisies.ajouter(cellules_saisies(avant[k]), k);
    }
    std::vector<bool> prises(size_t(avant.size()), false);
    std::vector<int> rangs(size_t(std::max(fin, 0)), -1);
    for (int r = 1; r <= fin; ++r) {
        rangs[size_t(r - 1)] = entieres.prendre(ligne_entiere(etat.table.ligne(r)), prises);
    }
    for (int r = 1; r <= fin; ++r) {
        int& rang = rangs[size_t(r - 1)];
        if (rang < 0) {
            rang = saisies.prendre(cellules_saisies(etat.table.ligne(r)), prises);
        }
        if (rang < 0) {
            rang = std::numeric_limits<int>::max();
        }
    }
    return rangs;
}

void retenir_ordre_avant_tri(Etat& etat, int fin) {
    const std::vector<int> rangs = rangs_avant_tri(etat, fin);
    std::vector<int> ordre(rangs.size());
    std::iota(ordre.begin(), ordre.end(), 1);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int a, int b) { return rangs[size_t(a - 1)] < rangs[size_t(b - 1)]; });
    QList<QStringList> lignes;
    lignes.reserve(qsizetype(ordre.size()));
    for (const int r : ordre) {
        lignes.append(etat.table.ligne(r));
    }
    etat.ordre_avant_tri = lignes;
}

} // namespace vorek
