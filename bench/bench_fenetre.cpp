// The real main window, off screen, on a 10,000- and a 100,000-QSO log: a call typed key by
// key, timed from the key event until the preview label, the partial list and the earlier
// QSOs show it (repaint included), and Return, timed until the challenge file on disk holds
// the new row; each gives its median and 95th percentile. Beside them, the plain reading of
// the same keystroke and of the same commit on the same log, so that the gain reads as a
// ratio. The counters also give the load, the first keystroke after it, what the views do
// in the idle time after a commit, and the first keystroke after that.
#include "lecture_simple_banc.h"

#include "banc_programme.h"
#include "controles_principale.h"
#include "log/fichier_challenge.h"
#include "rules/score.h"
#include "ui/tform_main.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include <algorithm>
#include <chrono>
#include <memory>

using namespace vorek;

namespace {

using Horloge = std::chrono::steady_clock;

double ecoule_us(Horloge::time_point debut) {
    return std::chrono::duration<double, std::micro>(Horloge::now() - debut).count();
}

double centile(std::vector<double> durees, double part) {
    if (durees.empty()) {
        return 0;
    }
    const auto rang = std::min(durees.size() - 1, size_t(part * double(durees.size())));
    std::nth_element(durees.begin(), durees.begin() + qsizetype(rang), durees.end());
    return durees[rang];
}

void repartition(benchmark::State& state, const std::vector<double>& durees, const char* nom) {
    state.counters[std::string(nom) + "_mediane_us"] = centile(durees, 0.5);
    state.counters[std::string(nom) + "_p95_us"] = centile(durees, 0.95);
}

// The log written as a challenge file and loaded from the station window of the real
// program, during the contest (14/07/2025 10:00 local), the entry on 20m.
struct FenetreBanc {
    explicit FenetreBanc(int n) : qso(n), journal(n) {
        Station& station = journal.etat.station;
        station.station_call = QStringLiteral("F1AAA");
        station.nom_saisi = QStringLiteral("Banc");
        station.station_nr_club = QStringLiteral("999");
        fichier = banc.travail(QStringLiteral("BANC.VRK"));
        QDir().mkpath(QFileInfo(fichier).path());
        sauver_fichier(journal.etat, fichier);
        banc.ecrire_references(lire_lignes(journal.dxcc), lire_lignes(journal.membres));
        banc.horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
        banc.serveur_absent();
        banc.demarrer_sans_mise_a_jour();
        const auto debut = Horloge::now();
        banc.charger_challenge(fichier);
        QCoreApplication::processEvents();
        chargement_ms = ecoule_us(debut) / 1000;
        if (!QTest::qWaitForWindowExposed(m())) {
            qFatal("the main window does not show");
        }
        controles = std::make_unique<ControlesPrincipale>(m());
        c().ComboBox_band->setCurrentText(bande_banc);
        c().Edit_call->setFocus();
        // The plain reading trusts the points of the rows above, as a load leaves them.
        const Referentiel referentiel(journal.etat.rep_cfg, journal.etat.rep_BD);
        calculer_score(journal.etat, referentiel, QString(), annee_banc);
    }

    TForm_main* m() const { return banc.principale(); }
    const ControlesPrincipale& c() const { return *controles; }

    // One key into the call field, until the window has painted what it shows.
    double taper(char touche) const {
        const auto debut = Horloge::now();
        QTest::keyClick(c().Edit_call, touche);
        QCoreApplication::processEvents();
        return ecoule_us(debut);
    }

    void effacer() const {
        c().BitBtn_efface_saisie->click();
        QCoreApplication::processEvents();
    }

    // What a keystroke from the fourth character on shows: the call, a preview, the earlier
    // QSOs' table and a partial check that lists the call typed.
    bool etat_montre(const QString& appel) const {
        return c().Edit_call->text() == appel && !c().Label_apercu->text().isEmpty() &&
               c().Grille_prec->rowCount() >= 1 && c().Liste_partiel->count() >= 1;
    }

