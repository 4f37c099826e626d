// The results page in a real browser: Debian's chromium, headless, renders it and sorts it
// by the state its address names (the code a click on a heading runs).

#include "correction/resultats.h"

#include <QDir>
#include <QFile>
#include <QImage>
#include <QProcess>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

using namespace vorek;

namespace {

StationCorrigee station(int rang, const char* indicatif, const char* nom, int revendiques,
                        int verifies) {
    StationCorrigee s;
    s.rang = rang;
    s.indicatif = QString::fromUtf8(indicatif);
    s.nom = QString::fromUtf8(nom);
    s.points_revendiques = revendiques;
    s.points_verifies = verifies;
    s.fichier = s.indicatif + QStringLiteral(".log");
    s.fichier_rapport =
        QString(s.indicatif).replace(QLatin1Char('/'), QLatin1Char('-')) + QStringLiteral(".txt");
    return s;
}

} // namespace

class TestPageResultats : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void tri_par_adresse_data();
    void tri_par_adresse();
    void rendu_sur_un_telephone();

  private:
    // The page's DOM once its script has run, as chromium leaves it.
    QString dom(const QString& fragment);
    bool chromium(const QStringList& arguments, QByteArray* sortie = nullptr);

    QString navigateur_;
    QTemporaryDir dossier_;
    QString page_;
};

void TestPageResultats::initTestCase() {
    navigateur_ = QStandardPaths::findExecutable(QStringLiteral("chromium"));
    if (navigateur_.isEmpty()) {
        QSKIP("chromium n'est pas installé");
    }
    BilanCorrection bilan;
    bilan.annee = 2025;
    // Points chosen so that a text sort would put 100 before 9.
    bilan.stations = {station(1, "F5AAA", "Hélène", 120, 100),
                      station(2, "DL1CCC/P", "<script>alert(1)</script> & Cie", 15, 10),
                      station(3, "ON4DDD", "Zoé", 9, 9), station(3, "G3EEE", "Émile", 30, 9)};
    page_ = dossier_.filePath(QStringLiteral("resultats.html"));
    QFile fichier(page_);
    QVERIFY(fichier.open(QIODevice::WriteOnly));
    fichier.write(page_resultats(bilan));
}

bool TestPageResultats::chromium(const QStringList& arguments, QByteArray* sortie) {
    QTemporaryDir profil;
    QProcess processus;
    processus.start(navigateur_,
                    QStringList{QStringLiteral("--headless"), QStringLiteral("--no-sandbox"),
                                QStringLiteral("--disable-gpu"), QStringLiteral("--disable-quic"),
                                QStringLiteral("--no-first-run"),
                                QStringLiteral("--disable-background-networking"),
                                QStringLiteral("--disable-component-update"),
                                QStringLiteral("--disable-sync"),
                                QStringLiteral("--user-data-dir=") + profil.path()} +
                        arguments);
    if (!processus.waitForFinished(180000)) {
        processus.kill();
        processus.waitForFinished();
        return false;
    }
    if (sortie) {
        *sortie = processus.readAllStandardOutput();
    }
    return processus.exitStatus() == QProcess::NormalExit && processus.exitCode() == 0;
}

QString TestPageResultats::dom(const QString& fragment) {
    QUrl adresse = QUrl::fromLocalFile(page_);
    adresse.setFragment(fragment);
    QByteArray sortie;
    if (!chromium({QStringLiteral("--dump-dom"), adresse.toString()}, &sortie)) {
        return QString();
    }
    return QString::fromUtf8(sortie);
}

