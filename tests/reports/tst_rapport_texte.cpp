#include "journal_essai.h"

#include "reports/doubles.h"
#include "reports/rapport_texte.h"

#include <QTest>

using namespace vorek;

// Pages of the text report and the duplicates recap.
class TestRapportTexte : public QObject {
    Q_OBJECT

  private slots:
    void pages_data();
    void pages();
    void groupes_de_doubles();
    void ligne_sans_numero_comptee_mais_pas_listee();
};

namespace {

// One letter per line of the first pages, up to the form feed that closes the listing:
// H title, C column headers, L listed row, E empty, P page total, R carried total, F form feed.
QString apercu(const QStringList& lignes) {
    QString resume;
    for (const QString& ligne : lignes) {
        if (ligne.startsWith(QStringLiteral("F6ABC "))) {
            resume += QLatin1Char('H');
        } else if (ligne.startsWith(QStringLiteral("  Date"))) {
            resume += QLatin1Char('C');
        } else if (ligne.startsWith(QStringLiteral("01/07/2024"))) {
            resume += QLatin1Char('L');
        } else if (ligne.isEmpty()) {
            resume += QLatin1Char('E');
        } else if (ligne.startsWith(QStringLiteral("Page : "))) {
            resume += QLatin1Char('P');
        } else if (ligne.startsWith(QStringLiteral("Reports page"))) {
            resume += QLatin1Char('R');
        } else if (ligne == QStringLiteral("\f")) {
            resume += QLatin1Char('F');
            if (resume.endsWith(QStringLiteral("EPERF"))) {
                const QString suite = lignes.value(int(resume.size()));
                if (!suite.startsWith(QStringLiteral("F6ABC "))) {
                    break;
                }
            }
        } else {
            resume += QLatin1Char('?');
        }
    }
    return resume;
}

QList<QStringList> lignes_listees(int nombre) {
    QList<QStringList> lignes;
    for (int i = 0; i < nombre; ++i) {
        lignes.append({"01/07/2024", "10:00", QStringLiteral("F%1AA").arg(i), "20m", "599", "599",
                       QString::number(100 + i), "2", "Nom", ""});
    }
    return lignes;
}

} // namespace

void TestRapportTexte::pages_data() {
    QTest::addColumn<int>("nombre");
    QTest::addColumn<QString>("attendu");
    QTest::addColumn<QStringList>("totaux");
    const QString dix = QStringLiteral("LLLLLLLLLLE");
    QTest::newRow("10")
        << 10 << QStringLiteral("HECE") + dix + QStringLiteral("EPERF")
        << QStringList{"Page : 1          total de cette page :                    Pts = 20",
                       "Reports page précédente:              :                    Pts = 0"};
    QTest::newRow("49")
        << 49 << QStringLiteral("HECE") + dix.repeated(4) + QStringLiteral("LLLLLLLLLEPERF")
        << QStringList{"Page : 1          total de cette page :                    Pts = 98",
                       "Reports page précédente:              :                    Pts = 0"};
    QTest::newRow("50")
        << 50 << QStringLiteral("HECE") + dix.repeated(5) + QStringLiteral("EPERFHECEEPERF")
        << QStringList{"Page : 1              total de cette page :                "
                       "        Pts = 100",
                       "Reports page précédente:                                   "
                       "    Pts = 0",
                       "Page : 2          total de cette page :                    Pts = 0",
                       "Reports page précédente:              :                    "
                       "Pts = 100"};
    QTest::newRow("51")
        << 51 << QStringLiteral("HECE") + dix.repeated(5) + QStringLiteral("EPERFHECELEPERF")
        << QStringList{"Page : 1              total de cette page :                "
                       "        Pts = 100",
                       "Reports page précédente:                                   "
                       "    Pts = 0",
                       "Page : 2          total de cette page :                    Pts = 2",
                       "Reports page précédente:              :                    "
                       "Pts = 100"};
}

