#include "base/erreur.h"
#include "octets_fichier.h"
#include "rig/code_morse.h"
#include "rig/messages_cw.h"
#include "rig/reglages_rig.h"
#include "rig/saisie_rig.h"
#include "rig/sortes_manipulateur.h"
#include "rig/suivi_radio.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorek;

class TestMessagesCw : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dossier_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier_->isValid());
    }
    void developpement_data();
    void developpement();
    void duree_paris();
    void reglages_par_defaut_et_illisibles();
    void reglages_aller_retour();
    void reglages_ecriture_impossible();
    void hote_port_data();
    void hote_port();
    void saisie_des_reglages_data();
    void saisie_des_reglages();
    void chaque_sorte_de_manipulateur();

  private:
    QString chemin() const { return dossier_->filePath(QStringLiteral("Challenge_VRK.ini")); }
    std::unique_ptr<QTemporaryDir> dossier_;
};

void TestMessagesCw::developpement_data() {
    QTest::addColumn<QString>("modele");
    QTest::addColumn<QString>("ind");
    QTest::addColumn<QString>("num");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("erreur");
    const QString sans_ind = QStringLiteral("Message non envoyé : le champ « Indicatif » est vide");
    QTest::newRow("tous") << "{ind} de {MOI} {RST} {NUM} {IND}"
                          << "on4zz/p"
                          << "12"
                          << "ON4ZZ/P DE F5ABC 599 12 ON4ZZ/P" << QString();
    QTest::newRow("sans macro") << "  cq   cq\ttest  "
                                << ""
                                << ""
                                << "CQ CQ TEST" << QString();
    QTest::newRow("vide") << ""
                          << ""
                          << ""
                          << "" << QString();
    QTest::newRow("indicatif vide") << "TU {IND}"
                                    << ""
                                    << "12"
                                    << "" << sans_ind;
    QTest::newRow("indicatif illisible") << "{IND}"
                                         << "\x1b\x1b??"
                                         << "12"
                                         << "??" << QString();
    QTest::newRow("indicatif sans morse") << "TU {IND}"
                                          << "\x1b\r\n é"
                                          << "12"
                                          << "" << sans_ind;
    QTest::newRow("numero vide")
        << "{RST} {NUM}"
        << ""
        << ""
        << "" << QStringLiteral("Message non envoyé : le champ « N° ZTC de la station » est vide");
    QTest::newRow("macro inconnue")
        << "{IND} {QTH}"
        << "F6XYZ"
        << "12"
        << "" << QStringLiteral("Message non envoyé : macro inconnue {QTH}");
    QTest::newRow("accolades seules")
        << "{ TU }{"
        << ""
        << ""
        << "" << QStringLiteral("Message non envoyé : macro inconnue { TU }");
    QTest::newRow("echappement dans le modele") << "\x1b"
                                                   "4CQ^~"
                                                << ""
                                                << ""
                                                << "4CQ" << QString();
}

void TestMessagesCw::developpement() {
    QFETCH(QString, modele);
    QFETCH(QString, ind);
    QFETCH(QString, num);
    QFETCH(QString, texte);
    QFETCH(QString, erreur);
    const MessageCw m =
        developper_message(modele, {QStringLiteral("F5ABC"), ind, num, QStringLiteral("599")});
    QCOMPARE(m.texte, texte);
    QCOMPARE(m.erreur, erreur);
}

void TestMessagesCw::duree_paris() {
    // PARIS is 50 units by definition; at 20 WPM a unit is 60 ms.
    QCOMPARE(duree_morse_ms(QStringLiteral("PARIS"), 20), 3000);
    QCOMPARE(duree_morse_ms(QStringLiteral("paris paris"), 20), 6000);
    QCOMPARE(duree_morse_ms(QStringLiteral("PARIS"), 0), 0);
}

