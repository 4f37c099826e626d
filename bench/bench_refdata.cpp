// Conversion of the real country file, and the keystroke look-up (country + member against
// a 5,000-line member file): the indexed look-ups and the plain re-reading of the files,
// in one run so that the gain reads as a ratio.
#include "balayage_simple.h"
#include "membres_banc.h"

#include "base/fichier_texte.h"
#include "refdata/conversion_pays.h"
#include "refdata/membres.h"
#include "refdata/pays.h"

#include <QFile>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vorek;

namespace {

const QString fichier_pays_reel = QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat");

struct Dossier {
    QTemporaryDir dossier;
    QString dxcc = dossier.filePath(QStringLiteral("DXCC.CSV"));
    QString membres = dossier.filePath(QStringLiteral("ZTC_mini_2021.csv"));
    QStringList appels;

    Dossier() {
        QFile::copy(fichier_pays_reel, dossier.filePath(QStringLiteral("cty_wt.dat")));
        convertir_fichier_pays(dossier.path());
        const MembresBanc banc =
            membres_banc({QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("EA8"),
                          QStringLiteral("KH6"), QStringLiteral("4X"), QStringLiteral("VK"),
                          QStringLiteral("JA"), QStringLiteral("W")});
        for (int i = 0; i < banc.appels.size(); i += 500) {
            appels << banc.appels[i] << banc.appels[i] + QStringLiteral("/P");
        }
        appels << QStringLiteral("ZZ9ZZ") << QStringLiteral("F5ABC");
        ecrire_lignes(membres, banc.lignes);
    }
};

void BM_conversion_fichier_pays(benchmark::State& state) {
    QTemporaryDir dossier;
    QFile::copy(fichier_pays_reel, dossier.filePath(QStringLiteral("cty_wt.dat")));
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertir_fichier_pays(dossier.path()));
    }
}
BENCHMARK(BM_conversion_fichier_pays)->Unit(benchmark::kMillisecond);

// Damaged country files of growing size: one without any ";" (a record that never ends)
// and one whose entity name runs over the whole file. Both must grow linearly.
QStringList fichier_abime(qsizetype octets, bool sans_point_virgule) {
    QStringList lignes{QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
                       QStringLiteral("#"), QStringLiteral("# ADIF 999")};
    const QString suite = sans_point_virgule ? QStringLiteral("    AL1,AL2(14),AL3[27],=AL1XYZ,")
                                             : QStringLiteral("NomNomNomNomNomNomNomNomNomNom");
    for (qsizetype taille = 0; taille < octets; taille += suite.size() + 2) {
        lignes << suite;
    }
    if (!sans_point_virgule) {
        lignes << QStringLiteral(": 14: 27: EU: 50.00: -10.00: -1.0: AL1:")
               << QStringLiteral("    ") + QStringLiteral("A,").repeated(1000) + QLatin1Char(';');
    }
    return lignes;
}

void BM_conversion_fichier_abime(benchmark::State& state) {
    const QStringList lignes = fichier_abime(state.range(0), state.range(1) != 0);
    for (auto _ : state) {
        benchmark::DoNotOptimize(convertir_lignes_pays(lignes));
    }
    state.SetComplexityN(state.range(0));
}
BENCHMARK(BM_conversion_fichier_abime)
    ->ArgsProduct({benchmark::CreateRange(75000, 600000, 2), {1}})
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_conversion_fichier_abime)
    ->ArgsProduct({benchmark::CreateRange(75000, 600000, 2), {0}})
    ->Complexity(benchmark::oN)
    ->Unit(benchmark::kMillisecond);

void BM_frappe_index(benchmark::State& state) {
    const Dossier d;
    const DonneesPays pays(d.dxcc);
    const BaseMembres membres(d.membres);
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& appel = d.appels.at(i++ % d.appels.size());
        benchmark::DoNotOptimize(pays.trouver_pays(appel));
        benchmark::DoNotOptimize(membres.chercher_membre(appel));
    }
}
BENCHMARK(BM_frappe_index)->Unit(benchmark::kMicrosecond);

void BM_frappe_relecture(benchmark::State& state) {
    const Dossier d;
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& appel = d.appels.at(i++ % d.appels.size());
        benchmark::DoNotOptimize(balayage::trouver_pays(d.dxcc, appel));
        benchmark::DoNotOptimize(balayage::chercher_membre(d.membres, appel));
    }
}
BENCHMARK(BM_frappe_relecture)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