void TestRapportTexte::pages() {
    QFETCH(int, nombre);
    JournalEssai essai;
    essai.remplir_vide();
    remplir_journal(essai.etat, lignes_listees(nombre));
    CompteursRapport compteurs;
    const QStringList lignes = lignes_rapport_texte(essai.etat, QStringLiteral("2024"), compteurs);
    QTEST(apercu(lignes), "attendu");
    QStringList totaux;
    for (const QString& ligne : lignes) {
        if (ligne.startsWith(QStringLiteral("Page : ")) ||
            ligne.startsWith(QStringLiteral("Reports page"))) {
            totaux.append(ligne);
        }
    }
    QTEST(totaux, "totaux");
    QCOMPARE(compteurs.total_reporte, 2 * nombre);
    QVERIFY(lignes.contains(
        QStringLiteral(" SCORE DECLARE :   %1 QSO  ,  %2  POINTS").arg(nombre).arg(2 * nombre)));
    if (nombre > 49) {
        QVERIFY(lignes.contains(
            QStringLiteral("F6ABC    n° 1234   CHALLENGE d'ETE VOREK   2024      page: 2")));
    }
}

void TestRapportTexte::groupes_de_doubles() {
    JournalEssai essai;
    essai.remplir_vide();
    auto qso = [](const QString& indicatif, const QString& date, const QString& bande,
                  const QString& points) {
        return QStringList{date, "10:00", indicatif, bande, "599", "599", "1", points, "", ""};
    };
    remplir_journal(essai.etat, {
                                    qso("F5AAA", "01/07/2024", "40m", "2"),
                                    qso("F5AAA", "02/07/2024", "20m", "4"),
                                    qso("F6BBB", "01/07/2024", "40m", "5"),
                                    qso("F1XXX", "01/07/2024", "40m", "5"),
                                    qso("f6bbb", "01/07/2024", "40m", "5"),
                                    qso("F2YYY", "01/07/2024", "40m", "5"),
                                    qso("F6BBB", "03/07/2024", "160m", "0"),
                                    {},
                                    qso("F6BBB", "04/07/2024", "70cm", "15"),
                                    qso("F8ZZZ-", "04/07/2024", "40m", "2"),
                                    qso("F8ZZZ-", "05/07/2024", "40m", "2"),
                                });
    const QList<QStringList> avant = [&] {
        QList<QStringList> lignes;
        for (int ligne = 0; ligne < essai.etat.table.nb_lignes(); ++ligne) {
            lignes.append(essai.etat.table.ligne(ligne));
        }
        return lignes;
    }();
    QCOMPARE(groupes_doubles(essai.etat.table), (QList<QList<int>>{{3, 7, 9}, {1, 2}}));
    CompteursRapport compteurs;
    const QStringList lignes = lignes_rapport_texte(essai.etat, QStringLiteral("2024"), compteurs);
    const qsizetype debut =
        lignes.indexOf(QStringLiteral("Indicatif     Date       Heure    Bande Pts ")) + 2;
    const QString tirets(42, QLatin1Char('-'));
    const QStringList attendu{
        "F6BBB-      01/07/2024  10:00     40m   5   ",
        "F6BBB-      03/07/2024  10:00     160m  0   ",
        "F6BBB-      04/07/2024  10:00     70cm  15  ",
        tirets,
        "F5AAA-      01/07/2024  10:00     40m   2   ",
        "F5AAA-      02/07/2024  10:00     20m   4   ",
        tirets,
        "",
        "\f",
    };
    QCOMPARE(lignes.mid(debut, attendu.size()), attendu);
    for (int ligne = 0; ligne < essai.etat.table.nb_lignes(); ++ligne) {
        QCOMPARE(essai.etat.table.ligne(ligne), avant[ligne]);
    }
}

// A row without member number is declared though not listed; an empty row (inserted and
// left) is neither.
void TestRapportTexte::ligne_sans_numero_comptee_mais_pas_listee() {
    JournalEssai essai;
    essai.remplir_vide();
    remplir_journal(essai.etat,
                    {
                        {"01/07/2024", "10:00", "F5AAA", "20m", "599", "599", "", "4", "", ""},
                        {},
                        {"01/07/2024", "11:00", "F5BBB", "20m", "599", "599", "12", "3", "", ""},
                    });
    CompteursRapport compteurs;
    const QStringList lignes = lignes_rapport_texte(essai.etat, QStringLiteral("2024"), compteurs);
    QVERIFY(!lignes.join(QLatin1Char('\n')).contains(QStringLiteral("F5AAA")));
    QVERIFY(lignes.contains(QStringLiteral(" SCORE DECLARE :   2 QSO  ,  3  POINTS")));
}

QTEST_GUILESS_MAIN(TestRapportTexte)
#include "tst_rapport_texte.moc"
