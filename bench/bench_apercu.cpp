// One keystroke in the call field with everything the entry does at it (country, member,
// earlier QSOs, points preview, members' partial check) on the shared 10,000-QSO log, beside
// the plain reading that re-reads the files and scans the log, so that the gain reads as a
// ratio; then the same keystroke on a 100,000-QSO log. The fast runs give the median of
// their keystrokes and the memory their indexes took.
#include "lecture_simple_banc.h"

#include "base/horloge.h"
#include "dialogues_scriptes.h"
#include "entry/saisie.h"
#include "rules/score.h"

#include <malloc.h>

#include <algorithm>
#include <chrono>

using namespace vorek;

namespace {

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

void BM_frappe_apercu_lecture_simple(benchmark::State& state) {
    JournalBanc& j = journal_note();
    const QStringList textes = frappes(j.appels);
    qsizetype i = 0;
    for (auto _ : state) {
        frappe_simple(j, textes[i++ % textes.size()]);
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