    const int qso;
    JournalBanc journal;
    BancProgramme banc;
    QString fichier;
    std::unique_ptr<ControlesPrincipale> controles;
    double chargement_ms = 0;
    double premiere_frappe_us = -1;
};

FenetreBanc& fenetre(int qso) {
    static std::unique_ptr<FenetreBanc> actuelle;
    if (!actuelle || actuelle->qso != qso) {
        actuelle.reset();
        actuelle = std::make_unique<FenetreBanc>(qso);
    }
    return *actuelle;
}

// The last two rows of the file as saved: the new QSO, then the empty row.
QStringList fin_du_fichier(const QString& chemin) {
    QFile f(chemin);
    if (!f.open(QIODevice::ReadOnly)) {
        return {};
    }
    f.seek(std::max<qint64>(0, f.size() - 4096));
    QStringList lignes = depuis_cp1252(f.readAll()).split(QStringLiteral("\r\n"));
    lignes.removeLast();
    return lignes.mid(lignes.size() - 2 * nb_colonnes_journal, nb_colonnes_journal);
}

void BM_fenetre_frappe(benchmark::State& state) {
    FenetreBanc& f = fenetre(int(state.range(0)));
    state.counters["chargement_ms"] = f.chargement_ms;
    const QStringList& appels = f.journal.appels;
    std::vector<double> durees;
    qsizetype appel = 0;
    qsizetype position = 0;
    f.effacer();
    for (auto _ : state) {
        const QString& texte = appels[(appel * 7) % 1500];
        const double duree = f.taper(texte[position].toLower().toLatin1());
        state.SetIterationTime(duree / 1e6);
        if (f.premiere_frappe_us < 0) {
            f.premiere_frappe_us = duree;
        }
        durees.push_back(duree);
        ++position;
        if (position >= 4 && !f.etat_montre(texte.left(position))) {
            state.SkipWithError("the window does not show the call typed");
            break;
        }
        if (position == texte.size()) {
            f.effacer();
            position = 0;
            ++appel;
        }
    }
    repartition(state, durees, "frappe");
    state.counters["premiere_frappe_us"] = f.premiere_frappe_us;
}

// Calls of the member database the log never worked: every commit is accepted and scores.
void BM_fenetre_retour(benchmark::State& state) {
    FenetreBanc& f = fenetre(int(state.range(0)));
    std::vector<double> durees;
    std::vector<double> frappes_apres;
    std::vector<double> mises_en_page;
    int sur_disque = 0;
    int i = 0;
    f.effacer();
    for (auto _ : state) {
        const QString appel = f.journal.appels[1500 + i++];
        frappes_apres.push_back(f.taper(appel[0].toLower().toLatin1()));
        QTest::keyClicks(f.c().Edit_call, appel.mid(1).toLower());
        QCoreApplication::processEvents();
        const auto debut = Horloge::now();
        QTest::keyClick(f.c().Edit_call, Qt::Key_Return);
        QCoreApplication::processEvents();
        const double duree = ecoule_us(debut);
        state.SetIterationTime(duree / 1e6);
        durees.push_back(duree);
        const QStringList ligne = fin_du_fichier(f.fichier);
        if (ligne.value(col_indicatif) != appel) {
            qWarning() << "commit of" << appel << ":" << ligne << f.banc.dialogues.textes();
            state.SkipWithError("the file on disk does not hold the QSO committed");
            break;
        }
        sur_disque += ligne.value(col_points).isEmpty() ? 0 : 1;
        // What the views left for the idle time before the operator's next key.
        const auto inactif = Horloge::now();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
        mises_en_page.push_back(ecoule_us(inactif));
    }
    repartition(state, durees, "retour");
    repartition(state, mises_en_page, "mise_en_page_apres_commit");
    repartition(state, frappes_apres, "frappe_apres_commit");
    // 1 when every save held the new row's points, 0 when none did.
    state.counters["points_sur_disque"] = double(sur_disque) / std::max<double>(1, double(i));
}

// The same keystroke read plainly on the same log.
void BM_lecture_simple_frappe(benchmark::State& state) {
    FenetreBanc& f = fenetre(int(state.range(0)));
    const QStringList textes = frappes(f.journal.appels);
    qsizetype i = 0;
    for (auto _ : state) {
        frappe_simple(f.journal, textes[i++ % textes.size()]);
    }
}

// The commit read plainly: the row written, the file saved, then every row rescored by
// re-reading the files and scanning the rows above (quadratic: 10,000 QSOs only).
void BM_lecture_simple_retour(benchmark::State& state) {
    FenetreBanc& f = fenetre(int(state.range(0)));
    Etat& etat = f.journal.etat;
    const QString copie = f.banc.travail(QStringLiteral("SIMPLE.VRK"));
    int i = 0;
    for (auto _ : state) {
        const int ligne = etat.ligne_suivante++;
        etat.table.fixer_nb_lignes(ligne + 2);
        etat.table.fixer_ligne(ligne, {texte_date(vers_jours(QDate(2025, 7, 14))), "10:00",
                                       f.journal.appels[4000 + i++], bande_banc, "599", "599", "",
                                       "", "", ""});
        sauver_fichier(etat, copie);
        litteral::calculer_score(etat, f.journal.dxcc, f.journal.membres, bande_banc, annee_banc);
    }
}

// Each log in turn: the window, then the plain reading on the same data.
BENCHMARK(BM_fenetre_frappe)->Arg(10000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_fenetre_retour)
    ->Arg(10000)
    ->Iterations(200)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lecture_simple_frappe)->Arg(10000)->Iterations(20)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_lecture_simple_retour)->Arg(10000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_fenetre_frappe)->Arg(100000)->UseManualTime()->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_fenetre_retour)
    ->Arg(100000)
    ->Iterations(40)
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);
BENCHMARK(BM_lecture_simple_frappe)->Arg(100000)->Iterations(20)->Unit(benchmark::kMicrosecond);

} // namespace

int main(int argc, char** argv) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
        qputenv("QT_QPA_PLATFORM",
                "offscreen:configfile=" VOREK_RACINE_PROJET "/tests/ecrans/1920x1080.json");
    }
    QApplication application(argc, argv);
    benchmark::Initialize(&argc, argv);
    if (benchmark::ReportUnrecognizedArguments(argc, argv)) {
        return 1;
    }
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
