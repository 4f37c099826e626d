#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "ligne_donnees.h"
#include "refdata/pays.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTest>

#include <cstdio>
#include <unistd.h>

using namespace vorek;

class TestPays : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dossier_;
    QString liste() const { return dossier_.filePath(QStringLiteral("DXCC.CSV")); }

    static QStringList cinq_cles() {
        return {QStringLiteral("F,France,F,EU,227"), QStringLiteral("EA8,Canary Islands,EA8,AF,29"),
                QStringLiteral("KH6,Hawaii,KH6,OC,110"), QStringLiteral("4X,Israel,4X,AS,336"),
                QStringLiteral("9A,Croatia,9A,EU,497")};
    }

  private slots:
    void candidats_data();
    void candidats();
    void resolution_data();
    void resolution();
    void appel_vide_ne_rend_rien();
    void cle_exacte_premiere_ligne_gagne();
    void liste_absente_ou_nom_en_minuscules();
    void fichier_remplace_pris_en_compte();
    void fichier_illisible_signale();
    void indicatif_de_base_data();
    void indicatif_de_base();
};

void TestPays::candidats_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QStringList>("attendus");
    auto l = [](std::initializer_list<const char*> t) {
        QStringList r;
        for (const char* s : t) {
            r << QString::fromLatin1(s);
        }
        return r;
    };
    ligne_donnees("lettre chiffre lettres", "F5ABC", l({"F5A", "F5", "F", "F"}));
    ligne_donnees("prefixe avant barre", "EA8/F5ABC", l({"EA8", "EA8", "EA", "E"}));
    ligne_donnees("suffixe portable", "F5ABC/P", l({"F5A", "F5", "F", "F"}));
    ligne_donnees("deux lettres", "KH6XY", l({"KH6X", "KH6", "KH", "K"}));
    ligne_donnees("commence par un chiffre", "4X1AB", l({"4X", "4X", "4", "4"}));
    ligne_donnees("sans second chiffre", "9A", l({"9A", "9A", "9", "9"}));
    ligne_donnees("chiffre en dernier", "F6", l({"F6", "F6", "F", "F"}));
    ligne_donnees("minuscules", "f5abc", l({"F5A", "F5", "F", "f"}));
    ligne_donnees("barre en tete", "/P", l({"", "", "", "/"}));
    ligne_donnees("vide", "", QStringList());
}

void TestPays::candidats() {
    QFETCH(QString, indicatif);
    QFETCH(QStringList, attendus);
    QCOMPARE(candidats_pays(indicatif), attendus);
}

void TestPays::resolution_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("prefixe");
    QTest::addColumn<QString>("continent");
    ligne_donnees("F5ABC", "F5ABC", "F", "EU");
    ligne_donnees("F5ABC/P", "F5ABC/P", "F", "EU");
    ligne_donnees("EA8/F5ABC", "EA8/F5ABC", "EA8", "AF");
    ligne_donnees("F5ABC/EA8", "F5ABC/EA8", "F", "EU");
    ligne_donnees("KH6XY", "KH6XY", "KH6", "OC");
    ligne_donnees("4X1AB", "4X1AB", "4X", "AS");
    ligne_donnees("9A", "9A", "9A", "EU");
    ligne_donnees("F6", "F6", "F", "EU");
    ligne_donnees("ZZ9ZZ", "ZZ9ZZ", "", "");
    ligne_donnees("minuscules", "f5abc", "F", "EU");
    ligne_donnees("seule la 4e en minuscule", "fzzz", "", "");
    ligne_donnees("seule la 4e en majuscule", "FZZZ", "F", "EU");
}

void TestPays::resolution() {
    QFETCH(QString, indicatif);
    QFETCH(QString, prefixe);
    QFETCH(QString, continent);
    ecrire_lignes(liste(), cinq_cles());
    const DonneesPays pays(liste());
    const ResultatPays r = pays.trouver_pays(indicatif);
    QCOMPARE(r.dxcc_prefixe, prefixe);
    QCOMPARE(r.dxcc_continent, continent);
}

void TestPays::appel_vide_ne_rend_rien() {
    ecrire_lignes(liste(), cinq_cles() << QStringLiteral(",Vide,VV,SA,1"));
    const DonneesPays pays(liste());
    QCOMPARE(pays.trouver_pays(QStringLiteral("F5ABC")).dxcc_prefixe, QStringLiteral("F"));
    const ResultatPays r = pays.trouver_pays(QString());
    QVERIFY(r.dxcc_prefixe.isEmpty());
    QVERIFY(r.dxcc_continent.isEmpty());
    // The raw look-up of an empty key does find a line that begins with a comma.
    QCOMPARE(pays.chercher_dxcc(QString()).dxcc_prefixe, QStringLiteral("VV"));
}

