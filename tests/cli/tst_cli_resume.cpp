#include "journal_rempli.h"
#include "ligne_donnees.h"
#include "octets_fichier.h"
#include "outil_cli.h"

#include "base/fichier_texte.h"
#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QDir>
#include <QFile>
#include <QLockFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <memory>
#include <vector>

using namespace vorek;

// The tool on challenge files: what it reads, what it refuses, how it saves.
class TestCliResume : public QObject {
    Q_OBJECT

  private slots:
    void resume_d_un_journal();
    void erreurs();
    void entrees_refusees_data();
    void entrees_refusees();
    void enregistrements_simultanes();
    void journal_en_cours_d_enregistrement();
    void disque_plein();
};

namespace {

// A program folder with a log of n QSOs in its work folder; returns the log's path.
QString journal(const QTemporaryDir& racine, int n) {
    Etat etat;
    etat.fixer_rep_programme(racine.path());
    QDir().mkpath(etat.rep_challenge);
    etat.station.station_call = QStringLiteral("F6ABC");
    QList<QStringList> lignes;
    for (int r = 1; r <= n; ++r) {
        lignes.append({QStringLiteral("10/07/2025"), QStringLiteral("10:%1").arg(r % 60),
                       QStringLiteral("F%1AA").arg(r), QStringLiteral("40m"), QStringLiteral("599"),
                       QStringLiteral("599"), QString(), QString(), QString(), QString()});
    }
    remplir_journal(etat, lignes);
    sauver_fichier(etat, QStringLiteral("ete.VRK"));
    return etat.rep_challenge + QStringLiteral("/ete.VRK");
}

SortieCli lancer(const QTemporaryDir& racine, const QStringList& commande) {
    return lancer_vorek(QStringList{QStringLiteral("--racine"), racine.path()} + commande);
}

} // namespace

void TestCliResume::resume_d_un_journal() {
    QTemporaryDir racine;
    Etat etat;
    etat.fixer_rep_programme(racine.path());
    QDir().mkpath(etat.rep_challenge);
    etat.station.station_call = QStringLiteral("F6ABC");
    etat.table.fixer_nb_lignes(6);
    etat.table.fixer_cellule(col_indicatif, 1, QStringLiteral("F5AA"));
    etat.table.fixer_cellule(col_indicatif, 3, QStringLiteral("F5BB"));
    sauver_fichier(etat, QStringLiteral("ete.VRK"));
    const SortieCli sortie =
        lancer_vorek({QStringLiteral("--racine"), racine.path(), QStringLiteral("resume"),
                      etat.rep_challenge + QStringLiteral("/ete.VRK")});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, QStringLiteral("colonnes=10\nlignes=6\nligne_suivante=5\nqso=2\n"
                                           "indicatif=F6ABC\n"));
}

void TestCliResume::erreurs() {
    QTemporaryDir racine;
    SortieCli sortie =
        lancer_vorek({QStringLiteral("--racine"), racine.path(), QStringLiteral("resume"),
                      racine.filePath(QStringLiteral("x"))});
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.erreurs, QStringLiteral("Fichier introuvable\n"));
    sortie = lancer_vorek({QStringLiteral("inconnue")});
    QCOMPARE(sortie.code, 2);
    sortie = lancer_vorek({QStringLiteral("--aujourdhui"), QStringLiteral("32/13/2025"),
                           QStringLiteral("resume"), QStringLiteral("x")});
    QCOMPARE(sortie.code, 2);
}

void TestCliResume::entrees_refusees_data() {
    QTest::addColumn<QString>("source");
    QTest::addColumn<QString>("message");
    const QString trop = message_fichier_trop_gros();
    ligne_donnees("zeros sans fin", QStringLiteral("/dev/zero"), trop);
    ligne_donnees("journal de plus de 64 Mo", QStringLiteral("gros"), trop);
    ligne_donnees("moins de lignes annoncees que de QSO", QStringLiteral("compte"),
                  QStringLiteral("Fichier challenge incohérent : il contient plus de lignes que "
                                 "ses nombres de colonnes et de lignes n'en annoncent"));
}