void TestPageResultats::tri_par_adresse_data() {
    QTest::addColumn<QString>("fragment");
    QTest::addColumn<QStringList>("ordre");
    QTest::addColumn<int>("colonne");
    QTest::addColumn<QString>("sens");
    const QStringList rang{"F5AAA", "DL1CCC/P", "ON4DDD", "G3EEE"};
    QTest::newRow("sans tri") << QString() << rang << -1 << QString();
    QTest::newRow("indicatif") << QStringLiteral("tri=2")
                               << QStringList{"DL1CCC/P", "F5AAA", "G3EEE", "ON4DDD"} << 1
                               << QStringLiteral("ascending");
    QTest::newRow("nom, accents à leur place")
        << QStringLiteral("tri=3") << QStringList{"DL1CCC/P", "G3EEE", "F5AAA", "ON4DDD"} << 2
        << QStringLiteral("ascending");
    QTest::newRow("points revendiqués décroissants")
        << QStringLiteral("tri=-5") << QStringList{"F5AAA", "G3EEE", "DL1CCC/P", "ON4DDD"} << 4
        << QStringLiteral("descending");
    // Numbers sort as numbers, equal ones keep their order.
    QTest::newRow("points vérifiés")
        << QStringLiteral("tri=7") << QStringList{"ON4DDD", "G3EEE", "DL1CCC/P", "F5AAA"} << 6
        << QStringLiteral("ascending");
    QTest::newRow("colonne inconnue") << QStringLiteral("tri=99") << rang << -1 << QString();
}

void TestPageResultats::tri_par_adresse() {
    QFETCH(QString, fragment);
    QFETCH(QStringList, ordre);
    QFETCH(int, colonne);
    QFETCH(QString, sens);
    const QString html = dom(fragment);
    QVERIFY(!html.isEmpty());
    QStringList lu;
    const QRegularExpression lien(QStringLiteral("<td><a href=\"([^\"]*)\">([^<]*)</a></td>"));
    for (auto m = lien.globalMatch(html); m.hasNext();) {
        const QRegularExpressionMatch trouve = m.next();
        lu.append(trouve.captured(2));
        // Each call leads to its station report, beside the page.
        QCOMPARE(trouve.captured(1),
                 QString(trouve.captured(2)).replace(QLatin1Char('/'), QLatin1Char('-')) +
                     QStringLiteral(".txt"));
    }
    QCOMPARE(lu, ordre);
    const QRegularExpression titres(QStringLiteral("<th( [^>]*)?>"));
    int c = 0;
    for (auto m = titres.globalMatch(html); m.hasNext(); ++c) {
        const QString titre = m.next().captured(0);
        QCOMPARE(titre.contains(QStringLiteral("aria-sort=\"") + sens + QLatin1Char('"')) &&
                     !sens.isEmpty(),
                 c == colonne);
    }
    QCOMPARE(c, 13);
    // A name is text, never markup: the page keeps its one script.
    QCOMPARE(html.count(QStringLiteral("<script")), 1);
    QVERIFY(html.contains(QStringLiteral("&lt;script&gt;alert(1)&lt;/script&gt; &amp; Cie")));
}

// Drawn at a phone's width, with nothing fetched from elsewhere.
void TestPageResultats::rendu_sur_un_telephone() {
    QFile fichier(page_);
    QVERIFY(fichier.open(QIODevice::ReadOnly));
    const QByteArray octets = fichier.readAll();
    for (const char* externe : {"src=", "<link", "@import", "http:", "https:", "url("}) {
        QVERIFY2(!octets.contains(externe), externe);
    }
    QVERIFY(octets.contains("name=\"viewport\""));
    const QString image = dossier_.filePath(QStringLiteral("telephone.png"));
    QVERIFY(
        chromium({QStringLiteral("--screenshot=") + image, QStringLiteral("--window-size=390,844"),
                  QUrl::fromLocalFile(page_).toString()}));
    const QImage rendu(image);
    QCOMPARE(rendu.size(), QSize(390, 844));
    // The heading's dark band is drawn: the page is not blank.
    int sombres = 0;
    for (int y = 0; y < rendu.height(); y += 4) {
        for (int x = 0; x < rendu.width(); x += 4) {
            sombres += qGray(rendu.pixel(x, y)) < 100;
        }
    }
    QVERIFY(sombres > 100);
    const QString copie = qEnvironmentVariable("VOREK_CAPTURE_PAGE");
    if (!copie.isEmpty()) {
        QFile::remove(copie);
        QFile::copy(image, copie);
    }
}

QTEST_GUILESS_MAIN(TestPageResultats)
#include "tst_page_resultats.moc"
