// Load and atomic save of a 10,000-QSO challenge file.
#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QDir>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vorek;

namespace {

void remplir(Etat& etat, int n) {
    etat.table.fixer_nb_lignes(n + 2);
    for (int r = 1; r <= n; ++r) {
        etat.table.fixer_ligne(
            r, {QStringLiteral("%1/07/2025").arg(r % 28 + 1, 2, 10, QLatin1Char('0')),
                QStringLiteral("12:34"), QStringLiteral("F%1XYZ").arg(r), QStringLiteral("40m"),
                QStringLiteral("599"), QStringLiteral("599"), QString::number(r % 3000),
                QStringLiteral("4"), QStringLiteral("Opérateur"), QString()});
    }
    etat.ligne_suivante = n + 1;
}

struct Journal {
    QTemporaryDir dossier;
    Etat etat;
    Journal() {
        etat.fixer_rep_programme(dossier.path());
        QDir().mkpath(etat.rep_challenge);
        remplir(etat, 10000);
        sauver_fichier(etat, QStringLiteral("ETE.VRK"));
    }
};

void BM_chargement_10000_QSO(benchmark::State& state) {
    Journal journal;
    Etat relu;
    relu.fixer_rep_programme(journal.dossier.path());
    for (auto _ : state) {
        charger_fichier(relu, QStringLiteral("ETE.VRK"));
        benchmark::DoNotOptimize(relu.ligne_suivante);
    }
}
BENCHMARK(BM_chargement_10000_QSO)->Unit(benchmark::kMillisecond);

void BM_sauvegarde_atomique_10000_QSO(benchmark::State& state) {
    Journal journal;
    for (auto _ : state) {
        sauver_fichier(journal.etat, QStringLiteral("ETE.VRK"));
    }
}
BENCHMARK(BM_sauvegarde_atomique_10000_QSO)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
