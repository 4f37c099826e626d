#include "journal_stats.h"

#include "stats/serie_horaire.h"
#include "stats/statistiques.h"
#include "stats/tableau_stats.h"

#include <QRandomGenerator>
#include <QTest>

#include <numeric>

using namespace vorek;

class TstStatistiques : public QObject {
    Q_OBJECT

  private slots:
    void tableau_connu();
    void par_heure();
    void csv();
    void journal_vide();
    void series_du_graphique();
    void series_au_hasard();
};

namespace {

const QDateTime onze_heures_vingt(QDate(2025, 7, 1), QTime(11, 20), Qt::UTC);

Statistiques stats_connues(JournalStats& j) {
    j.remplir(JournalStats::journal_connu());
    j.noter();
    return calculer_statistiques(j.etat, onze_heures_vingt);
}

QStringList lignes_tab(const QList<QStringList>& rangees) {
    QStringList lignes = lignes_separees(rangees, QLatin1Char('\t'));
    for (QString& ligne : lignes) {
        ligne.replace(QLatin1Char('\t'), QLatin1Char('|'));
    }
    return lignes;
}

} // namespace

void TstStatistiques::tableau_connu() {
    JournalStats j;
    const Statistiques stats = stats_connues(j);
    QCOMPARE(j.etat.score_total, 28);
    QCOMPARE(lignes_tab(tableau_statistiques(stats)),
             QStringList({
                 "Jour|80m QSO|80m pts|40m QSO|40m pts|20m QSO|20m pts|15m QSO|15m pts|"
                 "1,2m QSO|1,2m pts|Total QSO|Total pts|Membres|Nouveaux membres",
                 "30/06/2025|0|0|1|0|0|0|0|0|0|0|1|0|1|1",
                 "01/07/2025|0|0|1|2|2|7|0|0|0|0|3|9|3|2",
                 "02/07/2025|1|4|1|2|1|0|0|0|0|0|3|6|2|1",
                 "03/07/2025|0|0|0|0|0|0|1|3|1|10|2|13|2|1",
                 "Date illisible|0|0|0|0|1|0|0|0|0|0|1|0|1|0",
                 "Total|1|4|3|4|4|7|1|3|1|10|10|28|5|5",
             }));
    QCOMPARE(resume_statistiques(stats),
             (QList<QPair<QString, int>>{{QStringLiteral("Membres contactés"), 5},
                                         {QStringLiteral("QSO dans l'heure en cours"), 1},
                                         {QStringLiteral("QSO dans l'heure précédente"), 2}}));
}

void TstStatistiques::par_heure() {
    JournalStats j;
    const Statistiques stats = stats_connues(j);
    QCOMPARE(stats.debut_heures, QDateTime(QDate(2025, 7, 1), QTime(0, 0)));
    QCOMPARE(stats.qso_par_heure.size(), 62 * 24);
    QCOMPARE(stats.score_cumule.size(), 62 * 24);
    // Inside the period: every QSO but the one of 30/06 and the unreadable date.
    QCOMPARE(std::accumulate(stats.qso_par_heure.begin(), stats.qso_par_heure.end(), 0), 8);
    const QList<std::pair<int, int>> heures{{9, 0}, {10, 2}, {11, 1}, {33, 3}, {60, 1}, {61, 1}};
    const QList<int> cumuls{0, 6, 9, 15, 18, 28};
    for (qsizetype i = 0; i < heures.size(); ++i) {
        QCOMPARE(stats.qso_par_heure[heures[i].first], heures[i].second);
        QCOMPARE(stats.score_cumule[heures[i].first], cumuls[i]);
    }
    QVERIFY(std::is_sorted(stats.score_cumule.begin(), stats.score_cumule.end()));
    QCOMPARE(stats.score_cumule.last(), 28);
}

