#include "adif_import/import_adif.h"
#include "adif_import/textes_import.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "dialogues_scriptes.h"
#include "dossier_essai.h"
#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"
#include "rules/textes_regles.h"

#include <QFile>
#include <QtTest>

using namespace vorek;

namespace {

// One record on one line; date yyyymmdd, time hhmm.
QString enr(const QString& indicatif, const char* date, const char* heure, const char* bande,
            const char* mode = "CW") {
    return QStringLiteral("<CALL:%1>%2<QSO_DATE:8>%3<TIME_ON:4>%4<BAND:%5>%6<MODE:%7>%8<EOR>")
        .arg(indicatif.size())
        .arg(indicatif, QLatin1String(date), QLatin1String(heure))
        .arg(qstrlen(bande))
        .arg(QLatin1String(bande))
        .arg(qstrlen(mode))
        .arg(QLatin1String(mode));
}

QStringList qso(const char* date, const char* heure, const char* indicatif, const char* bande) {
    return {QLatin1String(date),  QLatin1String(heure),  QLatin1String(indicatif),
            QLatin1String(bande), QStringLiteral("599"), QStringLiteral("599")};
}

} // namespace

class TestImportAdif : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { d_.reset(); }
    void remplacement();
    void ajout_fusionne_par_date_et_double();
    void ajout_garde_tout_ce_qui_est_la();
    void refus_sans_rien_changer();

  private:
    QString ecrire_adif(const QStringList& lignes) const {
        const QString chemin = d_->etat.rep_challenge + QStringLiteral("/autre.adi");
        ecrire_lignes(chemin, lignes);
        return chemin;
    }
    ResultatImport importer(const QString& chemin, ModeImport mode) {
        return importer_adif(d_->etat, *referentiel_, chemin, mode, QString(),
                             QStringLiteral("2025"));
    }
    QString vrk() const { return d_->etat.rep_challenge + QStringLiteral("/autre.VRK"); }

    std::unique_ptr<DossierEssai> d_;
    std::unique_ptr<Referentiel> referentiel_;
};

void TestImportAdif::init() {
    d_ = std::make_unique<DossierEssai>(2025);
    d_->ecrire_dxcc();
    d_->ecrire_membres();
    referentiel_ = std::make_unique<Referentiel>(d_->etat.rep_cfg, d_->etat.rep_BD);
}

void TestImportAdif::remplacement() {
    Etat& etat = d_->etat;
    d_->ajouter(qso("02/07/2025", "10:00", "K1ZZ", "20m"));
    etat.table.fixer_cellule(col_date, 0, QStringLiteral("entête changée"));
    etat.fichier_modifie = true;
    const QString chemin =
        ecrire_adif({QStringLiteral("Export <ADIF_VER:5>3.1.4 <EOH>"),
                     enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M"),
                     enr(QStringLiteral("DL1AA"), "20250702", "0830", "20M"),
                     enr(QStringLiteral("K1ZZ"), "20250715", "0900", "20M", "SSB"),
                     enr(QStringLiteral("JA1AA"), "20250710", "2200", "15M"),
                     enr(QStringLiteral("DL1AA"), "2025", "0830", "20M")});
    const ResultatImport resultat = importer(chemin, ModeImport::remplacement);

    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("DL1AA"), QStringLiteral("JA1AA"), QStringLiteral("F5ABC"),
                          QString()}));
    QCOMPARE(d_->colonne(col_points), (QStringList{QStringLiteral("4"), QStringLiteral("3"),
                                                   QStringLiteral("2"), QString()}));
    QCOMPARE(etat.score_total, 9);
    QCOMPARE(etat.ligne_suivante, 4);
    QCOMPARE(etat.table.ligne(0), entetes_journal());
    QVERIFY(!etat.fichier_modifie);
    QCOMPARE(etat.fichier_courant, QStringLiteral("ESSAI.VRK"));
    QCOMPARE(titre_import(etat),
             QStringLiteral("CHALLENGE d'été VOREK   (12/2023) : Fichier ESSAI.VRK (3 QSO)"));
    // Saved beside the ADIF file, and reads back as the table stands.
    QCOMPARE(resultat.chemin_vrk, vrk());
    QCOMPARE(lire_lignes(vrk()), lignes_challenge(etat));

    DialoguesScriptes dialogues;
    signaler_import(resultat, dialogues);
    QCOMPARE(dialogues.textes(), QStringList{textes_import::enregistrements_incomplets().arg(1)});
    QCOMPARE(dialogues.messages[0].type, TypeMessage::information);
}