void TestMessagesCw::reglages_par_defaut_et_illisibles() {
    const ReglagesRig defaut;
    QCOMPARE(defaut.radio.modele, 0);
    QCOMPARE(defaut.manipulateur.type, QStringLiteral("aucun"));
    QCOMPARE(lire_reglages_rig(chemin()), defaut);
    QVERIFY(!QFile::exists(chemin()));

    ecrire_octets(chemin(), "[Radio]\r\nModele=-4\r\nVitesse=x\r\nPort= /dev/ttyUSB0 \r\n"
                            "[Manipulateur]\r\nType=Radio\r\nPort=70000\r\nWPM=500\r\nHote=\r\n"
                            "[MessagesCW]\r\nF2=\r\nF3=TU, 73\r\nF9=X\r\n");
    const ReglagesRig r = lire_reglages_rig(chemin());
    QCOMPARE(r.radio, (ReglagesRadio{0, QStringLiteral("/dev/ttyUSB0"), 0}));
    QCOMPARE(r.manipulateur, (ReglagesManipulateur{QStringLiteral("radio")}));
    QCOMPARE(r.messages[0], defaut.messages[0]);
    QCOMPARE(r.messages[1], QString());
    QCOMPARE(r.messages[2], QStringLiteral("TU, 73"));
}

void TestMessagesCw::reglages_aller_retour() {
    ecrire_octets(chemin(), "[Windows]\r\nForm_mainW=1200\r\n[My_EMAIL]\r\nAD=f5abc@free.fr\r\n");
    ReglagesRig r;
    r.radio = {1035, QStringLiteral("/dev/ttyUSB0"), 38400};
    r.manipulateur = {QStringLiteral("cwdaemon"), QStringLiteral("shack.local"), 6790, 28};
    r.messages[0] = QStringLiteral("CQ ZTC {MOI}, {MOI} K");
    r.messages[7] = QString();
    ecrire_reglages_rig(chemin(), r);
    QCOMPARE(lire_reglages_rig(chemin()), r);
    const QByteArray octets = lire_octets(chemin());
    for (const char* ligne : {"Form_mainW=1200", "AD=f5abc@free.fr", "[Radio]", "Modele=1035",
                              "[Manipulateur]", "Type=cwdaemon", "WPM=28", "[MessagesCW]"}) {
        QVERIFY2(octets.contains(ligne), ligne);
    }
}

void TestMessagesCw::reglages_ecriture_impossible() {
    // A folder where the file should be: no process can write it, whatever its rights.
    QVERIFY(QDir(dossier_->path()).mkdir(QStringLiteral("Challenge_VRK.ini")));
    try {
        ecrire_reglages_rig(chemin(), ReglagesRig{});
        QFAIL("l'écriture aurait dû échouer");
    } catch (const Erreur& e) {
        QVERIFY2(e.message().contains(QDir::toNativeSeparators(chemin())), qPrintable(e.message()));
    }
}

void TestMessagesCw::hote_port_data() {
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("hote");
    QTest::addColumn<int>("port");
    QTest::newRow("hote et port") << " shack:6790 "
                                  << "shack" << 6790;
    QTest::newRow("hote seul") << "192.168.1.9"
                               << "192.168.1.9" << 6789;
    QTest::newRow("ipv6") << "[::1]:4532"
                          << "::1" << 4532;
    QTest::newRow("ipv6 nu") << "fe80::1"
                             << "fe80::1" << 6789;
    QTest::newRow("port vide") << "shack:"
                               << "" << 0;
    QTest::newRow("port trop grand") << "shack:65536"
                                     << "" << 0;
    QTest::newRow("port nul") << "shack:0"
                              << "" << 0;
    QTest::newRow("sans hote") << ":6789"
                               << "" << 0;
    QTest::newRow("vide") << ""
                          << "" << 0;
}

void TestMessagesCw::hote_port() {
    QFETCH(QString, texte);
    QFETCH(QString, hote);
    QFETCH(int, port);
    const std::optional<HotePort> lu = lire_hote_port(texte, 6789);
    QCOMPARE(lu.has_value(), port != 0);
    if (lu) {
        QCOMPARE(lu->hote, hote);
        QCOMPARE(int(lu->port), port);
    }
}

