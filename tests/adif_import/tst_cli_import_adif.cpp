#include "adif_import/import_adif.h"
#include "adif_import/textes_import.h"
#include "base/fichier_texte.h"
#include "dialogues_scriptes.h"
#include "dossier_essai.h"
#include "log/fichier_challenge.h"
#include "octets_fichier.h"
#include "outil_cli.h"
#include "refdata/referentiel.h"

#include <QFile>
#include <QtTest>

using namespace vorek;

// vorek import-adif, run as its own process.
class TestCliImportAdif : public QObject {
    Q_OBJECT

  private slots:
    void remplacement_puis_ajout();
    void refus();
    void sans_qso_rien_n_est_ecrit();
    void station();

  private:
    // The reference files, and the test ADIF file (3 QSOs of members) as carnet.ADI.
    static QString preparer_carnet(const DossierEssai& d) {
        d.ecrire_dxcc();
        d.ecrire_membres();
        const QString adif = d.etat.rep_challenge + QStringLiteral("/carnet.ADI");
        QFile::copy(
            QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/un_qso_par_ligne.adi"),
            adif);
        return adif;
    }
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
    const QString adif = preparer_carnet(d);
    const QString vrk = d.etat.rep_challenge + QStringLiteral("/carnet.VRK");
    const QString comptes = QStringLiteral("fichier=%1\nqso_importes=3\nenregistrements_ecartes=2\n"
                                           "non_cw=1\nnon_membres=1\nsans_indicatif=0\n"
                                           "date_heure_illisible=0\ninacheves=0\n")
                                .arg(vrk);

    SortieCli sortie = importer(d, {adif});
    // Without a station every QSO counts as on another continent: said.
    QCOMPARE(sortie.erreurs, textes_import::station_provisoire() + QLatin1Char('\n'));
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, comptes);
    ContenuChallenge contenu = lire_challenge(vrk);
    QCOMPARE(contenu.lignes, 5);
    QCOMPARE(contenu.cellules.ligne(1)[col_indicatif], QStringLiteral("K1ZZ"));
    QCOMPARE(contenu.cellules.ligne(1)[col_points], QStringLiteral("3"));
    QCOMPARE(contenu.cellules.ligne(1)[col_nom], QStringLiteral("Bob Smith"));
    QVERIFY(contenu.station.station_call.isEmpty());
    QCOMPARE(contenu.largeurs,
             QList<int>(largeurs_conception.cbegin(), largeurs_conception.cend()));

    // Onto a log with its station: carnet.VRK is another log now, kept unless --ecraser.
    d.etat.station.station_call = QStringLiteral("F1AAA");
    d.ajouter({QStringLiteral("20/07/2025"), QStringLiteral("08:00"), QStringLiteral("DL1AA"),
               QStringLiteral("20m"), QStringLiteral("599"), QStringLiteral("599")});
    sauver_fichier(d.etat, QStringLiteral("ete.VRK"));
    const QString ete = d.etat.rep_challenge + QStringLiteral("/ete.VRK");
    const QByteArray carnet_avant = lire_octets(vrk);
    const QByteArray ete_avant = lire_octets(ete);
    sortie = importer(d, {adif, QStringLiteral("--ajout"), ete});
    QCOMPARE(sortie.code, 1);
    QVERIFY(sortie.erreurs.startsWith(textes_import::fichier_existant().arg(vrk).arg(3)));
    QCOMPARE(lire_octets(vrk), carnet_avant);
    QCOMPARE(lire_octets(ete), ete_avant);
    sortie = importer(d, {adif, QStringLiteral("--ajout"), ete, QStringLiteral("--ecraser")});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.erreurs, QString());
    // The log of --ajout is the current log: saved with the import, as the windows do.
    QCOMPARE(lire_lignes(ete), lire_lignes(vrk));
    QCOMPARE(lire_octets(chemin_sauvegarde(ete)), ete_avant);
    sortie = importer(d, {adif, QStringLiteral("--ajout"), vrk});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.sortie, comptes);
    contenu = lire_challenge(vrk);
    QStringList indicatifs;
    for (qsizetype r = 1; r < contenu.cellules.size(); ++r) {
        indicatifs.append(contenu.cellules.cellule(col_indicatif, r));
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
          QStringList{adif, QStringLiteral("--autre"), adif},
          QStringList{adif, QStringLiteral("--indicatif")}, QStringList{adif, adif}}) {
        QCOMPARE(importer(d, arguments).code, 2);
    }
}

// An ADIF file that gives no QSO replaces nothing, and rotates no backup away.
void TestCliImportAdif::sans_qso_rien_n_est_ecrit() {
    DossierEssai d;
    d.ecrire_dxcc();
    d.ecrire_membres();
    const QString adif = d.etat.rep_challenge + QStringLiteral("/ete.adi");
    ecrire_lignes(adif, {QStringLiteral("<CALL:5>F5ABC<QSO_DATE:8>20250715<TIME_ON:4>1015"
                                        "<MODE:3>SSB<EOR>")});
    const QString vrk = d.etat.rep_challenge + QStringLiteral("/ete.VRK");
    d.ajouter({QStringLiteral("20/07/2025"), QStringLiteral("08:00"), QStringLiteral("DL1AA")});
    sauver_fichier(d.etat, vrk);
    sauver_fichier(d.etat, vrk);
    const QByteArray avant = lire_octets(vrk);
    for (const QStringList& options : {QStringList(), QStringList{QStringLiteral("--ecraser")}}) {
        const SortieCli sortie = importer(d, QStringList{adif} + options);
        QCOMPARE(sortie.code, 1);
        QVERIFY(sortie.sortie.contains(QStringLiteral("\nqso_importes=0\n")));
        QCOMPARE(lire_octets(vrk), avant);
        QCOMPARE(lire_octets(chemin_sauvegarde(vrk)), avant);
    }
}

// --indicatif gives the log its station, so the points are those the windows give.
void TestCliImportAdif::station() {
    DossierEssai d;
    const QString adif = preparer_carnet(d);
    const SortieCli sortie =
        importer(d, {adif, QStringLiteral("--indicatif"), QStringLiteral("F1AAA")});
    QCOMPARE(sortie.code, 0);
    QCOMPARE(sortie.erreurs, QString());
    const ContenuChallenge contenu =
        lire_challenge(d.etat.rep_challenge + QStringLiteral("/carnet.VRK"));
    QCOMPARE(contenu.station.station_call, QStringLiteral("F1AAA"));
    QCOMPARE(contenu.station.station_DXCC, QStringLiteral("F"));

    // The same import in the program, with the station the station window gives F1AAA.
    Etat& etat = d.etat;
    etat.fichier_courant.clear();
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    DialoguesScriptes dialogues;
    importer_adif(etat, referentiel,
                  {adif, ModeImport::remplacement, QString(), QStringLiteral("2025"),
                   QDateTime::currentDateTime(), true},
                  dialogues);
    for (int r = 1; r < etat.table.nb_lignes(); ++r) {
        QCOMPARE(contenu.cellules.ligne(r)[col_points], etat.table.cellule(col_points, r));
    }
    QVERIFY(importer(d, {adif, QStringLiteral("--indicatif"), QStringLiteral("F1A")}).code == 1);
}

QTEST_GUILESS_MAIN(TestCliImportAdif)
#include "tst_cli_import_adif.moc"