void TestPays::cle_exacte_premiere_ligne_gagne() {
    ecrire_lignes(liste(),
                  {QStringLiteral("ligne sans virgule"), QStringLiteral("AL1,Alpha,AL1,EU,999"),
                   QStringLiteral("AL1,Beta,BE1,AF,998"), QStringLiteral(" AL2,Blanc,AL2,NA,1"),
                   QStringLiteral("AL3,Court,AL3")});
    const DonneesPays pays(liste());
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("AL1")).dxcc_prefixe, QStringLiteral("AL1"));
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("AL1")).dxcc_continent, QStringLiteral("EU"));
    QVERIFY(pays.chercher_dxcc(QStringLiteral("al1")).dxcc_prefixe.isEmpty());
    QVERIFY(pays.chercher_dxcc(QStringLiteral("AL2")).dxcc_prefixe.isEmpty());
    QCOMPARE(pays.chercher_dxcc(QStringLiteral(" AL2")).dxcc_continent, QStringLiteral("NA"));
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("AL3")).dxcc_prefixe, QStringLiteral("AL3"));
    QVERIFY(pays.chercher_dxcc(QStringLiteral("AL3")).dxcc_continent.isEmpty());
    QVERIFY(pays.chercher_dxcc(QStringLiteral("ligne sans virgule")).dxcc_prefixe.isEmpty());
}

void TestPays::liste_absente_ou_nom_en_minuscules() {
    QTemporaryDir autre;
    const DonneesPays pays(autre.filePath(QStringLiteral("DXCC.csv")));
    QVERIFY(pays.trouver_pays(QStringLiteral("F5ABC")).dxcc_prefixe.isEmpty());
    QVERIFY(!pays.trouver_pays(QStringLiteral("F5ABC")).liste_trouvee);
    // The conversion writes DXCC.CSV; the look-up asks for DXCC.csv: one file.
    ecrire_lignes(autre.filePath(QStringLiteral("DXCC.CSV")), cinq_cles());
    QCOMPARE(pays.trouver_pays(QStringLiteral("F5ABC")).dxcc_prefixe, QStringLiteral("F"));
    QVERIFY(pays.trouver_pays(QStringLiteral("ZZ9ZZ")).liste_trouvee);
    QVERIFY(QFile::remove(autre.filePath(QStringLiteral("DXCC.CSV"))));
    QVERIFY(pays.trouver_pays(QStringLiteral("F5ABC")).dxcc_prefixe.isEmpty());
    QVERIFY(!pays.chercher_dxcc(QStringLiteral("F")).liste_trouvee);
}

void TestPays::fichier_remplace_pris_en_compte() {
    ecrire_lignes(liste(), {QStringLiteral("F,France,F,EU,227")});
    const DonneesPays pays(liste());
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("F")).dxcc_continent, QStringLiteral("EU"));
    // Same size, rewritten at once: only the modification time tells them apart.
    ecrire_lignes(liste(), {QStringLiteral("F,France,F,AF,227")});
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("F")).dxcc_continent, QStringLiteral("AF"));
    const QString neuf = dossier_.filePath(QStringLiteral("neuf.csv"));
    ecrire_lignes(neuf, {QStringLiteral("F,France,F,OC,227")});
    QVERIFY(std::rename(QFile::encodeName(neuf).constData(),
                        QFile::encodeName(liste()).constData()) == 0);
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("F")).dxcc_continent, QStringLiteral("OC"));
}

void TestPays::fichier_illisible_signale() {
    if (::geteuid() == 0) {
        QSKIP("root reads every file");
    }
    ecrire_lignes(liste(), cinq_cles());
    QFile::setPermissions(liste(), QFileDevice::WriteOwner);
    const DonneesPays pays(liste());
    try {
        pays.chercher_dxcc(QStringLiteral("F"));
        QFAIL("no error");
    } catch (const Erreur& e) {
        QCOMPARE(e.message(), QStringLiteral("Accès au fichier refusé"));
    }
    QFile::setPermissions(liste(), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QCOMPARE(pays.chercher_dxcc(QStringLiteral("F")).dxcc_prefixe, QStringLiteral("F"));
}

void TestPays::indicatif_de_base_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("base");
    QTest::addColumn<QString>("base_points");
    ligne_donnees("/P", "F5ABC/P", "F5ABC", "F5ABC");
    ligne_donnees("/QRP", "F5ABC/QRP", "F5ABC", "F5ABC");
    ligne_donnees("/MM", "F5ABC/MM", "F5ABC", "F5ABC");
    ligne_donnees("prefixe et /P", "EA8/F5ABC/P", "F5ABC", "F5ABC");
    ligne_donnees("prefixe", "DL/F5ABC", "F5ABC", "F5ABC");
    ligne_donnees("chiffre apres barre", "F5ABC/9", "9", "9");
    ligne_donnees("barre suivie de A", "SV/AB1CD", "SV", "SV");
    ligne_donnees("/N", "F5ABC/N", "F5ABC", "N");
    ligne_donnees("minuscules inchangees", "f5abc/p", "p", "p");
    ligne_donnees("sans barre", "F5ABC", "F5ABC", "F5ABC");
    ligne_donnees("vide", "", "", "");
}

void TestPays::indicatif_de_base() {
    QFETCH(QString, indicatif);
    QFETCH(QString, base);
    QFETCH(QString, base_points);
    QCOMPARE(vorek::indicatif_de_base(indicatif), base);
    QCOMPARE(vorek::indicatif_de_base_points(indicatif), base_points);
}

QTEST_GUILESS_MAIN(TestPays)
#include "tst_pays.moc"
