#include "outil_cli.h"

#include "base/fichier_texte.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

class TestCliRefdata : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir racine_;
    QString cfg() const { return racine_.filePath(QStringLiteral("cfg")); }
    SortieCli vorek(const QStringList& arguments) const {
        return lancer_vorek(QStringList{QStringLiteral("--racine"), racine_.path()} + arguments);
    }

  private slots:
    void initTestCase();
    void conversion_du_fichier_pays();
    void conversion_avec_le_fichier_livre();
    void recherches_data();
    void recherches();
    void base_membres_absente();
    void fichier_pays_refuse();
    void usage();
};

void TestCliRefdata::initTestCase() {
    QVERIFY(QDir().mkpath(cfg()));
    QVERIFY(QDir().mkpath(racine_.filePath(QStringLiteral("Fichiers_BD"))));
    vorek::ecrire_lignes(
        racine_.filePath(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv")),
        {QStringLiteral("F5ABC,1234,Jean Dupont,x"), QStringLiteral("EA8ZZ,77,Ana María,y")});
}

void TestCliRefdata::conversion_du_fichier_pays() {
    QVERIFY(QFile::copy(QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat"),
                        cfg() + QStringLiteral("/cty_wt.dat")));
    const SortieCli sortie = vorek({QStringLiteral("convertir-pays")});
    QCOMPARE(sortie.code, 0);
    QVERIFY(sortie.sortie.startsWith(QStringLiteral("1A\n1S\n3A\n3B6\n3B8\n")));
    QCOMPARE(sortie.sortie.count(QLatin1Char('\n')), 324);
    QVERIFY(QFile::exists(cfg() + QStringLiteral("/DXCC.CSV")));
    QVERIFY(QFile::remove(cfg() + QStringLiteral("/cty_wt.dat")));
}

void TestCliRefdata::conversion_avec_le_fichier_livre() {
    // No country file and a server that refuses: the shipped copy is converted.
    QFile::remove(cfg() + QStringLiteral("/DXCC.CSV"));
    vorek::ecrire_lignes(cfg() + QStringLiteral("/serveurs.ini"),
                         {QStringLiteral("[serveurs]"), QStringLiteral("pays=http://127.0.0.1:1")});
    const SortieCli sortie = vorek({QStringLiteral("convertir-pays")});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie.count(QLatin1Char('\n')), 324);
    QVERIFY(!QFile::exists(cfg() + QStringLiteral("/cty_wt.dat")));
    QVERIFY(QFile::exists(cfg() + QStringLiteral("/DXCC.CSV")));
}

void TestCliRefdata::recherches_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("pays") << QStringList{"pays", "F5ABC/P"} << "F\tEU\n";
    QTest::newRow("pays prefixe") << QStringList{"pays", "EA8/F5ABC"} << "EA8\tAF\n";
    QTest::newRow("pays inconnu") << QStringList{"pays", "QQ9QQ"} << "\t\n";
    QTest::newRow("membre") << QStringList{"membre", "f5abc/qrp"} << "1234\tJean Dupont\n";
    QTest::newRow("membre accent") << QStringList{"membre", "EA8ZZ"} << "77\tAna María\n";
    QTest::newRow("non membre") << QStringList{"membre", "F1AAA"} << "NM\t\n";
    QTest::newRow("base") << QStringList{"base", "EA8/F5ABC/P"} << "F5ABC\tF5ABC\n";
    QTest::newRow("base /N") << QStringList{"base", "F5ABC/N"} << "F5ABC\tN\n";
}

void TestCliRefdata::recherches() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, attendu);
    const SortieCli sortie = vorek(arguments);
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, attendu);
}

void TestCliRefdata::base_membres_absente() {
    QTemporaryDir vide;
    SortieCli sortie = lancer_vorek({QStringLiteral("--racine"), vide.path(),
                                     QStringLiteral("membre"), QStringLiteral("F5ABC")});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, QStringLiteral("NM\t\n"));
    QCOMPARE(sortie.erreurs, QStringLiteral("Fichier BD Membres absent\n"));
    // A web page in its place is no database either.
    QVERIFY(QDir().mkpath(vide.filePath(QStringLiteral("Fichiers_BD"))));
    vorek::ecrire_lignes(vide.filePath(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv")),
                         {QStringLiteral("<html><body>F5ABC, 1234</body></html>")});
    sortie = lancer_vorek({QStringLiteral("--racine"), vide.path(), QStringLiteral("membre"),
                           QStringLiteral("F5ABC")});
    QCOMPARE(sortie.erreurs, QStringLiteral("Fichier BD Membres absent\n"));
    sortie = lancer_vorek(
        {QStringLiteral("--racine"), vide.path(), QStringLiteral("pays"), QStringLiteral("F5ABC")});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, QStringLiteral("\t\n"));
    QCOMPARE(sortie.erreurs, QStringLiteral("Fichier DXCC.CSV absent : les pays et les continents "
                                            "des indicatifs ne seront pas reconnus.\n"));
}

void TestCliRefdata::fichier_pays_refuse() {
    // A country file with one endless name: refused, the list already made stays.
    QTemporaryDir racine;
    const QString cfg = racine.filePath(QStringLiteral("cfg"));
    QVERIFY(QDir().mkpath(cfg));
    vorek::ecrire_lignes(cfg + QStringLiteral("/DXCC.CSV"), {QStringLiteral("F,France,F,EU,227")});
    vorek::ecrire_lignes(
        cfg + QStringLiteral("/cty_wt.dat"),
        {QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"), QStringLiteral("#"),
         QStringLiteral("# ADIF 227"),
         QString(200000, QLatin1Char('N')) + QStringLiteral(": 14: 27: EU: 0: 0: 0: F:"),
         QStringLiteral("    F,TM,") + QStringLiteral("A,").repeated(2000) + QLatin1Char(';')});
    const SortieCli sortie =
        lancer_vorek({QStringLiteral("--racine"), racine.path(), QStringLiteral("convertir-pays")});
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.sortie, QStringLiteral("F\n"));
    QCOMPARE(sortie.erreurs, QStringLiteral("Le fichier des pays ") + cfg +
                                 QStringLiteral("/cty_wt.dat est refusé : l'entité qui finit à la "
                                                "ligne 7 a un champ de plus de 64 caractères.\r"
                                                "La liste DXCC actuelle est conservée.\n"));
    QCOMPARE(vorek::lire_lignes(cfg + QStringLiteral("/DXCC.CSV")),
             QStringList{QStringLiteral("F,France,F,EU,227")});
}

void TestCliRefdata::usage() {
    for (const QString& commande :
         {QStringLiteral("pays"), QStringLiteral("membre"), QStringLiteral("base")}) {
        QCOMPARE(vorek({commande}).code, 2);
    }
    QCOMPARE(vorek({QStringLiteral("convertir-pays"), QStringLiteral("x")}).code, 2);
}

QTEST_GUILESS_MAIN(TestCliRefdata)
#include "tst_cli_refdata.moc"
