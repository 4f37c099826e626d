// One keystroke in the call field with everything the entry does at it (country, member,
// earlier QSOs, points preview, members' partial check) on the shared 10,000-QSO log, beside
// the plain reading that re-reads the files and scans the log, so that the gain reads as a
// ratio; then the same keystroke on a 100,000-QSO log. The fast runs give the median of
// their keystrokes and the memory their indexes took.
#include "balayage_simple.h"
#include "journal_banc.h"
#include "score_litteral.h"

#include "base/horloge.h"
#include "dialogues_scriptes.h"
#include "entry/saisie.h"
#include "rules/score.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>
#include <set>

using namespace vorek;

namespace {

const QDate jour_banc(2025, 7, 10);
const QString bande_banc = QStringLiteral("20m");

// Calls typed from their fourth character on, where every look-up runs.
QStringList frappes(const QStringList& appels) {
    QStringList textes;
    for (int i = 0; i < 1500; i += 7) {
        for (qsizetype k = 4; k <= appels[i].size(); ++k) {
            textes.append(appels[i].left(k));
        }
    }
    return textes;
}

// The log scored as a load leaves it: the plain reading trusts the points of the rows above.
JournalBanc& journal_note() {
    JournalBanc& j = journal();
    static const bool note = [&j] {
        const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
        calculer_score(j.etat, referentiel, QString(), annee_banc);
        return true;
    }();
    Q_UNUSED(note);
    return j;
}

size_t memoire_allouee() {
    return mallinfo2().uordblks;
}

void frappe_index(benchmark::State& state, JournalBanc& j) {
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    const HorlogeFixe horloge(QDateTime(jour_banc, QTime(12, 0)));
    DialoguesScriptes dialogues;
    const QStringList textes = frappes(j.appels);
    const size_t avant = memoire_allouee();
    EntreeQSO entree(j.etat, referentiel, horloge, dialogues);
    entree.choisir_bande(int(bandes().indexOf(bande_banc)));
    // The indexes are built at the first keystroke, as in the program.
    entree.Edit_callChange(textes.first());
    benchmark::DoNotOptimize(entree.apercu_QSO());
    benchmark::DoNotOptimize(entree.liste_partielle());
    const double index_mo = double(memoire_allouee() - avant) / 1e6;
    std::vector<double> durees;
    qsizetype i = 0;
    for (auto _ : state) {
        const auto debut = std::chrono::steady_clock::now();
        entree.Edit_callChange(textes[i++ % textes.size()]);
        benchmark::DoNotOptimize(entree.apercu_QSO());
        benchmark::DoNotOptimize(entree.liste_partielle());
        durees.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut)
                .count());
    }
    std::nth_element(durees.begin(), durees.begin() + qsizetype(durees.size() / 2), durees.end());
    state.counters["mediane_us"] = durees[durees.size() / 2];
    state.counters["index_Mo"] = index_mo;
}

void BM_frappe_apercu_index(benchmark::State& state) {
    frappe_index(state, journal_note());
}
BENCHMARK(BM_frappe_apercu_index)->Unit(benchmark::kMicrosecond);

// The members holding the fragment, read from the file, and their marks from a scan of the
// log.
int partiel_simple(const JournalBanc& j, const QString& fragment) {
    QStringList debut;
    QStringList ailleurs;
    for (const QString& ligne : lire_lignes(j.membres)) {
        const QString appel = ligne.section(QLatin1Char(','), 0, 0);
        if (appel.contains(fragment)) {
            (appel.startsWith(fragment) ? debut : ailleurs).append(appel);
        }
    }
    debut.sort();
    ailleurs.sort();
    const QStringList liste = (debut + ailleurs).mid(0, max_partiels);
    const std::set<QString> listes(liste.begin(), liste.end());
    const double jour = vers_jours(jour_banc);
    int marques = 0;
    const TableJournal& table = j.etat.table;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        if (listes.count(cle_membre(table.cellule(col_indicatif, r)))) {
            double d = 0;
            marques += essayer_date(table.cellule(col_date, r), d) && d == jour;
            marques += table.cellule(col_bande, r) == bande_banc;
        }
    }
    return marques + int(liste.size());
}

void BM_frappe_apercu_lecture_simple(benchmark::State& state) {
    JournalBanc& j = journal_note();
    const QStringList textes = frappes(j.appels);
    TableJournal& table = j.etat.table;
    const int libre = j.etat.ligne_suivante;
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& appel = textes[i++ % textes.size()];
        benchmark::DoNotOptimize(balayage::trouver_pays(j.dxcc, appel));
        benchmark::DoNotOptimize(balayage::chercher_membre(j.membres, appel));
        int precedents = 0;
        for (int r = 1; r < table.nb_lignes(); ++r) {
            precedents += table.cellule(col_indicatif, r) == appel ? 1 : 0;
        }
        benchmark::DoNotOptimize(precedents);
        // The row written where the commit would, scored alone against the rows above.
        table.fixer_ligne(libre, {texte_date(vers_jours(jour_banc)), "12:00", appel, bande_banc,
                                  "599", "599", "", "", "", ""});
        benchmark::DoNotOptimize(
            litteral::points_ligne(j.etat, j.dxcc, j.membres, bande_banc, annee_banc, libre));
        table.fixer_ligne(libre, {});
        benchmark::DoNotOptimize(partiel_simple(j, appel));
    }
}
BENCHMARK(BM_frappe_apercu_lecture_simple)->Unit(benchmark::kMicrosecond)->Iterations(50);

void BM_frappe_apercu_100000(benchmark::State& state) {
    static JournalBanc grand(100000);
    frappe_index(state, grand);
}
BENCHMARK(BM_frappe_apercu_100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
