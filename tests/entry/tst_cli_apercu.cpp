#include "dossier_essai.h"
#include "ligne_donnees.h"
#include "outil_cli.h"

#include "log/fichier_challenge.h"

#include <QFile>
#include <QTest>

using namespace vorek;

// vorek apercu and vorek partiel, run as an operator would, on a log of two QSOs on
// 10/07/2025: F5ABC on 20m, DL1AA on 40m. The tool's today is 15/07/2025.
class TstCliApercu : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase();
    void commandes_data();
    void commandes();
    void base_absente();

  private:
    SortieCli vorek(const QStringList& arguments) const;
    DossierEssai d_;
    QString fichier_;
};

void TstCliApercu::initTestCase() {
    d_.ecrire_dxcc();
    d_.ecrire_membres();
    d_.ajouter(DossierEssai::ligne_decrite(QStringLiteral("10/07/2025;09:00;F5ABC;20m")));
    d_.ajouter(DossierEssai::ligne_decrite(QStringLiteral("10/07/2025;09:30;DL1AA;40m")));
    sauver_fichier(d_.etat, d_.etat.fichier_courant);
    fichier_ = chemin_dans_challenge(d_.etat, d_.etat.fichier_courant);
}

SortieCli TstCliApercu::vorek(const QStringList& arguments) const {
    QStringList avec_fichier = arguments;
    avec_fichier.replaceInStrings(QStringLiteral("@"), fichier_);
    return lancer_vorek(QStringList{"--racine", d_.dossier.path(), "--aujourdhui", "15/07/2025"} +
                        avec_fichier);
}

void TstCliApercu::commandes_data() {
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<int>("code");
    QTest::addColumn<QString>("sortie");
    const QStringList le_10{"--date", "10/07/2025", "--heure", "12:00"};
    const QStringList le_11{"--date", "11/07/2025", "--heure", "12:00"};
    ligne_donnees("refus du meme jour", QStringList{"apercu", "@", "F5ABC"} + le_10, 0,
                  QStringLiteral("0\t >>>>>>>  Déjà QSO le même jour !  <<<<<<<<\n"));
    ligne_donnees("meme membre meme bande",
                  QStringList{"apercu", "@", "F5ABC/P", "--bande", "20m"} + le_10, 0,
                  QStringLiteral("0\t Déjà QSO sur cette bande\n"));
    ligne_donnees("minuscules tapees, autre bande",
                  QStringList{"apercu", "@", "f5abc/p", "--bande", "40m"} + le_10, 0,
                  QStringLiteral("2\t\n"));
    ligne_donnees("bande du dernier QSO, autre continent",
                  QStringList{"apercu", "@", "K1ZZ"} + le_11, 0, QStringLiteral("5\t\n"));
    ligne_donnees("non membre", QStringList{"apercu", "@", "X1XX"} + le_11, 0,
                  QStringLiteral("0\t NM car non à jour\n"));
    ligne_donnees("hors periode",
                  QStringList{"apercu", "@", "JA1AA", "--date", "01/09/2025", "--heure", "00:00"},
                  0, QStringLiteral("0\t Hors date pour 2025\n"));
    ligne_donnees("station du club", QStringList{"apercu", "@", "F8ZTC", "--bande", "160m"} + le_11,
                  0, QStringLiteral("6\t\n"));
    ligne_donnees("date sans heure", QStringList{"apercu", "@", "K1ZZ", "--date", "11/07/2025"}, 2,
                  QString());
    ligne_donnees("bande inconnue", QStringList{"apercu", "@", "K1ZZ", "--bande", "3cm"}, 2,
                  QString());
    ligne_donnees("indicatif vide", QStringList{"apercu", "@", "  "}, 2, QString());
    ligne_donnees("heure incorrecte",
                  QStringList{"apercu", "@", "K1ZZ", "--date", "11/07/2025", "--heure", "25:00"}, 2,
                  QString());
    ligne_donnees("partiel marque",
                  QStringList{"partiel", "F5", "@", "--date", "10/07/2025", "--bande", "20m"}, 0,
                  QStringLiteral("F5ABC\t123\tJB\n"));
    ligne_donnees("partiel, bande du dernier QSO",
                  QStringList{"partiel", "1a", "@", "--date", "10/07/2025"}, 0,
                  QStringLiteral("DL1AA\t456\tJB\nJA1AA\t900\t\n"));
    ligne_donnees("partiel sans journal", QStringList{"partiel", "f5"}, 0,
                  QStringLiteral("F5ABC\t123\t\n"));
    ligne_donnees("partiel d'un caractere", QStringList{"partiel", "F"}, 0, QString());
    ligne_donnees("partiel, date incorrecte", QStringList{"partiel", "F5", "--date", "32/07/2025"},
                  2, QString());
    ligne_donnees("partiel, option inconnue", QStringList{"partiel", "F5", "--heure", "10:00"}, 2,
                  QString());
}

void TstCliApercu::commandes() {
    QFETCH(QStringList, arguments);
    QFETCH(int, code);
    QFETCH(QString, sortie);
    const SortieCli s = vorek(arguments);
    QCOMPARE(s.code, code);
    QCOMPARE(s.sortie, sortie);
    QCOMPARE(s.erreurs.isEmpty(), code == 0);
}

// Without the member database the list is empty and the look-ups' message is said once; the
// preview goes by the number given, as the rescoring then does.
void TstCliApercu::base_absente() {
    QVERIFY(QFile::remove(d_.chemin_membres()));
    const SortieCli partiel = vorek({"partiel", "F5ABC"});
    QCOMPARE(partiel.code, 0);
    QCOMPARE(partiel.sortie, QString());
    QCOMPARE(partiel.erreurs, QStringLiteral("Fichier BD Membres absent\n"));
    const QStringList qso{"apercu", "@", "F5ABC", "--date", "11/07/2025", "--heure", "12:00"};
    QCOMPARE(vorek(qso).sortie, QStringLiteral("0\t NM car non à jour\n"));
    QCOMPARE(vorek(qso + QStringList{"--numero", "123"}).sortie, QStringLiteral("2\t\n"));
}

QTEST_GUILESS_MAIN(TstCliApercu)
#include "tst_cli_apercu.moc"