void TestMessagesCw::saisie_des_reglages_data() {
    QTest::addColumn<int>("modele");
    QTest::addColumn<QString>("port");
    QTest::addColumn<QString>("vitesse");
    QTest::addColumn<QString>("type");
    QTest::addColumn<QString>("cwdaemon");
    QTest::addColumn<QString>("attendu"); // the settings read back, or the message
    const QString aucun = QStringLiteral("aucun");
    const QString cwdaemon = QStringLiteral("cwdaemon");
    const QString radio = QStringLiteral("radio");
    QTest::newRow("serie") << 1035 << " /dev/ttyUSB0 "
                           << " 38400 " << radio << "x:0"
                           << "1035 /dev/ttyUSB0 38400 radio 127.0.0.1:6789";
    QTest::newRow("reseau") << 2 << "shack:4533"
                            << "" << cwdaemon << " [::1]:6790 "
                            << "2 shack:4533 0 cwdaemon ::1:6790";
    QTest::newRow("reseau sans port") << 2 << "shack"
                                      << "" << aucun << "pi"
                                      << "2 shack 0 aucun pi:6789";
    QTest::newRow("vitesse negative") << 1035 << ""
                                      << "-1" << aucun << ""
                                      << "Vitesse de la radio incorrecte : « -1 » (un nombre de "
                                         "bauds est attendu)";
    QTest::newRow("adresse reseau illisible")
        << 2 << "shack:70000"
        << "" << aucun << ""
        << "Adresse de la radio incorrecte : « shack:70000 » (hôte:port attendu)";
}

void TestMessagesCw::saisie_des_reglages() {
    QFETCH(int, modele);
    QFETCH(QString, port);
    QFETCH(QString, vitesse);
    QFETCH(QString, type);
    QFETCH(QString, cwdaemon);
    QFETCH(QString, attendu);
    SaisieRig saisie;
    saisie.modele = modele;
    saisie.port = port;
    saisie.vitesse = vitesse;
    saisie.type = type;
    saisie.adresse_manipulateur = cwdaemon;
    saisie.wpm = 99;
    saisie.messages[0] = QStringLiteral("CQ {MOI}");
    const ReglagesSaisis lu = lire_saisie_rig(saisie);
    if (!lu.erreur.isEmpty()) {
        QCOMPARE(lu.erreur, attendu);
        return;
    }
    const ReglagesRig& r = lu.reglages;
    QCOMPARE(QStringLiteral("%1 %2 %3 %4 %5:%6")
                 .arg(r.radio.modele)
                 .arg(r.radio.port)
                 .arg(r.radio.vitesse_bauds)
                 .arg(r.manipulateur.type, r.manipulateur.hote)
                 .arg(r.manipulateur.port),
             attendu);
    QCOMPARE(r.manipulateur.wpm, Manipulateur::vitesse_max);
    QCOMPARE(r.messages[0], QStringLiteral("CQ {MOI}"));
    // What the window shows back reads as the same settings.
    const ReglagesSaisis relu = lire_saisie_rig(saisie_de(r));
    QCOMPARE(relu.erreur, QString());
    QCOMPARE(relu.reglages, r);
}

// What every kind of keyer must hold to, whichever it is: a word the settings file keeps, a
// keyer made from the settings that says its kind, and the refusals its needs call for.
void TestMessagesCw::chaque_sorte_de_manipulateur() {
    QCOMPARE(sortes_manipulateur().front(), &sans_manipulateur());
    SuiviRadio radio;
    for (const SorteManipulateur* sorte : sortes_manipulateur()) {
        ReglagesRig r;
        r.radio.modele = 1;
        r.manipulateur.type = sorte->nom.toUpper();
        ecrire_reglages_rig(chemin(), r);
        const ReglagesRig relus = lire_reglages_rig(chemin());
        QCOMPARE(relus.manipulateur.type, sorte->nom);

        const std::unique_ptr<Manipulateur> m = creer_manipulateur(relus.manipulateur, &radio);
        QCOMPARE(m != nullptr, sorte != &sans_manipulateur());
        if (m) {
            QCOMPARE(&m->sorte(), sorte);
            QVERIFY(texte_manipulateur(*m).startsWith(
                QStringLiteral("Manipulateur %1 (").arg(sorte->nom_etat)));
        }
        SaisieRig saisie = saisie_de(relus);
        saisie.modele = 0;
        saisie.adresse_manipulateur = QStringLiteral("shack:0");
        const QString refus = lire_saisie_rig(saisie).erreur;
        QCOMPARE(!refus.isEmpty(), sorte->capacites.adresse || sorte->capacites.demande_radio);
        QVERIFY2(!sorte->capacites.demande_radio ||
                     creer_manipulateur(relus.manipulateur, nullptr) == nullptr,
                 qPrintable(sorte->nom));
    }
    QCOMPARE(&sorte_manipulateur(QStringLiteral("morse-o-matic")), &sans_manipulateur());
}

QTEST_GUILESS_MAIN(TestMessagesCw)
#include "tst_messages_cw.moc"
