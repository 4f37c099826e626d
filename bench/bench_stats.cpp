// On the shared 10,000-QSO log, rescored: the statistics the window refreshes at every
// commit, and the check of the Cabrillo report, from its lines and from the file written
// and read back.
#include "journal_banc.h"

#include "reports/cabrillo.h"
#include "rules/score.h"
#include "stats/statistiques.h"
#include "stats/verification.h"

using namespace vorek;

namespace {

JournalBanc& journal_station() {
    JournalBanc& j = journal();
    static const bool note = [&j] {
        Station& s = j.etat.station;
        s.station_call = QStringLiteral("F1AAA");
        s.nom_saisi = QStringLiteral("Jean Banc");
        s.station_adresse1 = QStringLiteral("1 rue du Banc");
        s.station_adresse2 = QStringLiteral("75001 PARIS");
        s.station_nr_club = QStringLiteral("4321");
        s.station_email = QStringLiteral("f1aaa@example.fr");
        calculer_score(j.etat, Referentiel(j.etat.rep_cfg, j.etat.rep_BD), QString(), annee_banc);
        return true;
    }();
    benchmark::DoNotOptimize(note);
    return j;
}

void BM_statistiques(benchmark::State& state) {
    const JournalBanc& j = journal_station();
    const QDateTime maintenant(QDate(2025, 7, 20), QTime(12, 30), Qt::UTC);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculer_statistiques(j.etat, maintenant));
    }
}
BENCHMARK(BM_statistiques)->Unit(benchmark::kMillisecond);

void BM_verification_lignes(benchmark::State& state) {
    const JournalBanc& j = journal_station();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    const QStringList lignes = lignes_cabrillo(j.etat);
    for (auto _ : state) {
        benchmark::DoNotOptimize(
            verifier_lignes_cabrillo(lignes, {j.etat, referentiel, annee_banc}));
    }
}
BENCHMARK(BM_verification_lignes)->Unit(benchmark::kMillisecond);

// As the operator runs it: the report written, read back, checked.
void BM_verification_compte_rendu(benchmark::State& state) {
    JournalBanc& j = journal_station();
    const Referentiel referentiel(j.etat.rep_cfg, j.etat.rep_BD);
    prechauffer(referentiel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(verifier_compte_rendu(j.etat, referentiel, annee_banc));
    }
}
BENCHMARK(BM_verification_compte_rendu)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
