#include "mail/adresse_email.h"

#include <QProcess>
#include <QtTest>

using vorek::adresse_email_valide;

class TestAdresseEmail : public QObject {
    Q_OBJECT

  private slots:
    void formes_data();
    void formes();
    void ligne_de_commande_data();
    void ligne_de_commande();
};

void TestAdresseEmail::formes_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<bool>("valide");
    QTest::newRow("un atome, deux etiquettes") << QStringLiteral("f5abc@free.fr") << true;
    QTest::newRow("trois etiquettes") << QStringLiteral("jean@mail.club.fr") << true;
    QTest::newRow("atomes et points") << QStringLiteral("jean.pierre.martin@orange.fr") << true;
    QTest::newRow("symboles d'atome") << QStringLiteral("a!#$%&'*+-=?^_`{|}~@b.fr") << true;
    QTest::newRow("entre guillemets, blancs et points")
        << QStringLiteral("\"jean  .. martin.\"@free.fr") << true;
    QTest::newRow("guillemets puis atome") << QStringLiteral("\"a b\".c@free.fr") << true;
    QTest::newRow("echappement dans les guillemets")
        << QStringLiteral("\"a\\\"b\"@free.fr") << true;
    QTest::newRow("tirets et chiffres internes") << QStringLiteral("x@mail-2.a--b9.fr") << true;
    QTest::newRow("codes 128 a 255") << QStringLiteral("andré\u00ff@free.fr") << true;
    QTest::newRow("etiquette d'une lettre") << QStringLiteral("a@b.c") << true;

    QTest::newRow("une seule etiquette") << QStringLiteral("f5abc@free") << false;
    QTest::newRow("domaine fini par un point") << QStringLiteral("f5abc@free.fr.") << false;
    QTest::newRow("domaine fini par un tiret") << QStringLiteral("f5abc@free.fr-") << false;
    QTest::newRow("etiquette commencant par un chiffre")
        << QStringLiteral("f5abc@free.9fr") << false;
    QTest::newRow("etiquette commencant par un tiret") << QStringLiteral("f5abc@-free.fr") << false;
    QTest::newRow("deux points de suite") << QStringLiteral("jean..martin@free.fr") << false;
    QTest::newRow("point au debut") << QStringLiteral(".jean@free.fr") << false;
    QTest::newRow("point avant @") << QStringLiteral("jean.@free.fr") << false;
    QTest::newRow("blanc hors guillemets") << QStringLiteral("jean martin@free.fr") << false;
    QTest::newRow("rien avant @") << QStringLiteral("@free.fr") << false;
    QTest::newRow("texte vide") << QString() << false;
    QTest::newRow("retour chariot entre guillemets") << QStringLiteral("\"a\rb\"@free.fr") << false;
    QTest::newRow("guillemets non fermes") << QStringLiteral("\"abc@free.fr") << false;
    QTest::newRow("deux @") << QStringLiteral("a@b@free.fr") << false;
    QTest::newRow("caractere de controle") << QStringLiteral("a\tb@free.fr") << false;
    QTest::newRow("code 127") << QStringLiteral("a\u007fb@free.fr") << false;
    QTest::newRow("au-dela de 255") << QStringLiteral("a\u0153b@free.fr") << false;
    QTest::newRow("lettre accentuee dans le domaine") << QStringLiteral("a@fré.fr") << false;
    QTest::newRow("blanc final") << QStringLiteral("a@free.fr ") << false;
    QTest::newRow("sans domaine") << QStringLiteral("f5abc@") << false;
}

void TestAdresseEmail::formes() {
    QFETCH(QString, adresse);
    QFETCH(bool, valide);
    QCOMPARE(adresse_email_valide(adresse), valide);
}

void TestAdresseEmail::ligne_de_commande_data() {
    QTest::addColumn<QString>("adresse");
    QTest::addColumn<QString>("sortie");
    QTest::addColumn<int>("code");
    QTest::newRow("valide") << QStringLiteral("f5abc@free.fr") << QStringLiteral("oui\n") << 0;
    QTest::newRow("refusee") << QStringLiteral("f5abc@free") << QStringLiteral("non\n") << 1;
}

void TestAdresseEmail::ligne_de_commande() {
    QFETCH(QString, adresse);
    QFETCH(QString, sortie);
    QFETCH(int, code);
    QProcess vorek;
    vorek.start(QStringLiteral(VOREK_OUTIL_CLI), {QStringLiteral("email-valide"), adresse});
    QVERIFY(vorek.waitForFinished(30000));
    QCOMPARE(QString::fromUtf8(vorek.readAllStandardOutput()), sortie);
    QCOMPARE(vorek.exitCode(), code);
}

QTEST_GUILESS_MAIN(TestAdresseEmail)
#include "tst_adresse_email.moc"
