// On the shared 10,000-QSO log: the full rescoring, with and without the member database,
// beside the plain reading of the rules that re-reads the files and scans the rows above,
// so that the gain reads as a ratio.
#include "journal_banc.h"
#include "score_litteral.h"

#include "rules/score.h"

using namespace vorek;

namespace {

void BM_score_lineaire(benchmark::State& state) {
    JournalBanc& j = journal();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculer_score(j.etat, referentiel, QString(), annee_banc));
    }
}
BENCHMARK(BM_score_lineaire)->Unit(benchmark::kMillisecond);

// Without the member database the rows score from the numbers a first pass wrote.
void BM_score_sans_base(benchmark::State& state) {
    JournalBanc& j = journal();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    calculer_score(j.etat, referentiel, QString(), annee_banc);
    const QString ailleurs = j.membres + QStringLiteral(".absent");
    QFile::rename(j.membres, ailleurs);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculer_score(j.etat, referentiel, QString(), annee_banc));
    }
    QFile::rename(ailleurs, j.membres);
}
BENCHMARK(BM_score_sans_base)->Unit(benchmark::kMillisecond);

void BM_score_litteral(benchmark::State& state) {
    JournalBanc& j = journal();
    for (auto _ : state) {
        litteral::calculer_score(j.etat, j.dxcc, j.membres, QString(), annee_banc);
    }
}
BENCHMARK(BM_score_litteral)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
