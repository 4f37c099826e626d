#include "app/parametres.h"
#include "base/erreur.h"
#include "base/fichier_reglages.h"
#include "octets_fichier.h"
#include "rig/reglages_rig.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

using namespace vorek;

class TestParametres : public QObject {
    Q_OBJECT

  private slots:
    void init() {
        dossier_ = std::make_unique<QTemporaryDir>();
        QVERIFY(dossier_->isValid());
    }
    void sans_fichier_les_valeurs_de_depart();
    void valeurs_illisibles_data();
    void valeurs_illisibles();
    void aller_retour();
    void ecriture_garde_les_autres_cles();
    void ecriture_impossible_nomme_le_fichier();
    void fichier_quelconque_ne_gene_pas();
    void fichier_complet_octet_pour_octet();

  private:
    QString chemin() const { return dossier_->filePath(QStringLiteral("Challenge_VRK.ini")); }
    std::unique_ptr<QTemporaryDir> dossier_;
};

void TestParametres::sans_fichier_les_valeurs_de_depart() {
    const Parametres p = lire_parametres(chemin(), 10);
    QCOMPARE(p.form_main, (Geometrie{910, 160, 600, 800}));
    QCOMPARE(p.form_infos, (Geometrie{395, 440, 770, 90}));
    QCOMPARE(p.form_choix_ADIF, (Geometrie{370, 260, 310, 140}));
    QCOMPARE(p.largeurs_colonnes, QList<int>(10, 50));
    QVERIFY(!p.largeurs_enregistrees);
    QCOMPARE(p.email, QString());
    QCOMPARE(p.dernier_fichier, QString());
    QVERIFY(!p.form_infoCR && !p.form_statistiques && !p.form_verification);
    QVERIFY(!QFile::exists(chemin()));
}

void TestParametres::valeurs_illisibles_data() {
    QTest::addColumn<QByteArray>("valeur");
    QTest::addColumn<int>("attendu");
    QTest::newRow("lettres") << QByteArray("abc") << 910;
    QTest::newRow("vide") << QByteArray("") << 910;
    QTest::newRow("decimal") << QByteArray("12.5") << 910;
    QTest::newRow("trop grand") << QByteArray("99999999999999") << 910;
    QTest::newRow("blancs autour") << QByteArray(" 1200 ") << 1200;
    QTest::newRow("negatif") << QByteArray("-8") << -8;
}

void TestParametres::valeurs_illisibles() {
    QFETCH(QByteArray, valeur);
    QFETCH(int, attendu);
    ecrire_octets(chemin(), "[Windows]\r\nForm_mainW=" + valeur +
                                "\r\nForm_mainT=20\r\n"
                                "[Grille]\r\nWCol0=xx\r\nWCol1=77\r\n");
    const Parametres p = lire_parametres(chemin(), 3);
    QCOMPARE(p.form_main.largeur, attendu);
    QCOMPARE(p.form_main.haut, 20);
    QCOMPARE(p.largeurs_colonnes, (QList<int>{50, 77, 50}));
    // One width stored, even unreadable, and this is no first start any more.
    QVERIFY(p.largeurs_enregistrees);
}

void TestParametres::aller_retour() {
    Parametres p;
    p.form_main = {1200, 30, 40, 700};
    p.form_infos = {640, 100, 200, 580};
    p.form_choix_ADIF = {380, 5, 6, 150};
    p.form_statistiques = Geometrie{1000, 50, -300, 650};
    p.largeurs_colonnes = {131, 64, 96, 64, 75, 64, 64, 35, 231, 221, 12};
    p.email = QStringLiteral("f5abc@free.fr");
    p.dernier_fichier = QStringLiteral("/home/opérateur/Été 2025; [juillet]/ete=1.VRK");
    p.derniere_bande = QStringLiteral("70cm");
    ecrire_parametres(chemin(), p);
    const Parametres relu = lire_parametres(chemin(), 11);
    QCOMPARE(relu.dernier_fichier, p.dernier_fichier);
    QCOMPARE(relu.derniere_bande, p.derniere_bande);
    QCOMPARE(relu.form_main, p.form_main);
    QCOMPARE(relu.form_infos, p.form_infos);
    QCOMPARE(relu.form_choix_ADIF, p.form_choix_ADIF);
    // A window never placed stays absent, and the next start places it beside the main one.
    QCOMPARE(relu.form_statistiques, p.form_statistiques);
    QVERIFY(!relu.form_infoCR && !relu.form_verification);
    QCOMPARE(relu.largeurs_colonnes, p.largeurs_colonnes);
    QCOMPARE(relu.email, p.email);

    QFile f(chemin());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    for (const char* ligne :
         {"[Windows]", "Form_mainW=1200", "Form_infosL=200", "Form_choix_ADIFH=150", "[Grille]",
          "WCol10=12", "[My_EMAIL]", "AD=f5abc@free.fr"}) {
        QVERIFY2(texte.contains(ligne), ligne);
    }
}

void TestParametres::ecriture_garde_les_autres_cles() {
    ecrire_octets(chemin(), "[Autre]\r\ncle=valeur\r\n[Grille]\r\nWCol0=80\r\n");
    Parametres p;
    p.largeurs_colonnes = {90};
    ecrire_parametres(chemin(), p);
    QFile f(chemin());
    QVERIFY(f.open(QIODevice::ReadOnly));
    const QByteArray texte = f.readAll();
    QVERIFY(texte.contains("cle=valeur"));
    QVERIFY(texte.contains("WCol0=90"));
}

