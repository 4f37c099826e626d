#include "outil_cli.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

// The command line as the tool reads it: what it refuses and the help it gives.
class TestCliUsage : public QObject {
    Q_OBJECT

  private slots:
    void erreurs_d_usage_data();
    void erreurs_d_usage();
    void aide_de_chaque_commande();
    void journal_de_diagnostic();
};

void TestCliUsage::erreurs_d_usage_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<QString>("raison");
    // The start of the usage that follows: the command's, or the tool's.
    QTest::addColumn<QString>("usage");
    const QString general = QStringLiteral("usage : vorek [--racine DOSSIER]");
    QTest::newRow("argument manquant") << QStringList{"score"} << "argument manquant : FICHIER.VRK"
                                       << "usage : vorek score ";
    QTest::newRow("argument en trop")
        << QStringList{"resume", "a.VRK", "b.VRK"} << "argument en trop : b.VRK"
        << "usage : vorek resume ";
    QTest::newRow("option inconnue")
        << QStringList{"stats", "a.VRK", "--tab"} << "option inconnue : --tab"
        << "usage : vorek stats ";
    QTest::newRow("option deux fois")
        << QStringList{"stats", "a.VRK", "--csv", "--csv"} << "option donnée deux fois : --csv"
        << "usage : vorek stats ";
    QTest::newRow("valeur manquante")
        << QStringList{"radio", "--port", "x", "--modele"} << "valeur manquante pour --modele"
        << "usage : vorek radio ";
    QTest::newRow("options ensemble") << QStringList{"apercu", "a.VRK", "F5ABC", "--heure", "12:00"}
                                      << "options à donner ensemble : --date, --heure"
                                      << "usage : vorek apercu ";
    QTest::newRow("options incompatibles")
        << QStringList{"cw", "CQ", "--radio", "--cwdaemon", "shack:6789"}
        << "options incompatibles : --cwdaemon, --radio"
        << "usage : vorek cw ";
    QTest::newRow("option obligatoire")
        << QStringList{"envoyer-cr", "a.VRK", "--smtp", "smtp.example.org"}
        << "option manquante : --port"
        << "usage : vorek envoyer-cr ";
    QTest::newRow("securite inconnue")
        << QStringList{"envoyer-cr", "a.VRK", "--smtp", "h", "--port", "25", "--securite", "ssl"}
        << "valeur incorrecte pour --securite : ssl"
        << "usage : vorek envoyer-cr ";
    QTest::newRow("vitesse CW") << QStringList{"cw", "CQ", "--wpm", "4"}
                                << "vitesse CW incorrecte (de 5 à 60 mots/min) : 4"
                                << "usage : vorek cw ";
    QTest::newRow("aide d'une commande inconnue")
        << QStringList{"aide", "envoyer"} << "commande inconnue : envoyer"
        << "usage : vorek aide ";
    QTest::newRow("commande inconnue")
        << QStringList{"rapports", "a.VRK"} << "commande inconnue : rapports" << general;
    QTest::newRow("option generale inconnue")
        << QStringList{"--verbeux", "resume", "a.VRK"} << "option inconnue : --verbeux"
        << "";
    QTest::newRow("date du jour") << QStringList{"--aujourdhui", "31/02/2025", "resume", "a.VRK"}
                                  << "date incorrecte : 31/02/2025"
                                  << "";
    QTest::newRow("sans commande") << QStringList{"--racine", "/tmp"} << general << "commandes :";
}

// Exit 2, nothing on stdout, the reason then the usage; nothing runs, nothing is written.
void TestCliUsage::erreurs_d_usage() {
    QFETCH(QStringList, arguments);
    QFETCH(QString, raison);
    QFETCH(QString, usage);
    const SortieCli sortie = lancer_vorek(arguments);
    QCOMPARE(sortie.code, 2);
    QCOMPARE(sortie.sortie, QString());
    const QStringList lignes = sortie.erreurs.split(QLatin1Char('\n'));
    QVERIFY2(lignes[0].startsWith(raison), qPrintable(sortie.erreurs));
    QVERIFY2(lignes.value(1).startsWith(usage), qPrintable(sortie.erreurs));
}

// Every command "vorek aide" lists gives its own help, which begins with its usage; the
// error of a command names the same usage.
void TestCliUsage::aide_de_chaque_commande() {
    const SortieCli aide = lancer_vorek({QStringLiteral("aide")});
    QCOMPARE(aide.code, 0);
    QCOMPARE(lancer_vorek({QStringLiteral("--aide")}).sortie, aide.sortie);
    const QString liste = aide.sortie.section(QStringLiteral("commandes :\n"), 1);
    QStringList noms;
    for (const QString& ligne : liste.split(QLatin1Char('\n'))) {
        if (ligne.startsWith(QStringLiteral("  "))) {
            noms.append(ligne.trimmed().section(QLatin1Char(' '), 0, 0));
        }
    }
    // The same commands as the usage the tool gives without one.
    const QString usage = lancer_vorek({}).erreurs.section(QStringLiteral("commandes : "), 1);
    QCOMPARE(noms, usage.trimmed().split(QLatin1Char(' ')));
    for (const QString& nom : noms) {
        const SortieCli seule = lancer_vorek({nom, QStringLiteral("--aide")});
        QCOMPARE(seule.code, 0);
        const QString usage = seule.sortie.section(QLatin1Char('\n'), 0, 0);
        QVERIFY2(usage.startsWith(QStringLiteral("usage : vorek ") + nom), qPrintable(usage));
        QCOMPARE(lancer_vorek({QStringLiteral("aide"), nom}).sortie, seule.sortie);
        const SortieCli erreur = lancer_vorek({nom, QStringLiteral("--inconnue")});
        QCOMPARE(erreur.code, 2);
        QVERIFY2(erreur.erreurs.contains(usage + QLatin1Char('\n')), qPrintable(erreur.erreurs));
    }
}

// The dummy rig read with and without --debug: the same output, the diagnostic log in the
// user's data folder (as the help says), on stderr only when asked.
void TestCliUsage::journal_de_diagnostic() {
    const QString fichier =
        qEnvironmentVariable("XDG_DATA_HOME") + QStringLiteral("/Challenge_VOREK/diagnostic.log");
    QVERIFY(lancer_vorek({QStringLiteral("aide")}).sortie.contains(fichier));
    QFile::remove(fichier);
    QTemporaryDir racine;
    const QStringList radio{QStringLiteral("--racine"), racine.path(), QStringLiteral("radio"),
                            QStringLiteral("--modele"), QStringLiteral("1")};
    const SortieCli discret = lancer_vorek(radio);
    const SortieCli bavard = lancer_vorek(QStringList{QStringLiteral("--debug")} + radio);
    QCOMPARE(discret.code, 0);
    QCOMPARE(bavard.code, 0);
    QCOMPARE(bavard.octets, discret.octets);
    QCOMPARE(discret.erreurs, QString());
    const QString ouverte = QStringLiteral("radio ouverte : Hamlib Dummy (1)");
    QVERIFY2(bavard.erreurs.startsWith(QStringLiteral("vorek.radio: ") + ouverte),
             qPrintable(bavard.erreurs));
    QFile journal(fichier);
    QVERIFY(journal.open(QIODevice::ReadOnly));
    QCOMPARE(QString::fromUtf8(journal.readAll()).count(ouverte), 2);
}

QTEST_GUILESS_MAIN(TestCliUsage)
#include "tst_cli_usage.moc"