void TestImportAdif::ajout_fusionne_par_date_et_double() {
    d_->ajouter(qso("05/07/2025", "12:00", "K1ZZ", "20m"));
    d_->ajouter(qso("15/07/2025", "10:15", "DL1AA", "40m"));
    const QString chemin = ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M"),
                                        enr(QStringLiteral("JA1AA"), "20250701", "0800", "15M")});
    importer(chemin, ModeImport::ajout);
    // Equal moments keep their order: the log's QSO before the imported one.
    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("JA1AA"), QStringLiteral("K1ZZ"), QStringLiteral("DL1AA"),
                          QStringLiteral("F5ABC"), QString()}));
    importer(chemin, ModeImport::ajout);
    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("JA1AA"), QStringLiteral("JA1AA"), QStringLiteral("K1ZZ"),
                          QStringLiteral("DL1AA"), QStringLiteral("F5ABC"), QStringLiteral("F5ABC"),
                          QString()}));
    QCOMPARE(d_->etat.ligne_suivante, 7);
    QCOMPARE(compter_QSO(d_->etat.table), 6);
    // The second copy is scored like any other QSO of the log.
    QCOMPARE(d_->etat.table.cellule(col_notes, 2), textes::remarque_meme_jour());
}

void TestImportAdif::ajout_garde_tout_ce_qui_est_la() {
    Etat& etat = d_->etat;
    // A last row that is a QSO, not the free row, and a date the rescoring cannot read.
    d_->ajouter(qso("le 3 juillet", "10:00", "K1ZZ", "20m"));
    d_->ajouter(qso("05/07/2025", "12:00", "DL1AA", "20m"));
    etat.table.fixer_nb_lignes(3);
    const ResultatImport resultat = importer(
        ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M")}), ModeImport::ajout);
    QCOMPARE(d_->colonne(col_indicatif),
             (QStringList{QStringLiteral("DL1AA"), QStringLiteral("F5ABC"), QStringLiteral("K1ZZ"),
                          QString()}));
    QCOMPARE(etat.ligne_suivante, 4);
    QVERIFY(resultat.erreur_score.contains(QStringLiteral("le 3 juillet")));
    QVERIFY(QFile::exists(vrk()));
    DialoguesScriptes dialogues;
    signaler_import(resultat, dialogues);
    QCOMPARE(dialogues.textes(), QStringList{resultat.erreur_score});
}

void TestImportAdif::refus_sans_rien_changer() {
    Etat& etat = d_->etat;
    d_->ajouter(qso("05/07/2025", "12:00", "DL1AA", "20m"));
    const QStringList avant = lignes_challenge(etat);
    const QString chemin = ecrire_adif({enr(QStringLiteral("F5ABC"), "20250715", "1015", "40M")});
    for (const ModeImport mode : {ModeImport::remplacement, ModeImport::ajout}) {
        QVERIFY_THROWS_EXCEPTION(Erreur, importer(chemin + QStringLiteral(".absent"), mode));
        QCOMPARE(lignes_challenge(etat), avant);
    }
    QFile::remove(d_->chemin_membres());
    for (const ModeImport mode : {ModeImport::remplacement, ModeImport::ajout}) {
        const ResultatImport resultat = importer(chemin, mode);
        QVERIFY(resultat.lecture.base_membres_absente && resultat.lecture.qso.isEmpty());
        DialoguesScriptes dialogues;
        signaler_import(resultat, dialogues);
        QCOMPARE(dialogues.textes(), QStringList{QString::fromUtf8(message_base_membres_absente)});
        QCOMPARE(lignes_challenge(etat), avant);
        QCOMPARE(etat.ligne_suivante, 2);
        QVERIFY(!QFile::exists(vrk()));
    }
}

QTEST_GUILESS_MAIN(TestImportAdif)
#include "tst_import_adif.moc"
