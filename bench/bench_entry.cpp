// On the shared 10,000-QSO log: the keystroke look-up (country, member, earlier QSOs) and
// the commit (write the row, rescore, atomic save), each beside the plain reading of the
// rules that re-reads the files and scans the rows above, so that the gain reads as a ratio.
#include "balayage_simple.h"
#include "journal_banc.h"
#include "score_litteral.h"

#include "base/horloge.h"
#include "dialogues_scriptes.h"
#include "entry/saisie.h"
#include "rules/score.h"

using namespace vorek;

namespace {

// The earlier QSOs of a call, as the entry lists them.
int qso_precedents(const TableJournal& table, const QString& appel) {
    int n = 0;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        n += table.cellule(col_indicatif, r) == appel ? 1 : 0;
    }
    return n;
}

void BM_frappe_index(benchmark::State& state) {
    JournalBanc& j = journal();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    const HorlogeFixe horloge(QDateTime(QDate(2025, 7, 10), QTime(12, 0)));
    DialoguesScriptes dialogues;
    EntreeQSO entree(j.etat, referentiel, horloge, dialogues);
    qsizetype i = 0;
    for (auto _ : state) {
        entree.Edit_callChange(j.appels.at(i++ * 7 % 1500));
        benchmark::DoNotOptimize(entree.Grille_prec.size());
    }
}
BENCHMARK(BM_frappe_index)->Unit(benchmark::kMicrosecond);

void BM_frappe_relecture(benchmark::State& state) {
    JournalBanc& j = journal();
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& appel = j.appels.at(i++ * 7 % 1500);
        benchmark::DoNotOptimize(balayage::trouver_pays(j.dxcc, appel));
        benchmark::DoNotOptimize(balayage::chercher_membre(j.membres, appel));
        benchmark::DoNotOptimize(qso_precedents(j.etat.table, appel));
    }
}
BENCHMARK(BM_frappe_relecture)->Unit(benchmark::kMicrosecond);

// One QSO typed and committed: the row written and the file saved by enregistrer_QSO,
// then the rescoring, fast or plain. The log grows by one row per iteration.
template <typename Rescore> void commit(benchmark::State& state, Rescore rescore) {
    JournalBanc j;
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    const HorlogeFixe horloge(QDateTime(QDate(2025, 8, 31), QTime(12, 0)));
    DialoguesScriptes dialogues;
    EntreeQSO entree(j.etat, referentiel, horloge, dialogues);
    int i = 0;
    for (auto _ : state) {
        entree.Edit_call = j.appels.at(1500 + i++);
        entree.Edit_RSTS = entree.Edit_RSTR = QStringLiteral("599");
        entree.enregistrer_QSO();
        rescore(j, referentiel);
    }
    if (j.etat.ligne_suivante != 10001 + i) {
        state.SkipWithError("commit refused");
    }
}

void BM_commit_lineaire(benchmark::State& state) {
    commit(state, [](JournalBanc& j, const Referentiel& referentiel) {
        calculer_score(j.etat, referentiel, QString(), annee_banc);
    });
}
BENCHMARK(BM_commit_lineaire)->Unit(benchmark::kMillisecond);

void BM_commit_litteral(benchmark::State& state) {
    commit(state, [](JournalBanc& j, const Referentiel&) {
        litteral::calculer_score(j.etat, j.dxcc, j.membres, QString(), annee_banc);
    });
}
BENCHMARK(BM_commit_litteral)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