void TestParametres::ecriture_impossible_nomme_le_fichier() {
    // A folder where the file should be: no process can write it, whatever its rights.
    QVERIFY(QDir(dossier_->path()).mkdir(QStringLiteral("Challenge_VRK.ini")));
    try {
        ecrire_parametres(chemin(), Parametres{});
        QFAIL("l'écriture aurait dû échouer");
    } catch (const Erreur& e) {
        QVERIFY2(e.message().contains(QDir::toNativeSeparators(chemin())), qPrintable(e.message()));
    }
}

void TestParametres::fichier_quelconque_ne_gene_pas() {
    QByteArray octets;
    for (int i = 0; i < 5000; ++i) {
        octets.append(char((i * 37 + 11) % 256));
    }
    ecrire_octets(chemin(), "[Windows\r\n=\r\nForm_mainW\r\n" + octets);
    const Parametres p = lire_parametres(chemin(), 10);
    QCOMPARE(p.form_main.largeur, 910);
    QCOMPARE(p.largeurs_colonnes.size(), 10);
}

// Every section the program writes, values with the characters INI files treat apart: the
// bytes are those the files have always had, so a file of an earlier version reads the same.
void TestParametres::fichier_complet_octet_pour_octet() {
    Parametres p;
    p.largeurs_colonnes = {131, -4};
    p.email = QStringLiteral("dupont, jean@free.fr");
    p.dernier_fichier = QStringLiteral("/home/opérateur/Été 2025; [juillet]/ete=1.VRK");
    p.derniere_bande = QStringLiteral("70cm");
    p.smtp = {QStringLiteral("smtp.free.fr"), QStringLiteral("587"), SecuriteSmtp::starttls,
              QStringLiteral("Dupont, Jean"), false};
    ecrire_parametres(chemin(), p);
    ReglagesRig r;
    r.radio = {2, QStringLiteral("localhost:4532"), 0};
    r.manipulateur.wpm = 28;
    r.messages[0] = QStringLiteral("CQ ZTC {MOI}, {MOI} K");
    r.messages[7] = QString();
    ecrire_reglages_rig(chemin(), r);
    QCOMPARE(lire_octets(chemin()),
             QByteArray("[Envoi_SMTP]\n"
                        "Port=587\n"
                        "Securite=starttls\n"
                        "Serveur=smtp.free.fr\n"
                        "Utilisateur=\"Dupont, Jean\"\n"
                        "VerifierCertificat=0\n"
                        "\n"
                        "[Grille]\n"
                        "WCol0=131\n"
                        "WCol1=-4\n"
                        "\n"
                        "[Manipulateur]\n"
                        "Hote=127.0.0.1\n"
                        "Port=6789\n"
                        "Type=aucun\n"
                        "WPM=28\n"
                        "\n"
                        "[MessagesCW]\n"
                        "F1=\"CQ ZTC {MOI}, {MOI} K\"\n"
                        "F2={IND} {RST} {NUM}\n"
                        "F3=TU {MOI}\n"
                        "F4={MOI}\n"
                        "F5={IND}\n"
                        "F6={RST} {NUM} {RST} {NUM}\n"
                        "F7=AGN?\n"
                        "F8=\n"
                        "\n"
                        "[My_EMAIL]\n"
                        "AD=\"dupont, jean@free.fr\"\n"
                        "\n"
                        "[Radio]\n"
                        "Modele=2\n"
                        "Port=localhost:4532\n"
                        "Vitesse=0\n"
                        "\n"
                        "[Reprise]\n"
                        "Bande=70cm\n"
                        "Fichier=\"/home/opérateur/Été 2025; [juillet]/ete=1.VRK\"\n"
                        "\n"
                        "[Windows]\n"
                        "Form_choix_ADIFH=140\n"
                        "Form_choix_ADIFL=310\n"
                        "Form_choix_ADIFT=260\n"
                        "Form_choix_ADIFW=370\n"
                        "Form_infosH=90\n"
                        "Form_infosL=770\n"
                        "Form_infosT=440\n"
                        "Form_infosW=395\n"
                        "Form_mainH=800\n"
                        "Form_mainL=600\n"
                        "Form_mainT=160\n"
                        "Form_mainW=910\n"));
    QCOMPARE(lire_parametres(chemin(), 2).email, p.email);
    QCOMPARE(lire_parametres(chemin(), 2).smtp, p.smtp);
    QCOMPARE(lire_reglages_rig(chemin()), r);

    // Typed by hand without quotes, a comma makes a list: it reads as typed all the same.
    ecrire_octets(chemin(), "[My_EMAIL]\r\nAD=dupont, jean@free.fr\r\n");
    QCOMPARE(lire_parametres(chemin(), 2).email, p.email);
    // One place in the files a key.
    QSet<QString> chemins;
    for (int cle = 0; cle <= int(Cle::email_comite); ++cle) {
        chemins.insert(chemin_reglage({Cle(cle), QStringLiteral("X")}));
    }
    QCOMPARE(chemins.size(), int(Cle::email_comite) + 1);
}

QTEST_GUILESS_MAIN(TestParametres)
#include "tst_parametres.moc"
