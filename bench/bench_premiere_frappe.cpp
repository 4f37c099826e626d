// The first keystroke in the call field after what changes the log or its reference files:
// a commit, a load, an insertion in the middle, the sort by call (the event loop idle once
// before the keystroke, as after a click), a member database replaced on disk (with and
// without idle time before the keystroke). Each on a
// 10,000- and a 100,000-QSO log, timed from the keystroke until the look-ups, the preview
// and the partial check are known, as median and 95th percentile.
#include "journal_banc.h"
#include "lecture_simple_banc.h"

#include "base/horloge.h"
#include "dialogues_scriptes.h"
#include "entry/chargement.h"
#include "entry/saisie.h"
#include "log/fichier_challenge.h"
#include "logedit/tri.h"

#include <QCoreApplication>

#include <algorithm>
#include <chrono>
#include <map>
#include <memory>

using namespace vorek;

namespace {

using Horloge = std::chrono::steady_clock;

double centile(std::vector<double> durees, double part) {
    const auto rang = std::min(durees.size() - 1, size_t(part * double(durees.size())));
    std::nth_element(durees.begin(), durees.begin() + qsizetype(rang), durees.end());
    return durees[rang];
}

// The log as the entry holds it, loaded from its file and scored.
struct Saisie {
    explicit Saisie(int qso)
        : journal(qso), referentiel(journal.etat.rep_cfg, journal.etat.rep_BD),
          horloge(QDateTime(jour_banc, QTime(12, 0))),
          entree(journal.etat, referentiel, horloge, dialogues) {
        fichier = journal.etat.rep_challenge + QStringLiteral("/BANC.VRK");
        journal.etat.fichier_courant = fichier;
        sauver_fichier(journal.etat, fichier);
        entree.choisir_bande(int(bandes().indexOf(bande_banc)));
        charger();
        textes = frappes(journal.appels);
    }

    void charger() { charger_fichier(journal.etat, fichier, actions_chargement(entree)); }

    // One keystroke: the call field's change, then what the window shows of it.
    double taper() {
        const auto debut = Horloge::now();
        entree.Edit_callChange(textes[i++ % textes.size()]);
        benchmark::DoNotOptimize(entree.apercu_QSO());
        benchmark::DoNotOptimize(entree.liste_partielle());
        return std::chrono::duration<double, std::micro>(Horloge::now() - debut).count();
    }

    JournalBanc journal;
    Referentiel referentiel;
    HorlogeFixe horloge;
    DialoguesScriptes dialogues;
    EntreeQSO entree;
    QString fichier;
    QStringList textes;
    qsizetype i = 0;
};

Saisie& saisie(int qso) {
    static std::map<int, std::unique_ptr<Saisie>> saisies;
    std::unique_ptr<Saisie>& s = saisies[qso];
    if (!s) {
        s = std::make_unique<Saisie>(qso);
    }
    return *s;
}

template <typename Evenement> void apres(benchmark::State& state, Evenement evenement) {
    Saisie& s = saisie(int(state.range(0)));
    s.taper();
    std::vector<double> durees;
    for (auto _ : state) {
        evenement(s);
        const double duree = s.taper();
        state.SetIterationTime(duree / 1e6);
        durees.push_back(duree);
    }
    state.counters["mediane_us"] = centile(durees, 0.5);
    state.counters["p95_us"] = centile(durees, 0.95);
}

// A QSO of a member the log never worked, committed with OK (saved and rescored).
void BM_frappe_apres_commit(benchmark::State& state) {
    int n = 0;
    apres(state, [&n](Saisie& s) {
        s.entree.Edit_call = s.journal.appels[1500 + n++ % 3500];
        s.entree.Edit_RSTS = s.entree.Edit_RSTR = QStringLiteral("599");
        s.entree.BitBtn_validerClick();
    });
}
BENCHMARK(BM_frappe_apres_commit)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(100)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_frappe_apres_chargement(benchmark::State& state) {
    apres(state, [](Saisie& s) { s.charger(); });
}
BENCHMARK(BM_frappe_apres_chargement)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_frappe_apres_insertion(benchmark::State& state) {
    apres(state,
          [](Saisie& s) { s.journal.etat.table.inserer_ligne(s.journal.etat.ligne_suivante / 2); });
}
BENCHMARK(BM_frappe_apres_insertion)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(50)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_frappe_apres_tri(benchmark::State& state) {
    apres(state, [](Saisie& s) {
        trier_par_indicatif(s.journal.etat);
        QCoreApplication::processEvents();
    });
}
BENCHMARK(BM_frappe_apres_tri)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(10)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

// One member's number changed in the file, as a fetch of the database may bring; then the
// event loop idle once (as after the fetch), or not at all (the file replaced under the
// operator's fingers).
void remplacer_base(benchmark::State& state, bool attente) {
    int n = 0;
    apres(state, [&n, attente](Saisie& s) {
        QStringList lignes =
            membres_banc({QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("EA8"),
                          QStringLiteral("ON"), QStringLiteral("G"), QStringLiteral("I"),
                          QStringLiteral("JA"), QStringLiteral("W")})
                .lignes;
        const int k = (n++ * 37) % 1500;
        lignes[k] = s.journal.appels[k] + QStringLiteral(",%1,Nouveau,x").arg(9000 + n);
        ecrire_lignes(s.journal.membres, lignes);
        if (attente) {
            // The folder's change, then what it schedules.
            QCoreApplication::processEvents();
            QCoreApplication::processEvents();
        }
    });
}

void BM_frappe_apres_base_remplacee(benchmark::State& state) {
    remplacer_base(state, true);
}
BENCHMARK(BM_frappe_apres_base_remplacee)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

void BM_frappe_base_remplacee_sans_attente(benchmark::State& state) {
    remplacer_base(state, false);
}
BENCHMARK(BM_frappe_base_remplacee_sans_attente)
    ->Arg(10000)
    ->Arg(100000)
    ->Iterations(20)
    ->UseManualTime()
    ->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    QCoreApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
