#include "octets_fichier.h"
#include "outil_cli.h"
#include "pairs_radio.h"

#include "log/etat.h"
#include "log/fichier_challenge.h"

#include <QDir>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorek;

// vorek radio and vorek cw run as an operator would, against a real rigctld serving Hamlib's
// dummy rig and a UDP peer standing for cwdaemon.
class TestCliRadio : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { QVERIFY(rigctld_.lancer() && menteur_.lancer()); }
    void init();
    void radio_data();
    void radio();
    void cw_par_cwdaemon();
    void cw_refuse_data();
    void cw_refuse();
    void cw_par_la_radio();

  private:
    // {RIG} stands for rigctld's address, {LIBRE} for a port where nothing listens.
    QString adresses(QString texte) const {
        return texte.replace(QStringLiteral("{RIG}"), rigctld_.adresse())
            .replace(QStringLiteral("{MENTEUR}"), menteur_.adresse())
            .replace(QStringLiteral("{LIBRE}"), QString::number(port_libre()))
            .replace(QStringLiteral("{UDP}"), udp_->adresse());
    }
    void reglages(const QString& ini) const {
        QDir().mkpath(racine_->filePath(QStringLiteral("cfg")));
        ecrire_octets(racine_->filePath(QStringLiteral("cfg/Challenge_VRK.ini")),
                      adresses(ini).toUtf8());
    }
    // A challenge file of the work folder holding this station.
    QString journal(const QString& nom, const QString& indicatif, const QString& numero) const;
    QStringList commande(const QStringList& arguments) const {
        QStringList tout{QStringLiteral("--racine"), racine_->path()};
        for (const QString& a : arguments) {
            tout.append(adresses(a));
        }
        return tout;
    }

    Rigctld rigctld_;
    RigctldMenteur menteur_;
    std::unique_ptr<QTemporaryDir> racine_;
    std::unique_ptr<EcouteUdp> udp_;
};

void TestCliRadio::init() {
    racine_ = std::make_unique<QTemporaryDir>();
    udp_ = std::make_unique<EcouteUdp>();
}

QString TestCliRadio::journal(const QString& nom, const QString& indicatif,
                              const QString& numero) const {
    Etat etat;
    etat.fixer_rep_programme(racine_->path());
    QDir().mkpath(etat.rep_challenge);
    etat.station.station_call = indicatif;
    etat.station.station_nr_club = numero;
    sauver_fichier(etat, nom);
    return etat.rep_challenge + QLatin1Char('/') + nom;
}

void TestCliRadio::radio_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QStringList>("options");
    // rigctl commands, one per line, run first; "mentir X": the liar's frequency is X.
    QTest::addColumn<QByteArray>("rig");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie"); // stdout, or the start of stderr
    const QString reseau = QStringLiteral("[Radio]\nModele=2\nPort={RIG}\n");
    QTest::newRow("réglages") << reseau << QStringList() << QByteArray("F 145000000\nM FM 0") << 0
                              << "145000000\tFM\t2m\n";
    QTest::newRow("options, bord haut du 20m")
        << "" << QStringList{"--modele", "2", "--port", "{RIG}"}
        << QByteArray("F 14350000\nM CW 500") << 0 << "14350000\tCW\t20m\n";
    QTest::newRow("hors bande") << reseau << QStringList() << QByteArray("F 14350001") << 0
                                << "14350001\tCW\t\n";
    QTest::newRow("options avant réglages")
        << reseau << QStringList{"--modele", "1"} << QByteArray() << 0 << "145000000\tFM\t2m\n";
    QTest::newRow("pas de radio") << "" << QStringList() << QByteArray() << 1 << "Pas de radio";
    QTest::newRow("rigctld absent")
        << "" << QStringList{"--modele", "2", "--port", "127.0.0.1:{LIBRE}"} << QByteArray() << 1
        << "Impossible d'ouvrir la radio Hamlib NET rigctl (2) sur 127.0.0.1:";
    QTest::newRow("vitesse illisible")
        << "" << QStringList{"--modele", "1", "--vitesse", "vite"} << QByteArray() << 1
        << "Vitesse de la radio incorrecte : « vite »";
    QTest::newRow("modèle illisible")
        << "" << QStringList{"--modele", "FT991"} << QByteArray() << 2 << "modèle incorrect";
    // No number a rig cannot be on is printed as its frequency.
    for (const char* faux : {"-14025000", "nan", "inf", "1e30"}) {
        QTest::addRow("fréquence %s", faux) << QStringLiteral("[Radio]\nModele=2\nPort={MENTEUR}\n")
                                            << QStringList() << QByteArray("mentir ") + faux << 1
                                            << "Lecture de la radio refusée : fréquence illisible";
    }
}

void TestCliRadio::radio() {
    QFETCH(QString, ini);
    QFETCH(QStringList, options);
    QFETCH(QByteArray, rig);
    QFETCH(int, code);
    QFETCH(QString, sortie);
    reglages(ini);
    menteur_.mentir({});
    for (const QByteArray& ligne : rig.split('\n')) {
        if (ligne.startsWith("mentir ")) {
            menteur_.mentir(ligne.mid(7));
        } else if (!ligne.isEmpty()) {
            QCOMPARE(rigctld_.commande(ligne), QByteArray("RPRT 0"));
        }
    }
    const SortieCli lance = lancer_vorek(commande(QStringList{QStringLiteral("radio")} + options));
    QCOMPARE(lance.code, code);
    if (code == 0) {
        QCOMPARE(lance.sortie, sortie);
    } else {
        QVERIFY2(lance.erreurs.startsWith(sortie), qPrintable(lance.erreurs));
        QVERIFY(lance.sortie.isEmpty());
    }
}

