#include "tri.h"

#include "ordre_avant_tri.h"

#include "base/dates.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QHash>

#include <algorithm>
#include <numeric>
#include <tuple>
#include <vector>

namespace vorek {

namespace {

// Rows 1 .. row count - 2: everything but the header and the free row at the bottom.
int derniere_ligne_triee(const Etat& etat) {
    return etat.table.nb_lignes() - 2;
}

// Puts the rows in the order given (ordre[k] = old row of new row k + 1) and keeps a
// pending correction on the QSO it was taken from; it ends if that QSO is gone.
void reordonner(Etat& etat, const std::vector<int>& ordre, bool avec_ligne_libre) {
    TableJournal& table = etat.table;
    std::vector<int> lignes = ordre;
    int editee = 0;
    for (size_t k = 0; k < ordre.size(); ++k) {
        if (ordre[k] == etat.ligne_editee) {
            editee = int(k) + 1;
        }
    }
    const int fin = derniere_ligne_triee(etat);
    for (int r = fin + 1; avec_ligne_libre && r < table.nb_lignes(); ++r) {
        lignes.push_back(r);
    }
    if (!avec_ligne_libre) {
        lignes.push_back(-1);
    }
    table.recomposer_lignes(lignes);
    if (etat.fichier_modifie && etat.ligne_editee >= 1 && etat.ligne_editee <= fin) {
        etat.ligne_editee = editee;
        etat.fichier_modifie = editee > 0;
    }
}

} // namespace

QString nom_instantane_tri() {
    return QStringLiteral("temp.txt");
}

void trier_par_indicatif(Etat& etat) {
    // A correction pending stays on its QSO wherever the sort takes it.
    sauver_journal(etat, nom_instantane_tri());
    const int fin = derniere_ligne_triee(etat);
    retenir_ordre_avant_tri(etat, fin);
    if (fin < 2) {
        return;
    }
    // Calls become their ranks in code-unit order, so the exchange sort compares integers.
    std::vector<QString> indicatifs;
    for (int r = 1; r <= fin; ++r) {
        indicatifs.push_back(etat.table.cellule(col_indicatif, r));
    }
    std::vector<QString> distincts = indicatifs;
    std::sort(distincts.begin(), distincts.end());
    distincts.erase(std::unique(distincts.begin(), distincts.end()), distincts.end());
    QHash<QString, int> rang;
    for (size_t k = 0; k < distincts.size(); ++k) {
        rang.insert(distincts[k], int(k));
    }
    std::vector<int> cle(indicatifs.size());
    std::vector<int> ordre(indicatifs.size());
    for (size_t k = 0; k < indicatifs.size(); ++k) {
        cle[k] = rang.value(indicatifs[k]);
        ordre[k] = int(k) + 1;
    }
    for (size_t i = 0; i < cle.size(); ++i) {
        for (size_t j = i + 1; j < cle.size(); ++j) {
            if (cle[j] < cle[i]) {
                std::swap(cle[i], cle[j]);
                std::swap(ordre[i], ordre[j]);
            }
        }
    }
    reordonner(etat, ordre, true);
}

void trier_par_date(Etat& etat) {
    const int fin = derniere_ligne_triee(etat);
    struct Cle {
        bool illisible;
        double moment;
        int rang;
        bool operator<(const Cle& autre) const {
            return std::tie(illisible, moment, rang) <
                   std::tie(autre.illisible, autre.moment, autre.rang);
        }
    };
    const std::vector<int> rangs = rangs_avant_tri(etat, fin);
    std::vector<Cle> cles(size_t(std::max(fin, 0)));
    std::vector<int> ordre(cles.size());
    for (int r = 1; r <= fin; ++r) {
        double jour = 0;
        double heure = 0;
        const bool lisible = essayer_date(etat.table.cellule(col_date, r), jour);
        essayer_heure(etat.table.cellule(col_heure, r), heure);
        cles[size_t(r - 1)] = {!lisible, jour + heure, rangs[size_t(r - 1)]};
        ordre[size_t(r - 1)] = r;
    }
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int a, int b) { return cles[size_t(a - 1)] < cles[size_t(b - 1)]; });
    reordonner(etat, ordre, true);
    etat.ordre_avant_tri.clear();
}

int extraire_membres(Etat& etat) {
    const int fin = derniere_ligne_triee(etat);
    std::vector<int> gardees;
    for (int r = 1; r <= fin; ++r) {
        if (etat.table.cellule(col_ztc, r) != QStringLiteral("NM")) {
            gardees.push_back(r);
        }
    }
    reordonner(etat, gardees, false);
    etat.ligne_suivante = int(gardees.size()) + 1;
    return compter_QSO(etat.table);
}

} // namespace vorek
