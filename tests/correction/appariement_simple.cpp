#include "appariement_simple.h"

#include "refdata/pays.h"
#include "rules/bandes.h"

#include <algorithm>
#include <tuple>

using namespace vorek;

std::vector<qint32> apparier_simplement(const std::vector<CompteRendu>& comptes_rendus,
                                        const Dictionnaire& dictionnaire, int tolerance) {
    std::vector<qint32> premiers;
    qint32 total = 0;
    for (const CompteRendu& cr : comptes_rendus) {
        premiers.push_back(total);
        total += qint32(cr.qsos.size());
    }
    std::vector<qint32> partenaires(size_t(total), -1);
    // A station's lines with the other's base call on a band, in time order (then file order).
    const auto lignes = [&](size_t s, size_t autre, int bande) {
        const QString base = indicatif_de_base(comptes_rendus[autre].indicatif);
        std::vector<qint32> liste;
        for (size_t i = 0; i < comptes_rendus[s].qsos.size(); ++i) {
            const QsoCabrillo& q = comptes_rendus[s].qsos[i];
            if (q.bande == bande && indicatif_de_base(dictionnaire.texte(q.indicatif)) == base) {
                liste.push_back(premiers[s] + qint32(i));
            }
        }
        std::stable_sort(liste.begin(), liste.end(), [&](qint32 x, qint32 y) {
            return comptes_rendus[s].qsos[size_t(x - premiers[s])].minute <
                   comptes_rendus[s].qsos[size_t(y - premiers[s])].minute;
        });
        return liste;
    };
    const auto minute = [&](size_t s, qint32 g) {
        return comptes_rendus[s].qsos[size_t(g - premiers[s])].minute;
    };
    for (size_t a = 0; a < comptes_rendus.size(); ++a) {
        for (size_t b = a + 1; b < comptes_rendus.size(); ++b) {
            for (int bande = 0; bande < int(table_bandes().size()); ++bande) {
                const std::vector<qint32> cote_a = lignes(a, b, bande);
                const std::vector<qint32> cote_b = lignes(b, a, bande);
                std::vector<std::tuple<qint64, size_t, size_t>> couples;
                for (size_t i = 0; i < cote_a.size(); ++i) {
                    for (size_t j = 0; j < cote_b.size(); ++j) {
                        const qint64 ecart = std::abs(minute(a, cote_a[i]) - minute(b, cote_b[j]));
                        if (ecart <= tolerance) {
                            couples.emplace_back(ecart, i, j);
                        }
                    }
                }
                std::sort(couples.begin(), couples.end());
                for (const auto& [ecart, i, j] : couples) {
                    if (partenaires[size_t(cote_a[i])] < 0 && partenaires[size_t(cote_b[j])] < 0) {
                        partenaires[size_t(cote_a[i])] = cote_b[j];
                        partenaires[size_t(cote_b[j])] = cote_a[i];
                    }
                }
            }
        }
    }
    return partenaires;
}