void TestCliRadio::cw_par_cwdaemon() {
    // The station of the last log saved, unless a log is named.
    const QString ancien = journal(QStringLiteral("2024.VRK"), QStringLiteral("F6OLD"), "77");
    journal(QStringLiteral("2025.VRK"), QStringLiteral("F5ABC"), QStringLiteral("1234"));
    QFile vieux(ancien);
    QVERIFY(vieux.open(QIODevice::ReadWrite)); // setFileTime needs an open file
    QVERIFY(vieux.setFileTime(QDateTime::currentDateTime().addDays(-30),
                              QFileDevice::FileModificationTime));
    vieux.close();
    reglages(QStringLiteral("[MessagesCW]\nF2=\"{IND} {RST} {NUM}\"\n"));
    QProcess cw;
    cw.start(QStringLiteral(VOREK_CLI),
             commande({"cw", "f2", "--indicatif", "dl1xyz/p", "--cwdaemon", "{UDP}", "--wpm", "30",
                       "--rst", "579"}));
    QCOMPARE(udp_->recus(3), (QByteArrayList{"\x1b"
                                             "230",
                                             "\x1bh1", "DL1XYZ/P 579 1234"}));
    // Sent, not yet keyed: the command waits for cwdaemon's answer.
    QCOMPARE(cw.state(), QProcess::Running);
    udp_->repondre("h1");
    QVERIFY(cw.waitForFinished(5000));
    QCOMPARE(cw.exitCode(), 0);
    QCOMPARE(cw.readAllStandardOutput(), QByteArray("DL1XYZ/P 579 1234\n"));

    cw.start(QStringLiteral(VOREK_CLI),
             commande({"cw", "{MOI} {NUM}", "--fichier", ancien, "--cwdaemon", "{UDP}"}));
    QCOMPARE(udp_->recus(3), (QByteArrayList{"\x1b"
                                             "224",
                                             "\x1bh1", "F6OLD 77"}));
    udp_->repondre("h1");
    QVERIFY(cw.waitForFinished(5000));
    QCOMPARE(cw.exitCode(), 0);
}

void TestCliRadio::cw_refuse_data() {
    QTest::addColumn<QString>("ini");
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("erreur");
    const QString cwdaemon = QStringLiteral("[Manipulateur]\nType=cwdaemon\nPort={LIBRE}\n");
    QTest::newRow("indicatif absent") << cwdaemon << QStringList{"F5"} << 1
                                      << "Message non envoyé : le champ « Indicatif » est vide";
    QTest::newRow("pas de journal") << cwdaemon << QStringList{"TU {MOI}"} << 1
                                    << "Message non envoyé : le champ « Indicatif de la "
                                       "station » est vide";
    QTest::newRow("journal illisible")
        << cwdaemon << QStringList{"CQ", "--fichier", "absent.VRK"} << 1 << "Fichier introuvable";
    QTest::newRow("rien à envoyer")
        << cwdaemon << QStringList{"\x1b\t"} << 1 << "Message non envoyé : rien à envoyer";
    QTest::newRow("aucun manipulateur")
        << "" << QStringList{"CQ"} << 1 << "Aucun manipulateur n'est réglé";
    QTest::newRow("radio sans radio")
        << "" << QStringList{"CQ", "--radio"} << 1
        << "Le manipulateur « radio » demande une radio : choisissez son modèle";
    QTest::newRow("radio absente") << "[Radio]\nModele=2\nPort=127.0.0.1:{LIBRE}\n"
                                   << QStringList{"CQ", "--radio"} << 1
                                   << "Impossible d'ouvrir la radio Hamlib NET rigctl (2)";
    // Nothing listening: no echo comes, so nothing shows the message was keyed.
    QTest::newRow("cwdaemon muet")
        << cwdaemon << QStringList{"CQ", "--wpm", "60"} << 1 << "cwdaemon (127.0.0.1:";
    QTest::newRow("deux manipulateurs") << "" << QStringList{"CQ", "--radio", "--cwdaemon", "{UDP}"}
                                        << 2 << "options incompatibles : --cwdaemon, --radio";
    QTest::newRow("vitesse hors bornes")
        << cwdaemon << QStringList{"CQ", "--wpm", "61"} << 2 << "vitesse CW incorrecte";
}

void TestCliRadio::cw_refuse() {
    QFETCH(QString, ini);
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, erreur);
    reglages(ini);
    const SortieCli lance = lancer_vorek(commande(QStringList{QStringLiteral("cw")} + arguments));
    QCOMPARE(lance.code, code);
    QVERIFY2(lance.erreurs.startsWith(erreur), qPrintable(lance.erreurs));
    QVERIFY(lance.sortie.isEmpty());
    QCOMPARE(udp_->recus(0), QByteArrayList());
}

void TestCliRadio::cw_par_la_radio() {
    reglages(QStringLiteral("[Radio]\nModele=2\nPort={RIG}\n[Manipulateur]\nType=radio\n"));
    const SortieCli lance = lancer_vorek(commande({"cw", "cq test", "--wpm", "40"}));
    QCOMPARE(lance.erreurs, QString());
    QCOMPARE(lance.code, 0);
    QCOMPARE(lance.sortie, QStringLiteral("CQ TEST\n"));
    QCOMPARE(rigctld_.commande("l KEYSPD"), QByteArray("40"));
}

QTEST_GUILESS_MAIN(TestCliRadio)
#include "tst_cli_radio.moc"
