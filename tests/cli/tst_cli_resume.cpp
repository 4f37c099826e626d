#include "outil_cli.h"

#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

using namespace vorek;

class TestCliResume : public QObject {
    Q_OBJECT

  private slots:
    void resume_d_un_journal();
    void erreurs();
};

void TestCliResume::resume_d_un_journal() {
    QTemporaryDir racine;
    Etat etat;
    etat.fixer_rep_programme(racine.path());
    QDir().mkpath(etat.rep_challenge);
    etat.station_call = QStringLiteral("F6ABC");
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

QTEST_GUILESS_MAIN(TestCliResume)
#include "tst_cli_resume.moc"