// Every command that reads a log refuses these with a message, and the log stays as it was
// (score --ecrire would otherwise save what it could read of it).
void TestCliResume::entrees_refusees() {
    QFETCH(QString, source);
    QFETCH(QString, message);
    QTemporaryDir racine;
    QString chemin = source;
    QByteArray avant;
    if (source != QStringLiteral("/dev/zero")) {
        chemin = journal(racine, 12);
        QFile fichier(chemin);
        if (source == QStringLiteral("gros")) {
            QVERIFY(fichier.resize(taille_max_fichier_texte + 1));
        } else {
            QStringList lignes = lire_lignes(chemin);
            lignes[8] = QStringLiteral("5");
            ecrire_lignes(chemin, lignes);
        }
        avant = lire_octets(chemin);
    }
    for (const QStringList& commande :
         {QStringList{QStringLiteral("resume"), chemin},
          QStringList{QStringLiteral("score"), chemin, QStringLiteral("--ecrire")},
          QStringList{QStringLiteral("export-ascii"), chemin}}) {
        const SortieCli sortie = lancer(racine, commande);
        QCOMPARE(sortie.code, 1);
        QCOMPARE(sortie.erreurs, message + QLatin1Char('\n'));
    }
    if (!avant.isEmpty()) {
        QCOMPARE(lire_octets(chemin), avant);
        QVERIFY(!QFile::exists(chemin_sauvegarde(chemin)));
    }
}

// The window and the tool may save the same log at the same moment: each save is whole,
// one after the other, and a program that cannot have its turn says so.
void TestCliResume::enregistrements_simultanes() {
    QTemporaryDir racine;
    const QString chemin = journal(racine, 300);
    QCOMPARE(lancer(racine, {QStringLiteral("score"), chemin, QStringLiteral("--ecrire")}).code, 0);
    const QByteArray attendu = lire_octets(chemin);
    std::vector<std::unique_ptr<QProcess>> processus;
    for (int i = 0; i < 50; ++i) {
        processus.push_back(std::make_unique<QProcess>());
        processus.back()->start(QStringLiteral(VOREK_CLI),
                                {QStringLiteral("--racine"), racine.path(), QStringLiteral("score"),
                                 chemin, QStringLiteral("--ecrire")});
    }
    int reussis = 0;
    for (const auto& p : processus) {
        QVERIFY(p->waitForFinished(60000));
        const QString erreurs = QString::fromUtf8(p->readAllStandardError());
        if (p->exitStatus() == QProcess::NormalExit && p->exitCode() == 0) {
            ++reussis;
        } else {
            QCOMPARE(p->exitCode(), 1);
            QVERIFY2(erreurs.contains(message_journal_verrouille()), qPrintable(erreurs));
        }
    }
    QVERIFY(reussis > 0);
    QCOMPARE(lire_octets(chemin), attendu);
    QCOMPARE(lire_octets(chemin_sauvegarde(chemin)), attendu);
    QCOMPARE(QDir(racine.filePath(QStringLiteral("Fichiers_challenge")))
                 .entryList(QDir::Files | QDir::Hidden | QDir::System),
             (QStringList{QStringLiteral("ete.VRK"), QStringLiteral("ete.VRK.bak")}));
}

void TestCliResume::journal_en_cours_d_enregistrement() {
    QTemporaryDir racine;
    const QString chemin = journal(racine, 3);
    const QByteArray avant = lire_octets(chemin);
    const QStringList score{QStringLiteral("score"), chemin, QStringLiteral("--ecrire")};
    {
        QLockFile verrou(chemin_verrou(chemin));
        QVERIFY(verrou.lock());
        const SortieCli sortie = lancer(racine, score);
        QCOMPARE(sortie.code, 1);
        QVERIFY(sortie.erreurs.endsWith(message_journal_verrouille() + QLatin1Char('\n')));
        QCOMPARE(lire_octets(chemin), avant);
    }
    QCOMPARE(lancer(racine, score).code, 0);
    QVERIFY(lire_octets(chemin) != avant);
    QCOMPARE(lire_octets(chemin_sauvegarde(chemin)), avant);
}

// Past the file size limit each command that writes says so and exits, instead of being
// killed by SIGXFSZ half-way; the log is the one it was.
void TestCliResume::disque_plein() {
    QTemporaryDir racine;
    const QString chemin = journal(racine, 300);
    const QByteArray avant = lire_octets(chemin);
    for (const QStringList& commande :
         {QStringList{QStringLiteral("score"), chemin, QStringLiteral("--ecrire")},
          QStringList{QStringLiteral("rapport"), chemin},
          QStringList{QStringLiteral("export-ascii"), chemin}}) {
        const SortieCli sortie = lancer_vorek_disque_plein(
            QStringList{QStringLiteral("--racine"), racine.path()} + commande, 4096);
        QCOMPARE(sortie.code, 1);
        QVERIFY2(sortie.erreurs.contains(QStringLiteral("Disque plein")),
                 qPrintable(sortie.erreurs));
        QCOMPARE(lire_octets(chemin), avant);
    }
}

QTEST_GUILESS_MAIN(TestCliResume)
#include "tst_cli_resume.moc"
