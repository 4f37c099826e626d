#include "base/dates.h"
#include "base/erreur.h"
#include "base/horloge.h"

#include <QTest>

using namespace vorek;

class TestDates : public QObject {
    Q_OBJECT

  private slots:
    void lecture_date_heure_data();
    void lecture_date_heure();
    void refus_data();
    void refus();
    void textes();
    void decalage_data();
    void decalage();
    void horloge_fixe_utc();
};

void TestDates::lecture_date_heure_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("attendu");
    QTest::newRow("forme du journal")
        << QStringLiteral("14/07/2025 08:05") << QStringLiteral("14/07/2025 08:05");
    QTest::newRow("un chiffre") << QStringLiteral("1/7/2025 8:5")
                                << QStringLiteral("01/07/2025 08:05");
    QTest::newRow("secondes") << QStringLiteral("01/07/2025 00:00:59")
                              << QStringLiteral("01/07/2025 00:00");
    QTest::newRow("annee a deux chiffres")
        << QStringLiteral("31/08/24 23:59") << QStringLiteral("31/08/2024 23:59");
    QTest::newRow("date seule") << QStringLiteral("29/02/2024")
                                << QStringLiteral("29/02/2024 00:00");
    QTest::newRow("blancs autour")
        << QStringLiteral("  02/07/2025  10:00 ") << QStringLiteral("02/07/2025 10:00");
}

void TestDates::lecture_date_heure() {
    QFETCH(QString, texte);
    QFETCH(QString, attendu);
    QCOMPARE(texte_date_heure(lire_date_heure(texte)), attendu);
}

void TestDates::refus_data() {
    QTest::addColumn<QString>("texte");
    QTest::newRow("vide") << QString();
    QTest::newRow("jour impossible") << QStringLiteral("31/06/2025 10:00");
    QTest::newRow("29 fevrier") << QStringLiteral("29/02/2025 10:00");
    QTest::newRow("heure 24") << QStringLiteral("01/07/2025 24:00");
    QTest::newRow("lettres") << QStringLiteral("1er juillet");
    QTest::newRow("tirets") << QStringLiteral("01-07-2025 10:00");
    QTest::newRow("trois chiffres") << QStringLiteral("001/07/2025 10:00");
    QTest::newRow("signe") << QStringLiteral("+1/07/2025 10:00");
}

void TestDates::refus() {
    QFETCH(QString, texte);
    try {
        lire_date_heure(texte);
        QFAIL("accepted");
    } catch (const Erreur& e) {
        QCOMPARE(e.message(), QStringLiteral("'%1' ne correspond pas à une date et une heure "
                                             "correctes")
                                  .arg(texte));
    }
    if (!texte.contains(QLatin1Char(' '))) {
        try {
            lire_date(texte);
            QFAIL("accepted");
        } catch (const Erreur& e) {
            QCOMPARE(e.message(), QStringLiteral("'%1' n'est pas une date correcte").arg(texte));
        }
    }
}

void TestDates::textes() {
    const double jours = vers_jours(QDate(2025, 7, 14), QTime(9, 3));
    QCOMPARE(texte_date(jours), QStringLiteral("14/07/2025"));
    QCOMPARE(texte_heure(jours), QStringLiteral("09:03"));
    // Day counts start on 30/12/1899.
    QCOMPARE(vers_jours(QDate(1899, 12, 31)), 1.0);
    QCOMPARE(lire_date(QStringLiteral("14/7/2025")) + lire_heure(QStringLiteral("9:03")), jours);
}

void TestDates::decalage_data() {
    QTest::addColumn<int>("biais");
    QTest::addColumn<int>("decalage");
    QTest::newRow("ete en France") << -120 << -2;
    QTest::newRow("heure pleine positive") << 60 << 1;
    QTest::newRow("Inde") << -330 << -5;
    QTest::newRow("Terre-Neuve") << 210 << 3;
    QTest::newRow("Nepal") << -345 << -5;
    QTest::newRow("UTC") << 0 << 0;
}

void TestDates::decalage() {
    QFETCH(int, biais);
    QFETCH(int, decalage);
    QCOMPARE(calculer_decalage_UTC(biais), decalage);
    QCOMPARE(calculer_decalage_UTC(std::nullopt), 0);
}

void TestDates::horloge_fixe_utc() {
    HorlogeFixe horloge(QDateTime(QDate(2025, 7, 1), QTime(0, 30)), -330);
    QCOMPARE(horloge.maintenant_utc().toString(QStringLiteral("dd/MM/yyyy hh:mm")),
             QStringLiteral("30/06/2025 19:00"));
}

QTEST_GUILESS_MAIN(TestDates)
#include "tst_dates.moc"
