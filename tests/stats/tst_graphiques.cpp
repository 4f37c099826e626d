#include "journal_stats.h"

#include "stats/graphiques/graphiques.h"
#include "stats/statistiques.h"

#include <QImage>
#include <QSet>
#include <QTest>

using namespace vorek;

class TstGraphiques : public QObject {
    Q_OBJECT

  private slots:
    void png_hors_ecran();
};

namespace {

// Distinct colours in a band of the image: a blank or single-colour band has one.
qsizetype couleurs(const QImage& image, int haut, int bas) {
    QSet<QRgb> vues;
    for (int y = haut; y < bas; y += 2) {
        for (int x = 0; x < image.width(); x += 2) {
            vues.insert(image.pixel(x, y));
        }
    }
    return vues.size();
}

} // namespace

void TstGraphiques::png_hors_ecran() {
    QCOMPARE(QGuiApplication::platformName(), QStringLiteral("offscreen"));
    JournalStats j;
    j.remplir(JournalStats::journal_connu());
    j.noter();
    const QString chemin = j.etat.rep_challenge + QStringLiteral("/plots.png");
    enregistrer_png(calculer_statistiques(j.etat, QDateTime(QDate(2025, 7, 1), QTime(12, 0))),
                    chemin);
    const QImage image(chemin);
    QCOMPARE(image.size(), QSize(1200, 900));
    // Both plots are drawn: each half holds text, axes, bars and lines in several colours.
    QVERIFY2(couleurs(image, 0, 450) > 8, "graphique horaire vide");
    QVERIFY2(couleurs(image, 550, 900) > 8, "graphique des bandes vide");

    QVERIFY_THROWS_EXCEPTION(
        std::exception, enregistrer_png(Statistiques(), j.etat.rep_challenge + "/absent/x.png"));
}

QTEST_MAIN(TstGraphiques)
#include "tst_graphiques.moc"
