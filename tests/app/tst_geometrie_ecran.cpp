#include "app/geometrie_ecran.h"

#include <QRandomGenerator>
#include <QtTest>

using namespace vorek;

Q_DECLARE_METATYPE(Geometrie)

namespace {

// A title bar and thin borders, as a desktop's window manager draws them.
const QMargins cadre(4, 30, 4, 4);

QRect cadre_de(const Geometrie& g) {
    return QRect(g.gauche, g.haut, g.largeur + 8, g.hauteur + 34);
}

} // namespace

class TestGeometrieEcran : public QObject {
    Q_OBJECT

  private slots:
    void ajustement_data();
    void ajustement();
    void toujours_sur_un_ecran();
    void a_cote_de_la_principale_data();
    void a_cote_de_la_principale();
};

void TestGeometrieEcran::ajustement_data() {
    QTest::addColumn<Geometrie>("stockee");
    QTest::addColumn<QList<QRect>>("zones");
    QTest::addColumn<QSize>("minimum");
    QTest::addColumn<Geometrie>("attendue");
    // Geometrie is width, top, left, height, as the settings file lists it.
    const QRect portable(0, 0, 1366, 728); // 1366x768 less a 40-pixel task bar
    const QRect bureau(0, 0, 1920, 1080);
    QTest::newRow("tient déjà") << Geometrie{910, 160, 600, 800} << QList<QRect>{bureau} << QSize()
                                << Geometrie{910, 160, 600, 800};
    QTest::newRow("1600x1000 sur 1366x768")
        << Geometrie{1600, 150, 200, 1000} << QList<QRect>{portable} << QSize()
        << Geometrie{1358, 0, 0, 694};
    QTest::newRow("boutons sous le bas de l'écran")
        << Geometrie{633, 440, 770, 564} << QList<QRect>{portable} << QSize()
        << Geometrie{633, 130, 725, 564};
    QTest::newRow("écran débranché") << Geometrie{700, 1400, 2500, 650} << QList<QRect>{bureau}
                                     << QSize() << Geometrie{700, 396, 1212, 650};
    QTest::newRow("second écran branché")
        << Geometrie{400, 100, 2000, 300} << QList<QRect>{bureau, QRect(1920, 0, 1280, 1024)}
        << QSize() << Geometrie{400, 100, 2000, 300};
    QTest::newRow("écran à gauche du principal")
        << Geometrie{400, 50, -1000, 300} << QList<QRect>{bureau, QRect(-1280, 0, 1280, 1024)}
        << QSize() << Geometrie{400, 50, -1000, 300};
    QTest::newRow("à cheval, l'écran le plus couvert")
        << Geometrie{400, 100, 1800, 300} << QList<QRect>{bureau, QRect(1920, 0, 1280, 1024)}
        << QSize() << Geometrie{400, 100, 1920, 300};
    QTest::newRow("en haut à gauche hors de tout")
        << Geometrie{370, -300, -500, 140} << QList<QRect>{portable} << QSize()
        << Geometrie{370, 0, 0, 140};
    QTest::newRow("valeurs de départ sous le minimum")
        << Geometrie{395, 440, 770, 90} << QList<QRect>{portable} << QSize(541, 417)
        << Geometrie{541, 277, 770, 417};
    QTest::newRow("minimum plus grand que l'écran")
        << Geometrie{1000, 10, 10, 900} << QList<QRect>{QRect(0, 0, 1024, 600)} << QSize(1200, 700)
        << Geometrie{1016, 0, 0, 566};
    QTest::newRow("largeur négative") << Geometrie{-8, 20, 30, 100} << QList<QRect>{bureau}
                                      << QSize() << Geometrie{1, 20, 30, 100};
    QTest::newRow("aucun écran connu") << Geometrie{910, 160, 600, 800} << QList<QRect>{} << QSize()
                                       << Geometrie{910, 160, 600, 800};
}

void TestGeometrieEcran::ajustement() {
    QFETCH(Geometrie, stockee);
    QFETCH(QList<QRect>, zones);
    QFETCH(QSize, minimum);
    QFETCH(Geometrie, attendue);
    const Geometrie g = ajuster_geometrie(stockee, zones, cadre, minimum);
    QCOMPARE(g.largeur, attendue.largeur);
    QCOMPARE(g.hauteur, attendue.hauteur);
    QCOMPARE(g.gauche, attendue.gauche);
    QCOMPARE(g.haut, attendue.haut);
}

