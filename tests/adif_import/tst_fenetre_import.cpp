#include "adif_import/textes_import.h"
#include "banc_programme.h"
#include "ui/tform_choix_adif.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QTableView>
#include <QtTest>

using namespace vorek;

// The choice window on the offscreen platform, driven as the operator does.
class TestFenetreImport : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void annulation_fichier_absent_puis_import();
    void rappel_de_la_station();

  private:
    TForm_choix_ADIF* choix() const { return banc_->programme->Form_choix_ADIF(); }
    std::unique_ptr<BancProgramme> banc_;
};

void TestFenetreImport::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    banc_->ecrire_references(
        {QStringLiteral("F,France,F,EU,227"), QStringLiteral("K,United States,K,NA,291")},
        {QStringLiteral("F5ABC,123,Jean DUPONT,x"), QStringLiteral("K1ZZ,789,Bob Smith,x")});
    banc_->demarrer_sans_mise_a_jour();
}

void TestFenetreImport::annulation_fichier_absent_puis_import() {
    banc_->creer_challenge(QStringLiteral("F1AAA"), banc_->travail(QStringLiteral("ete.VRK")));
    const ControlesPrincipale* m = banc_->controles_principale();
    QVERIFY(m->fenetre->isVisible());
    banc_->dialogues = DialoguesScriptes();
    m->BitBtn_ADIF->click();
    QVERIFY(choix()->isVisible());

    // Cancelled, then a file that is not there: nothing changes, the choice stays.
    choix()->BitBtn_remplacement->click();
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("absent.adi")));
    choix()->BitBtn_ajout->click();
    QVERIFY(choix()->isVisible());
    QCOMPARE(banc_->dialogues.textes(), QStringList{textes_import::fichier_inexistant()});
    const DemandeFichier demande = banc_->dialogues.demandes.value(0);
    QCOMPARE(demande.filtre, QStringLiteral("Fichier ADIF|*.adi"));
    QCOMPARE(demande.dossier_initial, banc_->etat->rep_challenge);
    QCOMPARE(banc_->etat->ligne_suivante, 1);

    const QString adif = banc_->travail(QStringLiteral("carnet.adi"));
    QVERIFY(QFile::copy(
        QStringLiteral(VOREK_RACINE_PROJET "/tests/adif_import/fichiers/un_qso_par_ligne.adi"),
        adif));
    banc_->dialogues = DialoguesScriptes();
    banc_->dialogues.prevoir_fichier(adif);
    choix()->BitBtn_remplacement->click();
    QVERIFY(!choix()->isVisible());
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QCOMPARE(m->Label_nbrQSO->text(), QStringLiteral("3"));
    QCOMPARE(m->Label_score->text(),
             QString::number(banc_->etat->score_total) + QStringLiteral(" points"));
    QVERIFY(banc_->etat->score_total > 0);
    QCOMPARE(m->fenetre->windowTitle(),
             QStringLiteral("CHALLENGE d'été VOREK   (12/2023) : Fichier ") +
                 banc_->etat->fichier_courant + QStringLiteral(" (3 QSO)"));
    QCOMPARE(m->Grille->model()->rowCount(), 4);
    QCOMPARE(m->Grille->model()->index(0, 2).data().toString(), QStringLiteral("K1ZZ"));
    QCOMPARE(m->Grille->currentIndex().row(), 0);
    QVERIFY(QFile::exists(banc_->travail(QStringLiteral("carnet.VRK"))));
}

void TestFenetreImport::rappel_de_la_station() {
    TForm_Infos* infos = banc_->infos();
    infos->hide();
    choix()->show();
    choix()->BitBtn_ajout->click();
    QCOMPARE(banc_->dialogues.textes(), QStringList{textes_import::rappel_station()});
    QCOMPARE(banc_->dialogues.messages[0].type, TypeMessage::information);
    QVERIFY(infos->isVisible());
    // Cancelled: the choice window waits for another try.
    QVERIFY(choix()->isVisible());
}

QTEST_MAIN(TestFenetreImport)
#include "tst_fenetre_import.moc"
