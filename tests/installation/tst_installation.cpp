// `cmake --install` into a scratch prefix, then the installed programs started from there,
// off screen, for a user whose data folder is scratch too: they must find the data they
// ship and work in that user's folder, never beside themselves.

#include "banc_programme.h"
#include "port_libre.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

class TestInstallation : public QObject {
    Q_OBJECT

  private slots:
    void installer_puis_demarrer();
    // The windows of the installed program, in this process: its first start with scripted
    // dialogs.
    void premier_demarrage_installe();

  private:
    QProcessEnvironment environnement() const;
    QTemporaryDir dossier_;
};

namespace {

QString lire(const QString& chemin) {
    QFile f(chemin);
    return f.open(QIODevice::ReadOnly) ? QString::fromLatin1(f.readAll()) : QString();
}

} // namespace

QProcessEnvironment TestInstallation::environnement() const {
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    env.insert(QStringLiteral("HOME"), dossier_.filePath(QStringLiteral("maison")));
    env.insert(QStringLiteral("XDG_DATA_HOME"), dossier_.filePath(QStringLiteral("donnees")));
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), dossier_.filePath(QStringLiteral("config")));
    return env;
}

void TestInstallation::installer_puis_demarrer() {
    QVERIFY(dossier_.isValid());
    const QString prefixe = dossier_.filePath(QStringLiteral("prefixe"));
    QProcess installation;
    installation.start(QStringLiteral(VOREK_CMAKE),
                       {QStringLiteral("--install"), QStringLiteral(VOREK_CONSTRUCTION),
                        QStringLiteral("--prefix"), prefixe});
    QVERIFY(installation.waitForFinished(60000));
    QVERIFY2(installation.exitCode() == 0, installation.readAllStandardError().constData());
    for (const char* fichier :
         {"bin/challenge_vorek", "bin/vorek", "share/challenge-vorek/cty_wt_mod.dat",
          "share/challenge-vorek/SMTP.csv", "share/applications/org.vorek.ChallengeVorek.desktop",
          "share/icons/hicolor/scalable/apps/org.vorek.ChallengeVorek.svg",
          "share/icons/hicolor/256x256/apps/org.vorek.ChallengeVorek.png",
          "share/metainfo/org.vorek.ChallengeVorek.metainfo.xml"}) {
        QVERIFY2(QFile::exists(prefixe + QLatin1Char('/') + QString::fromLatin1(fichier)), fichier);
    }

    const QString utilisateur = dossier_.filePath(QStringLiteral("donnees/Challenge_VOREK"));
    QVERIFY(QDir().mkpath(utilisateur + QStringLiteral("/cfg")));
    QFile serveurs(utilisateur + QStringLiteral("/cfg/serveurs.ini"));
    QVERIFY(serveurs.open(QIODevice::WriteOnly));
    const QByteArray adresse = "http://127.0.0.1:" + QByteArray::number(port_libre());
    serveurs.write("[serveurs]\r\nclub=" + adresse + "\r\npays=" + adresse + "\r\n");
    serveurs.close();

    // The window program: its first start builds the DXCC list from the shipped country file.
    QProcess programme;
    programme.setProcessEnvironment(environnement());
    programme.start(prefixe + QStringLiteral("/bin/challenge_vorek"), QStringList());
    QVERIFY(programme.waitForStarted(10000));
    const QString liste = utilisateur + QStringLiteral("/cfg/DXCC.CSV");
    QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(liste), 30000);
    QCOMPARE(programme.state(), QProcess::Running);
    programme.kill();
    programme.waitForFinished(10000);
    QVERIFY(lire(liste).count(QLatin1Char('\n')) > 300);
    // The mail-server table, the user's own from the first start.
    QCOMPARE(lire(utilisateur + QStringLiteral("/cfg/SMTP.csv")),
             lire(prefixe + QStringLiteral("/share/challenge-vorek/SMTP.csv")));
    for (const char* dossier : {"Fichiers_challenge", "Fichiers_BD", "cfg"}) {
        QVERIFY2(QFileInfo(utilisateur + QLatin1Char('/') + QString::fromLatin1(dossier)).isDir(),
                 dossier);
    }
    QCOMPARE(
        QDir(prefixe + QStringLiteral("/bin")).entryList(QDir::NoDotAndDotDot | QDir::AllEntries),
        (QStringList{QStringLiteral("challenge_vorek"), QStringLiteral("vorek")}));

    // The command-line tool works in the same folder by default.
    QProcess outil;
    outil.setProcessEnvironment(environnement());
    outil.start(prefixe + QStringLiteral("/bin/vorek"),
                {QStringLiteral("pays"), QStringLiteral("F5ABC")});
    QVERIFY(outil.waitForFinished(20000));
    QCOMPARE(outil.exitCode(), 0);
    QCOMPARE(QString::fromUtf8(outil.readAllStandardOutput()).trimmed(), QStringLiteral("F\tEU"));
}

void TestInstallation::premier_demarrage_installe() {
    const QString bin = dossier_.filePath(QStringLiteral("prefixe/bin"));
    if (!QFileInfo::exists(bin + QStringLiteral("/challenge_vorek"))) {
        QSKIP("the installation failed above");
    }
    BancProgramme banc;
    banc.executable = bin;
    // An installed program works in the user's data folder; no server answers there.
    const QString adresse = QStringLiteral("http://127.0.0.1:%1").arg(port_libre());
    banc.ecrire(QStringLiteral("../donnees/cfg/serveurs.ini"),
                {QStringLiteral("[serveurs]"), QStringLiteral("club=") + adresse,
                 QStringLiteral("pays=") + adresse});
    banc.demarrer();
    QVERIFY(QFileInfo::exists(banc.chemin(QStringLiteral("../donnees/cfg/SMTP.csv"))));
    banc.dialogues = DialoguesScriptes();
    taper_sans_boite(banc);
}

QTEST_MAIN(TestInstallation)
#include "tst_installation.moc"