// Whatever the settings file holds, and whatever screens there are, the whole frame lands
// on one of them, and a window that fits keeps its size.
void TestGeometrieEcran::toujours_sur_un_ecran() {
    QRandomGenerator hasard(1366);
    for (int essai = 0; essai < 2000; ++essai) {
        QList<QRect> zones;
        const int nombre = 1 + int(hasard.bounded(3));
        for (int i = 0; i < nombre; ++i) {
            zones.append(QRect(int(hasard.bounded(-3000, 3000)), int(hasard.bounded(-2000, 2000)),
                               int(hasard.bounded(640, 3840)), int(hasard.bounded(480, 2160))));
        }
        const Geometrie stockee{int(hasard.bounded(-100, 5000)), int(hasard.bounded(-9000, 9000)),
                                int(hasard.bounded(-9000, 9000)), int(hasard.bounded(-100, 5000))};
        const Geometrie g = ajuster_geometrie(stockee, zones, cadre, QSize(300, 200));
        const QRect fenetre = cadre_de(g);
        const bool sur_un_ecran = std::any_of(zones.begin(), zones.end(),
                                              [&](const QRect& z) { return z.contains(fenetre); });
        QVERIFY2(sur_un_ecran, qPrintable(QStringLiteral("essai %1").arg(essai)));
        if (zones.size() == 1 && stockee.largeur >= 300 && stockee.hauteur >= 200 &&
            zones.first().width() >= stockee.largeur + 8 &&
            zones.first().height() >= stockee.hauteur + 34) {
            QCOMPARE(g.largeur, stockee.largeur);
            QCOMPARE(g.hauteur, stockee.hauteur);
        }
    }
}

void TestGeometrieEcran::a_cote_de_la_principale_data() {
    QTest::addColumn<QRect>("principale"); // its frame
    QTest::addColumn<QList<QRect>>("zones");
    QTest::addColumn<QSize>("taille");
    QTest::addColumn<int>("minimum");
    QTest::addColumn<Geometrie>("attendue");
    const QList<QRect> portable{QRect(0, 0, 1366, 728)};
    const QList<QRect> bureau{QRect(0, 0, 1920, 1080)};
    QTest::newRow("à droite") << QRect(100, 50, 910, 800) << bureau << QSize(600, 600) << 300
                              << Geometrie{600, 50, 1010, 600};
    QTest::newRow("à gauche") << QRect(900, 50, 910, 800) << bureau << QSize(600, 600) << 300
                              << Geometrie{600, 50, 292, 600};
    QTest::newRow("contre le bord, loin de l'indicatif")
        << QRect(456, 0, 910, 728) << portable << QSize(600, 600) << 300
        << Geometrie{600, 0, 758, 600};
    QTest::newRow("rétrécie entre l'indicatif et le bord")
        << QRect(456, 0, 910, 728) << portable << QSize(1000, 650) << 300
        << Geometrie{772, 0, 586, 650};
    QTest::newRow("trop large pour se rétrécir")
        << QRect(456, 0, 910, 728) << portable << QSize(1000, 650) << 800
        << Geometrie{1000, 0, 358, 650};
    QTest::newRow("sur l'écran de la principale")
        << QRect(2000, 100, 910, 800) << (bureau + QList<QRect>{QRect(1920, 0, 1920, 1080)})
        << QSize(600, 600) << 300 << Geometrie{600, 100, 2910, 600};
    QTest::newRow("aucun écran connu") << QRect(900, 50, 910, 800) << QList<QRect>{}
                                       << QSize(600, 600) << 300 << Geometrie{600, 50, 1810, 600};
}

void TestGeometrieEcran::a_cote_de_la_principale() {
    QFETCH(QRect, principale);
    QFETCH(QList<QRect>, zones);
    QFETCH(QSize, taille);
    QFETCH(int, minimum);
    QFETCH(Geometrie, attendue);
    // The call field near the main window's top left corner.
    const QRect champ(principale.left() + 10, principale.top() + 100, 120, 22);
    const Geometrie g = a_cote(principale, taille, zones, cadre, champ, minimum);
    QCOMPARE(g.largeur, attendue.largeur);
    QCOMPARE(g.hauteur, attendue.hauteur);
    QCOMPARE(g.gauche, attendue.gauche);
    QCOMPARE(g.haut, attendue.haut);
}

QTEST_MAIN(TestGeometrieEcran)
#include "tst_geometrie_ecran.moc"
