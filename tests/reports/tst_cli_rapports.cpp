#include "journal_essai.h"
#include "outil_cli.h"

#include "log/fichier_challenge.h"

#include <QDir>
#include <QFile>
#include <QTest>

using namespace vorek;

// The report commands of the command-line tool, run as a separate process.
class TestCliRapports : public QObject {
    Q_OBJECT

  private slots:
    void rapport();
    void rapport_interrompu();
    void export_adif();
    void export_ascii();
    void usages();
};

namespace {

QString preparer(JournalEssai& essai) {
    essai.remplir_petit();
    essai.ecrire_membres();
    sauver_fichier(essai.etat, QStringLiteral("ete.VRK"));
    return essai.chemin_travail(QStringLiteral("ete.VRK"));
}

QStringList debut(const JournalEssai& essai) {
    return {QStringLiteral("--racine"), essai.dossier.path(), QStringLiteral("--aujourdhui"),
            QStringLiteral("15/08/2024")};
}

} // namespace

void TestCliRapports::rapport() {
    JournalEssai essai;
    const QString vrk = preparer(essai);
    const SortieCli sortie = lancer_vorek(debut(essai) << QStringLiteral("rapport") << vrk);
    QCOMPARE(sortie.erreurs, QString());
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, essai.chemin_travail(QStringLiteral("ete.LOG\n")) +
                                essai.chemin_travail(QStringLiteral("ete.TXT\n")) +
                                essai.chemin_travail(QStringLiteral("ete.ADI\n")));
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("ete.LOG"))),
             octets_attendus(QStringLiteral("cabrillo_petit.LOG")));
    // After the load the station fields hold what the file gave, name untrimmed included.
    QByteArray attendu = octets_attendus(QStringLiteral("adif_rapport_petit.ADI"));
    attendu.replace("<MY_NAME:12>Jean Dupont  ", "<MY_NAME:11>Jean Dupont ");
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("ete.ADI"))), attendu);
    QVERIFY(lire_octets(essai.chemin_travail(QStringLiteral("ete.TXT")))
                .startsWith("F4XYZ    n\xB0 NM   CHALLENGE d'ETE VOREK   2024      page: 1\r\n"));
}

void TestCliRapports::rapport_interrompu() {
    JournalEssai essai;
    const QString vrk = preparer(essai);
    QVERIFY(QDir().mkpath(essai.chemin_travail(QStringLiteral("ete.TXT"))));
    const SortieCli sortie = lancer_vorek(debut(essai) << QStringLiteral("rapport") << vrk);
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.sortie, essai.chemin_travail(QStringLiteral("ete.LOG\n")));
    QCOMPARE(sortie.erreurs, QStringLiteral("Accès au fichier refusé\n"));
    QVERIFY(!QFile::exists(essai.chemin_travail(QStringLiteral("ete.ADI"))));
}

void TestCliRapports::export_adif() {
    JournalEssai essai;
    const QString vrk = preparer(essai);
    const SortieCli sortie =
        lancer_vorek(debut(essai) << QStringLiteral("export-adif") << vrk
                                  << essai.dossier.filePath(QStringLiteral("autre/mon.adi")));
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, essai.chemin_travail(QStringLiteral("mon.adi\n")));
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("mon.adi"))),
             octets_attendus(QStringLiteral("export_petit.adi")));
}

void TestCliRapports::export_ascii() {
    JournalEssai essai;
    const QString vrk = preparer(essai);
    const SortieCli sortie = lancer_vorek(debut(essai) << QStringLiteral("export-ascii") << vrk);
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, essai.chemin_travail(QStringLiteral("ete.ASC\n")));
    QCOMPARE(lire_octets(essai.chemin_travail(QStringLiteral("ete.ASC"))),
             octets_attendus(QStringLiteral("ascii_petit.ASC")));
}

void TestCliRapports::usages() {
    for (const char* commande : {"rapport", "export-adif", "export-ascii"}) {
        const SortieCli sortie = lancer_vorek({QString::fromLatin1(commande)});
        QCOMPARE(sortie.code, 2);
        QVERIFY(sortie.erreurs.startsWith(QStringLiteral("usage : vorek ")));
    }
}

QTEST_GUILESS_MAIN(TestCliRapports)
#include "tst_cli_rapports.moc"
