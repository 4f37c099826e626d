// 50 reports of 500 QSOs: the cross-check indexed by base call and band beside the plain
// scan of every pair of reports, then the ratio of their times.
#include "appariement_simple.h"
#include "concours_synthetique.h"

#include "correction/correction.h"
#include "correction/recoupement.h"

#include <QCoreApplication>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <cstdio>
#include <map>

using namespace vorek;
using namespace essai_correction;

namespace {

struct Pile {
    QTemporaryDir dossier;
    Dictionnaire dictionnaire;
    DossierLu lu;

    Pile() {
        // 50 stations, 12 bands: a density of 0.85 gives about 500 QSOs a report.
        const ConcoursSynthetique concours = generer_concours({11, 50, 0.85, 400, true});
        const QString cr = dossier.filePath(QStringLiteral("cr"));
        ecrire_concours(concours, cr, dossier.filePath(QStringLiteral("membres.csv")));
        OptionsCorrection options;
        options.dossier = cr;
        lu = lire_comptes_rendus(options, dictionnaire);
    }
};

Pile& pile() {
    static Pile p;
    return p;
}

void BM_recoupement_indexe(benchmark::State& state) {
    Pile& p = pile();
    qint64 qso = 0;
    for (const CompteRendu& cr : p.lu.comptes_rendus) {
        qso += qint64(cr.qsos.size());
    }
    for (auto _ : state) {
        Recoupement r(p.lu.comptes_rendus, p.dictionnaire, 5, [](const QString&) { return true; });
        benchmark::DoNotOptimize(r.executer({}, nullptr));
    }
    state.counters["qso"] = double(qso);
}
BENCHMARK(BM_recoupement_indexe)->Unit(benchmark::kMillisecond);

void BM_balayage_par_paires(benchmark::State& state) {
    Pile& p = pile();
    for (auto _ : state) {
        benchmark::DoNotOptimize(apparier_simplement(p.lu.comptes_rendus, p.dictionnaire, 5));
    }
}
BENCHMARK(BM_balayage_par_paires)->Unit(benchmark::kMillisecond)->Iterations(1);

// Keeps each benchmark's time per iteration, to print their ratio at the end.
class Rapporteur : public benchmark::ConsoleReporter {
  public:
    void ReportRuns(const std::vector<Run>& runs) override {
        for (const Run& run : runs) {
            temps[run.benchmark_name()] = run.GetAdjustedRealTime();
        }
        ConsoleReporter::ReportRuns(runs);
    }
    std::map<std::string, double> temps;
};

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    Rapporteur rapporteur;
    benchmark::RunSpecifiedBenchmarks(&rapporteur);
    const auto indexe = rapporteur.temps.find("BM_recoupement_indexe");
    const auto simple = rapporteur.temps.find("BM_balayage_par_paires/iterations:1");
    if (indexe != rapporteur.temps.end() && simple != rapporteur.temps.end() &&
        indexe->second > 0) {
        std::printf("balayage par paires / recoupement indexé : %.1f\n",
                    simple->second / indexe->second);
    }
    benchmark::Shutdown();
    return 0;
}
