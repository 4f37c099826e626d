#include "journal_stats.h"

#include "stats/statistiques.h"
#include "stats/tableau_stats.h"

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

QTEST_GUILESS_MAIN(TstStatistiques)
#include "tst_statistiques.moc"
