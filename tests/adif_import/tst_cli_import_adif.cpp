#include "base/fichier_texte.h"
#include "dossier_essai.h"
#include "log/fichier_challenge.h"
#include "outil_cli.h"

#include <QFile>
#include <QtTest>

using namespace vorek;

// vorek import-adif, run as its own process.
class TestCliImportAdif : public QObject {
    Q_OBJECT

  private slots:
    void remplacement_puis_ajout();
    void refus();

  private:
    SortieCli importer(const DossierEssai& d, const QStringList& arguments) {
        return lancer_vorek(QStringList{QStringLiteral("--racine"), d.dossier.path(),
                                        QStringLiteral("--aujourdhui"),
                                        QStringLiteral("10/08/2025"),
                                        QStringLiteral("import-adif")} +
                            arguments);
    }
};

void TestCliImportAdif::remplacement_puis_ajout() {
    DossierEssai d;
    d.ecrire_dxcc();
    d.ecrire_membres();
    const QString adif = d.etat.rep_challenge + QStringLiteral("/carnet.ADI");
    QVERIFY(QFile::copy(
        QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/un_qso_par_ligne.adi"),
        adif));
    const QString vrk = d.etat.rep_challenge + QStringLiteral("/carnet.VRK");
    const QString comptes = QStringLiteral("fichier=%1\nqso_importes=3\nenregistrements_ecartes=2\n"
                                           "non_cw=1\nnon_membres=1\nsans_indicatif=0\n"
                                           "date_heure_illisible=0\ninacheves=0\n")
                                .arg(vrk);

    SortieCli sortie = importer(d, {adif});
    QCOMPARE(sortie.erreurs, QString());
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, comptes);
    ContenuChallenge contenu = lire_challenge(vrk);
    QCOMPARE(contenu.lignes, 5);
    QCOMPARE(contenu.cellules[1][col_indicatif], QStringLiteral("K1ZZ"));
    QCOMPARE(contenu.cellules[1][col_points], QStringLiteral("3"));
    QVERIFY(contenu.station.station_call.isEmpty());

    // Onto a log with its station: merged and doubled, the station kept.
    d.etat.station.station_call = QStringLiteral("F1AAA");
    d.ajouter({QStringLiteral("20/07/2025"), QStringLiteral("08:00"), QStringLiteral("DL1AA"),
               QStringLiteral("20m"), QStringLiteral("599"), QStringLiteral("599")});
    sauver_fichier(d.etat, QStringLiteral("ete.VRK"));
    sortie = importer(
        d, {adif, QStringLiteral("--ajout"), d.etat.rep_challenge + QStringLiteral("/ete.VRK")});
    QCOMPARE(sortie.code, 0);
    sortie = importer(d, {adif, QStringLiteral("--ajout"), vrk});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, comptes);
    contenu = lire_challenge(vrk);
    QStringList indicatifs;
    for (const QStringList& ligne : contenu.cellules.mid(1)) {
        indicatifs.append(ligne[col_indicatif]);
    }
    QCOMPARE(indicatifs.join(QLatin1Char(' ')),
             QStringLiteral("K1ZZ K1ZZ F5ABC F5ABC DL1AA F5ABC/P F5ABC/P "));
    QCOMPARE(contenu.station.station_call, QStringLiteral("F1AAA"));
}

void TestCliImportAdif::refus() {
    DossierEssai d;
    d.ecrire_dxcc();
    const QString adif = d.etat.rep_challenge + QStringLiteral("/carnet.adi");
    ecrire_lignes(adif, {QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<TIME_ON:4>1015"
                                        "<MODE:2>CW<EOR>")});
    SortieCli sortie = importer(d, {adif});
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.erreurs,
             QStringLiteral("Fichier BD Membres absent : aucun QSO n'a été importé\n"));
    QVERIFY(!QFile::exists(d.etat.rep_challenge + QStringLiteral("/carnet.VRK")));
    sortie = importer(d, {adif + QStringLiteral(".absent")});
    QCOMPARE(sortie.code, 1);
    QCOMPARE(sortie.erreurs, QStringLiteral("  Fichier inexistant   \n"));
    for (const QStringList& arguments :
         {QStringList(), QStringList{adif, QStringLiteral("--ajout")},
          QStringList{adif, QStringLiteral("--autre"), adif}}) {
        QCOMPARE(importer(d, arguments).code, 2);
    }
}

QTEST_GUILESS_MAIN(TestCliImportAdif)
#include "tst_cli_import_adif.moc"
