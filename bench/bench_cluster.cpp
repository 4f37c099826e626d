// Spots into the band map against the shared 10,000-QSO log: each line read, placed, its
// member looked up and its points previewed, beside the plain reading that scores the would-be
// row by scanning the log; the keystroke in the call field while spots keep coming; and the
// new points of a full map after a change of the log (a commit).
#include "journal_banc.h"
#include "score_litteral.h"

#include "base/horloge.h"
#include "cluster/carte_bandes.h"
#include "cluster/spot.h"
#include "dialogues_scriptes.h"
#include "entry/saisie.h"
#include "rules/score.h"

#include <algorithm>
#include <chrono>
#include <vector>

using namespace vorek;

namespace {

const QDateTime maintenant(QDate(2025, 7, 10), QTime(12, 0));

// Cluster lines for 10,000 spots: members mostly, in every band with a range.
QList<QByteArray> lignes_spots(const QStringList& appels) {
    QRandomGenerator g(725);
    std::vector<const Bande*> avec_plage;
    for (const Bande& b : table_bandes()) {
        if (b.debut_hz <= b.fin_hz) {
            avec_plage.push_back(&b);
        }
    }
    QList<QByteArray> lignes;
    for (int i = 0; i < 10000; ++i) {
        const Bande& b = *avec_plage[g.bounded(qsizetype(avec_plage.size()))];
        const qint64 hz = b.debut_hz + g.bounded((b.fin_hz - b.debut_hz) / 100 + 1) * 100;
        const QString appel =
            g.bounded(10) == 0 ? QStringLiteral("X%1NM").arg(i) : appels[int(g.bounded(1500))];
        lignes.append(QStringLiteral("DX de F6ABC-#:  %1  %2  CW 23 dB 25 WPM CQ  1012Z")
                          .arg(texte_khz(hz), appel)
                          .toLatin1());
    }
    return lignes;
}

struct Poste {
    explicit Poste(JournalBanc& j)
        : referentiel(j.etat.rep_cfg, j.etat.rep_BD), horloge(maintenant),
          entree(j.etat, referentiel, horloge, dialogues), carte(entree, horloge) {
        prechauffer(referentiel);
    }
    Referentiel referentiel;
    HorlogeFixe horloge;
    DialoguesScriptes dialogues;
    EntreeQSO entree;
    CarteBandes carte;
};

double mediane(std::vector<double>& durees) {
    std::nth_element(durees.begin(), durees.begin() + qsizetype(durees.size() / 2), durees.end());
    return durees[durees.size() / 2];
}

void BM_spots_carte(benchmark::State& state) {
    JournalBanc& j = journal_note();
    const QList<QByteArray> lignes = lignes_spots(j.appels);
    Poste p(j);
    qsizetype i = 0;
    for (auto _ : state) {
        if (const std::optional<Spot> spot = lire_spot(lignes[i++ % lignes.size()])) {
            benchmark::DoNotOptimize(p.carte.ajouter(*spot));
        }
    }
    state.counters["spots_gardes"] = double(p.carte.nombre());
}
BENCHMARK(BM_spots_carte)->Unit(benchmark::kMicrosecond)->Iterations(10000);

// Each spot's row written where the commit would write it and scored by the plain rules.
void BM_spots_lecture_simple(benchmark::State& state) {
    JournalBanc& j = journal_note();
    const QList<QByteArray> lignes = lignes_spots(j.appels);
    TableJournal& table = j.etat.table;
    const int libre = j.etat.ligne_suivante;
    qsizetype i = 0;
    for (auto _ : state) {
        const std::optional<Spot> spot = lire_spot(lignes[i++ % lignes.size()]);
        const std::optional<QString> bande = bande_de_frequence(spot->frequence_hz);
        table.fixer_ligne(libre, {texte_date(vers_jours(maintenant.date())), "12:00",
                                  spot->indicatif, *bande, "599", "599", "", "", "", ""});
        benchmark::DoNotOptimize(
            litteral::points_ligne(j.etat, j.dxcc, j.membres, *bande, annee_banc, libre));
        table.fixer_ligne(libre, {});
    }
}
BENCHMARK(BM_spots_lecture_simple)->Unit(benchmark::kMicrosecond)->Iterations(50);

// A full map, two spots coming and the map brought up to date (as the window's timer does)
// between two keystrokes; only the keystrokes are timed.
void BM_frappe_pendant_spots(benchmark::State& state) {
    JournalBanc& j = journal_note();
    const QList<QByteArray> lignes = lignes_spots(j.appels);
    Poste p(j);
    qsizetype s = 0;
    const auto arrivee = [&] {
        if (const std::optional<Spot> spot = lire_spot(lignes[s++ % lignes.size()])) {
            p.carte.ajouter(*spot);
        }
    };
    while (p.carte.nombre() < CarteBandes::max_spots) {
        arrivee();
    }
    p.entree.choisir_bande(int(bandes().indexOf(QStringLiteral("20m"))));
    std::vector<double> durees;
    qsizetype i = 0;
    for (auto _ : state) {
        arrivee();
        arrivee();
        p.carte.mettre_a_jour();
        const QString& appel = j.appels[int(i++ % 1500)];
        const auto debut = std::chrono::steady_clock::now();
        p.entree.Edit_callChange(appel.left(4));
        benchmark::DoNotOptimize(p.entree.apercu_QSO());
        benchmark::DoNotOptimize(p.entree.liste_partielle());
        durees.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - debut)
                .count());
    }
    state.counters["frappe_mediane_us"] = mediane(durees);
}
BENCHMARK(BM_frappe_pendant_spots)->Unit(benchmark::kMicrosecond);

// A change of the log (a commit's cell) then the 500 spots' points computed again.
void BM_recalcul_carte_pleine(benchmark::State& state) {
    JournalBanc& j = journal_note();
    const QList<QByteArray> lignes = lignes_spots(j.appels);
    Poste p(j);
    for (qsizetype s = 0; p.carte.nombre() < CarteBandes::max_spots; ++s) {
        if (const std::optional<Spot> spot = lire_spot(lignes[s])) {
            p.carte.ajouter(*spot);
        }
    }
    TableJournal& table = j.etat.table;
    const int derniere = j.etat.ligne_suivante - 1;
    const QString notes = table.cellule(col_notes, derniere);
    bool bascule = false;
    for (auto _ : state) {
        bascule = !bascule;
        table.fixer_cellule(col_notes, derniere, bascule ? notes + QStringLiteral("x") : notes);
        p.carte.mettre_a_jour();
    }
    table.fixer_cellule(col_notes, derniere, notes);
}
BENCHMARK(BM_recalcul_carte_pleine)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
