// On the shared 10,000-QSO log: the full rescoring from the top, with and without the member
// database, beside the plain reading of the rules that re-reads the files and scans the
// rows above, so that the gain reads as a ratio; then the rescoring after one change (a QSO
// committed at the end, a row corrected, inserted or deleted in the middle) from the
// memory the last rescoring left, on 10,000 and 100,000 QSOs.
#include "journal_banc.h"
#include "score_litteral.h"

#include "rules/score.h"
#include "rules/score_suivi.h"

using namespace vorek;

namespace {

void BM_score_lineaire(benchmark::State& state) {
    JournalBanc& j = journal();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    for (auto _ : state) {
        SuiviTable::de(j.etat.table).oublier();
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
        SuiviTable::de(j.etat.table).oublier();
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

enum class Changement { commit, correction, insertion, suppression };

// One change, then the rescoring. The log keeps its size but for the commits.
void changer(JournalBanc& j, Changement changement, int i) {
    TableJournal& table = j.etat.table;
    const int milieu = table.nb_lignes() / 2;
    const QStringList qso{texte_date(vers_jours(QDate(2025, 7, 14))),
                          "10:00",
                          j.appels[(i * 7) % 5000],
                          "20m",
                          "599",
                          "599",
                          "",
                          "",
                          "",
                          ""};
    switch (changement) {
    case Changement::commit: {
        const int ligne = j.etat.ligne_suivante++;
        table.fixer_nb_lignes(ligne + 2);
        table.fixer_ligne(ligne, qso);
        break;
    }
    case Changement::correction:
        table.fixer_ligne(milieu, qso);
        break;
    case Changement::insertion:
        table.inserer_ligne(milieu);
        table.fixer_ligne(milieu, qso);
        break;
    case Changement::suppression:
        table.supprimer_ligne(milieu);
        break;
    }
}

void apres_changement(benchmark::State& state, Changement changement) {
    static std::unique_ptr<JournalBanc> journal;
    if (!journal || journal->etat.table.nb_lignes() < state.range(0)) {
        journal.reset();
        journal = std::make_unique<JournalBanc>(int(state.range(0)));
    }
    JournalBanc& j = *journal;
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    calculer_score(j.etat, referentiel, QString(), annee_banc);
    int i = 0;
    // The change itself counts: the memory follows the table as it changes.
    for (auto _ : state) {
        changer(j, changement, i++);
        benchmark::DoNotOptimize(calculer_score(j.etat, referentiel, QString(), annee_banc));
    }
}

void BM_score_apres_commit(benchmark::State& state) {
    apres_changement(state, Changement::commit);
}
BENCHMARK(BM_score_apres_commit)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_score_apres_correction(benchmark::State& state) {
    apres_changement(state, Changement::correction);
}
BENCHMARK(BM_score_apres_correction)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_score_apres_insertion(benchmark::State& state) {
    apres_changement(state, Changement::insertion);
}
BENCHMARK(BM_score_apres_insertion)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

void BM_score_apres_suppression(benchmark::State& state) {
    apres_changement(state, Changement::suppression);
}
BENCHMARK(BM_score_apres_suppression)->Arg(10000)->Arg(100000)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
