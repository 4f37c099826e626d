// On a 10,000-QSO log with a 5,000-line member file and the real country file: the
// keystroke look-up (country, member, earlier QSOs), the full rescoring and the commit
// (write the row, rescore, atomic save), each beside the plain reading of the rules that
// re-reads the files and scans the rows above, so that the gain reads as a ratio.
#include "balayage_simple.h"
#include "membres_banc.h"
#include "score_litteral.h"

#include "dialogues_scriptes.h"
#include "entry/saisie.h"
#include "entry/score.h"
#include "log/dates.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"
#include "log/fichier_texte.h"
#include "log/horloge.h"
#include "refdata/conversion_pays.h"
#include "refdata/referentiel.h"

#include <QDir>
#include <QFile>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

using namespace vorek;

namespace {

const QString fichier_pays_reel = QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat");
const QString annee = QStringLiteral("2025");

struct Journal {
    QTemporaryDir dossier;
    Etat etat;
    QStringList appels;
    QString dxcc;
    QString membres;

    Journal() {
        etat.fixer_rep_programme(dossier.path());
        for (const QString& rep : {etat.rep_cfg, etat.rep_BD, etat.rep_challenge}) {
            QDir().mkpath(rep);
        }
        QFile::copy(fichier_pays_reel, etat.rep_cfg + QStringLiteral("/cty_wt.dat"));
        convertir_fichier_pays(etat.rep_cfg);
        dxcc = etat.rep_cfg + QStringLiteral("/DXCC.CSV");
        membres = etat.rep_BD + QStringLiteral("/ZTC_mini_2021.csv");
        ecrire_membres();
        const PeriodeConcours periode = periode_concours(QDate(2025, 3, 1));
        etat.debut_concours = periode.debut_concours;
        etat.fin_concours = periode.fin_concours;
        etat.station.station_continent = QStringLiteral("EU");
        etat.fichier_courant = QStringLiteral("BANC.VRK");
        remplir(10000);
    }

    void ecrire_membres() {
        const MembresBanc banc = membres_banc(
            {QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("EA8"), QStringLiteral("ON"),
             QStringLiteral("G"), QStringLiteral("I"), QStringLiteral("JA"), QStringLiteral("W")});
        appels = banc.appels;
        ecrire_lignes(membres, banc.lignes);
    }

    // Members mostly, some non-members and portable forms; about one QSO in ten is a
    // same-day or same-band duplicate.
    void remplir(int n) {
        QRandomGenerator g(2025);
        const QStringList bandes_journal = bandes();
        etat.table.fixer_nb_lignes(n + 2);
        for (int r = 1; r <= n; ++r) {
            QString appel = appels[int(g.bounded(1500))];
            if (g.bounded(10) == 0) {
                appel += QStringLiteral("/P");
            } else if (g.bounded(20) == 0) {
                appel = QStringLiteral("X%1NM").arg(r);
            }
            const QDate jour = QDate(2025, 7, 1).addDays(g.bounded(62));
            etat.table.fixer_ligne(r, {texte_date(vers_jours(jour)),
                                       QStringLiteral("%1:%2")
                                           .arg(g.bounded(24), 2, 10, QLatin1Char('0'))
                                           .arg(g.bounded(60), 2, 10, QLatin1Char('0')),
                                       appel, bandes_journal[int(g.bounded(12))], "599", "599", "",
                                       "", "", ""});
        }
        etat.ligne_suivante = n + 1;
    }
};

Journal& journal() {
    static Journal j;
    return j;
}

// The earlier QSOs of a call, as the entry lists them.
int qso_precedents(const TableJournal& table, const QString& appel) {
    int n = 0;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        n += table.cellule(col_indicatif, r) == appel ? 1 : 0;
    }
    return n;
}

// The indexes are built at the first look-up, as at the program's first keystroke.
void prechauffer(const Referentiel& referentiel) {
    benchmark::DoNotOptimize(referentiel.pays.trouver_pays(QStringLiteral("F5ABC")));
    benchmark::DoNotOptimize(referentiel.membres.chercher_membre(QStringLiteral("F5ABC")));
}

void BM_frappe_index(benchmark::State& state) {
    Journal& j = journal();
    const Referentiel referentiel(j.etat);
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
    Journal& j = journal();
    qsizetype i = 0;
    for (auto _ : state) {
        const QString& appel = j.appels.at(i++ * 7 % 1500);
        benchmark::DoNotOptimize(balayage::trouver_pays(j.dxcc, appel));
        benchmark::DoNotOptimize(balayage::chercher_membre(j.membres, appel));
        benchmark::DoNotOptimize(qso_precedents(j.etat.table, appel));
    }
}
BENCHMARK(BM_frappe_relecture)->Unit(benchmark::kMicrosecond);

void BM_score_lineaire(benchmark::State& state) {
    Journal& j = journal();
    const Referentiel referentiel(j.etat);
    prechauffer(referentiel);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculer_score(j.etat, referentiel, QString(), annee));
    }
}
BENCHMARK(BM_score_lineaire)->Unit(benchmark::kMillisecond);

// Without the member database the rows score from the numbers a first pass wrote.
void BM_score_sans_base(benchmark::State& state) {
    Journal& j = journal();
    const Referentiel referentiel(j.etat);
    calculer_score(j.etat, referentiel, QString(), annee);
    const QString ailleurs = j.membres + QStringLiteral(".absent");
    QFile::rename(j.membres, ailleurs);
    for (auto _ : state) {
        benchmark::DoNotOptimize(calculer_score(j.etat, referentiel, QString(), annee));
    }
    QFile::rename(ailleurs, j.membres);
}
BENCHMARK(BM_score_sans_base)->Unit(benchmark::kMillisecond);

void BM_score_litteral(benchmark::State& state) {
    Journal& j = journal();
    for (auto _ : state) {
        litteral::calculer_score(j.etat, j.dxcc, j.membres, QString(), annee);
    }
}
BENCHMARK(BM_score_litteral)->Unit(benchmark::kMillisecond)->Iterations(1);

// One QSO typed and committed: the row written and the file saved by enregistrer_QSO,
// then the rescoring, fast or plain. The log grows by one row per iteration.
template <typename Rescore> void commit(benchmark::State& state, Rescore rescore) {
    Journal j;
    const Referentiel referentiel(j.etat);
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
    commit(state, [](Journal& j, const Referentiel& referentiel) {
        calculer_score(j.etat, referentiel, QString(), annee);
    });
}
BENCHMARK(BM_commit_lineaire)->Unit(benchmark::kMillisecond);

void BM_commit_litteral(benchmark::State& state) {
    commit(state, [](Journal& j, const Referentiel&) {
        litteral::calculer_score(j.etat, j.dxcc, j.membres, QString(), annee);
    });
}
BENCHMARK(BM_commit_litteral)->Unit(benchmark::kMillisecond)->Iterations(1);

} // namespace

BENCHMARK_MAIN();
