#include "banc_programme.h"
#include "log/fichier_challenge.h"
#include "ui/tform_main.h"

#include <QApplication>
#include <QLineEdit>
#include <QProcess>
#include <QTableView>
#include <QtTest>

#include <cstdio>

using namespace vorek;

namespace {

const char* const option_enfant = "--enfant";

// The program as an operator leaves it: one QSO logged, then its call corrected in the grid
// and left with Tab. Says where the log is, then waits to be killed.
int operateur() {
    BancProgramme banc;
    banc.horloge.regler(QDateTime(QDate(2025, 7, 14), QTime(10, 0)));
    banc.serveur_absent();
    banc.ecrire_references({QStringLiteral("F,France,F,EU,227")},
                           {QStringLiteral("F6XYZ,456,Marie MARTIN,Lyon"),
                            QStringLiteral("F8ZZZ,789,Paul DURAND,Nice")});
    banc.demarrer_sans_mise_a_jour();
    const QString fichier = banc.travail(QStringLiteral("ete.VRK"));
    banc.creer_challenge(QStringLiteral("F5ABC"), fichier);
    const ControlesPrincipale* m = banc.controles_principale();
    if (!QTest::qWaitForWindowActive(m->fenetre)) {
        return 1;
    }
    m->Edit_call->setFocus();
    QTest::keyClicks(m->Edit_call, QStringLiteral("F6XYZ"));
    QTest::keyClick(m->Edit_call, Qt::Key_Return);
    m->Grille->setFocus();
    m->Grille->setCurrentIndex(banc.etat->table.index_cellule(col_indicatif, 1));
    QTest::keyClick(m->Grille, Qt::Key_F);
    QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("8zzz"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    if (!QTest::qWaitFor(
            [&] { return banc.etat->table.cellule(col_nom, 1).startsWith(QLatin1Char('P')); })) {
        return 1;
    }
    std::printf("%s\n", fichier.toUtf8().constData());
    std::fflush(stdout);
    return QApplication::exec();
}

} // namespace

// A real program killed with SIGKILL right after an edit: the file on disk holds it.
class TestArretBrutal : public QObject {
    Q_OBJECT

  private slots:
    void correction_gardee_apres_kill();
};

void TestArretBrutal::correction_gardee_apres_kill() {
    QTemporaryDir temporaire;
    QProcessEnvironment environnement = QProcessEnvironment::systemEnvironment();
    environnement.insert(QStringLiteral("TMPDIR"), temporaire.path());
    QProcess programme;
    programme.setProcessEnvironment(environnement);
    programme.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    programme.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(option_enfant)});
    QVERIFY(programme.waitForStarted());
    QTRY_VERIFY_WITH_TIMEOUT(programme.canReadLine() || programme.state() == QProcess::NotRunning,
                             60000);
    const QString fichier = QString::fromUtf8(programme.readLine()).trimmed();
    QVERIFY(!fichier.isEmpty());
    programme.kill();
    QVERIFY(programme.waitForFinished());
    QCOMPARE(programme.exitStatus(), QProcess::CrashExit);
    const ContenuChallenge relu = lire_challenge(fichier);
    // The new call with its member's number and name, as a commit would have them.
    const QStringList ligne = relu.cellules.ligne(1);
    QCOMPARE((QStringList{ligne.value(col_indicatif), ligne.value(col_ztc), ligne.value(col_nom)}),
             (QStringList{"F8ZZZ", "789", "Paul DURAND"}));
}

int main(int argc, char** argv) {
    QApplication application(argc, argv);
    if (argc > 1 && qstrcmp(argv[1], option_enfant) == 0) {
        return operateur();
    }
    TestArretBrutal test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_arret_brutal.moc"