void TstStatistiques::csv() {
    JournalStats j;
    j.remplir({"01/07/2025;10:15;F5ABC;1,2m", "01/07/2025;10:20;DL1AA;\"x\""});
    j.noter();
    QCOMPARE(lignes_separees(tableau_statistiques(calculer_statistiques(j.etat, onze_heures_vingt)),
                             QLatin1Char(',')),
             QStringList({"Jour,\"1,2m QSO\",\"1,2m pts\",\"\"\"x\"\" QSO\",\"\"\"x\"\" pts\","
                          "Total QSO,Total pts,Membres,Nouveaux membres",
                          "01/07/2025,1,10,1,0,2,10,2,2", "Total,1,10,1,0,2,10,2,2"}));
}

void TstStatistiques::journal_vide() {
    JournalStats j;
    const Statistiques stats = calculer_statistiques(j.etat, onze_heures_vingt);
    QCOMPARE(lignes_tab(tableau_statistiques(stats)),
             QStringList({"Jour|Total QSO|Total pts|Membres|Nouveaux membres", "Total|0|0|0|0"}));
    QCOMPARE(stats.score_cumule.last(), 0);
}

void TstStatistiques::series_du_graphique() {
    JournalStats j;
    const Statistiques stats = stats_connues(j);
    QCOMPARE(jours_avec_qso(stats),
             QList<QDate>({QDate(2025, 7, 1), QDate(2025, 7, 2), QDate(2025, 7, 3)}));
    QCOMPARE(serie_horaire(stats),
             (SerieHoraire{{"01/07", "02/07", "03/07"}, {3, 3, 2}, {9, 15, 28}}));
}

// Any hours: the day bars add up the hours, a day's hours add up to its bar and end on its
// score, and a day outside the period is flat at the score it stands beside.
void TstStatistiques::series_au_hasard() {
    QRandomGenerator hasard(20250701);
    for (int essai = 0; essai < 50; ++essai) {
        Statistiques stats;
        stats.debut_heures = QDateTime(QDate(2025, 7, 1), QTime(0, 0));
        int cumul = 0;
        for (int heure = 0; heure < 62 * 24; ++heure) {
            const int qso = hasard.bounded(40) == 0 ? int(hasard.bounded(1, 30)) : 0;
            stats.qso_par_heure.append(qso);
            cumul += qso > 0 ? int(hasard.bounded(3 * qso + 1)) : 0;
            stats.score_cumule.append(cumul);
        }
        const SerieHoraire tous = serie_horaire(stats);
        const QList<QDate> jours = jours_avec_qso(stats);
        QCOMPARE(tous.categories.size(), jours.size());
        QCOMPARE(std::accumulate(tous.qso.begin(), tous.qso.end(), 0),
                 std::accumulate(stats.qso_par_heure.begin(), stats.qso_par_heure.end(), 0));
        QCOMPARE(tous.score.isEmpty() ? 0 : tous.score.last(), cumul);
        for (qsizetype i = 0; i < jours.size(); ++i) {
            QVERIFY(i == 0 || jours[i - 1] < jours[i]);
            QCOMPARE(tous.categories[i], jours[i].toString(QStringLiteral("dd/MM")));
            const SerieHoraire jour = serie_horaire(stats, jours[i]);
            QCOMPARE(jour.qso.size(), 24);
            QVERIFY(std::accumulate(jour.qso.begin(), jour.qso.end(), 0) > 0);
            QCOMPARE(std::accumulate(jour.qso.begin(), jour.qso.end(), 0), tous.qso[i]);
            QCOMPARE(jour.score.last(), tous.score[i]);
            QVERIFY(std::is_sorted(jour.score.begin(), jour.score.end()));
        }
        QCOMPARE(serie_horaire(stats, QDate(2025, 6, 30)).score, QList<int>(24, 0));
        QCOMPARE(serie_horaire(stats, QDate(2025, 9, 1)).score, QList<int>(24, cumul));
        QCOMPARE(serie_horaire(stats, QDate(2025, 9, 1)).qso, QList<int>(24, 0));
    }
}

QTEST_GUILESS_MAIN(TstStatistiques)
#include "tst_statistiques.moc"
