#include "banc_programme.h"
#include "base/fichier_texte.h"
#include "ui/dialogues_qt.h"
#include "ui/tform_choix_adif.h"
#include "ui/tform_infocr.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QAction>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QToolButton>
#include <QtTest>

using namespace vorek;

class TestNavigation : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void retour_accueil_et_ok();
    void bouton_et_menu_une_seule_action_data();
    void bouton_et_menu_une_seule_action();
    void quitter_annule_garde_le_programme();
    void quitter_ecrit_les_parametres_avant_la_question();
    void case_de_fermeture_principale_data();
    void case_de_fermeture_principale();
    void fermer_ecrit_sans_demander();
    void fermer_sans_pouvoir_ecrire_garde_le_programme();
    void parametres_impossibles_a_ecrire();
    void enregistrer_sous_puis_enregistrer();
    void ouvrir_sans_correction_en_attente();
    void autres_fenetres();
    void aide_sans_message();
    void filtres_des_dialogues_data();
    void filtres_des_dialogues();

  private:
    const ControlesPrincipale* m() const { return banc_->controles_principale(); }
    TForm_Infos* f() const { return banc_->infos(); }
    QString ini() const { return banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini")); }
    // Station call, work file created, OK: the main window shows.
    void jusqu_a_la_fenetre_principale();
    std::unique_ptr<BancProgramme> banc_;
};

void TestNavigation::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    banc_->ecrire_references({QStringLiteral("F,France,F,EU,227")},
                             {QStringLiteral("F5ABC,123,Jean DUPONT,Paris")});
    banc_->demarrer_sans_mise_a_jour();
}

void TestNavigation::jusqu_a_la_fenetre_principale() {
    banc_->creer_challenge(QStringLiteral("F5ABC"), banc_->travail(QStringLiteral("ete.VRK")));
    QVERIFY(m()->fenetre->isVisible());
}

void TestNavigation::retour_accueil_et_ok() {
    jusqu_a_la_fenetre_principale();
    m()->BitBtn_retour->click();
    QVERIFY(!m()->fenetre->isVisible());
    QVERIFY(f()->isVisible());
    f()->BitBtn_OK->click();
    QVERIFY(m()->fenetre->isVisible());
    m()->RetourAccueil1->trigger();
    QVERIFY(!m()->fenetre->isVisible());
    QVERIFY(f()->isVisible());
    QVERIFY(!banc_->programme->termine());
}

void TestNavigation::bouton_et_menu_une_seule_action_data() {
    QTest::addColumn<QString>("bouton");
    QTest::addColumn<QString>("action");
    QTest::newRow("accueil") << "BitBtn_retour"
                             << "RetourAccueil1";
    QTest::newRow("ouvrir") << "OpenBtn"
                            << "Ouvrir1";
    QTest::newRow("enregistrer") << "SaveBtn"
                                 << "Enregistrer1";
    QTest::newRow("import ADIF") << "BitBtn_ADIF"
                                 << "ImportADIF1";
    QTest::newRow("export ADIF") << "BitBtn_export_ADIF"
                                 << "ExportADIF1";
}

// The tool bar button is the menu item's command: it triggers the item's action once, and an
// item disabled takes the button with it.
void TestNavigation::bouton_et_menu_une_seule_action() {
    QFETCH(QString, bouton);
    QFETCH(QString, action);
    jusqu_a_la_fenetre_principale();
    auto* b = m()->fenetre->findChild<QAbstractButton*>(bouton);
    auto* a = m()->fenetre->findChild<QAction*>(action);
    QVERIFY(b && a);
    QSignalSpy declenchee(a, &QAction::triggered);
    a->setEnabled(false);
    QVERIFY(!b->isEnabled());
    b->click();
    QCOMPARE(declenchee.count(), 0);
    a->setEnabled(true);
    QVERIFY(b->isEnabled());
    b->click();
    QCOMPARE(declenchee.count(), 1);
}

void TestNavigation::quitter_annule_garde_le_programme() {
    jusqu_a_la_fenetre_principale();
    banc_->etat->fichier_modifie = true;
    banc_->dialogues.prevoir_reponse(Reponse::annuler);
    m()->Quitter1->trigger();
    QCOMPARE(banc_->dialogues.questions,
             QStringList{QStringLiteral("Le fichier a été modifié. Voulez-vous l'enregistrer ?")});
    QVERIFY(m()->fenetre->isVisible());
    QVERIFY(!banc_->programme->termine());

    QVERIFY(m()->Timer1->isActive());
    banc_->dialogues.prevoir_reponse(Reponse::non);
    m()->Quitter1->trigger();
    QVERIFY(banc_->programme->termine());
    QVERIFY(!m()->fenetre->isVisible());
    QVERIFY(!f()->isVisible());
    QVERIFY(!m()->Timer1->isActive());
}

void TestNavigation::quitter_ecrit_les_parametres_avant_la_question() {
    f()->Edit_email->setText(QStringLiteral("f5abc@free.fr"));
    QVERIFY(!QFileInfo::exists(ini()));
    banc_->etat->fichier_modifie = true;
    banc_->dialogues.prevoir_reponse(Reponse::annuler);
    f()->BitBtn_Exit->click();
    QVERIFY(lire_lignes(ini()).contains(QStringLiteral("AD=f5abc@free.fr")));
    QVERIFY(f()->isVisible());
    QVERIFY(!banc_->programme->termine());
    // Without a pending correction the program ends without a question.
    banc_->etat->fichier_modifie = false;
    f()->close();
    QVERIFY(banc_->programme->termine());
    QCOMPARE(banc_->dialogues.questions.size(), 1);
}

void TestNavigation::case_de_fermeture_principale_data() {
    QTest::addColumn<bool>("modifie");
    QTest::addColumn<int>("reponse");
    QTest::addColumn<bool>("termine");
    QTest::addColumn<bool>("ecrit");
    QTest::newRow("rien en attente") << false << -1 << true << false;
    QTest::newRow("annuler") << true << int(Reponse::annuler) << false << false;
    QTest::newRow("non") << true << int(Reponse::non) << true << false;
    QTest::newRow("oui") << true << int(Reponse::oui) << true << true;
}

void TestNavigation::case_de_fermeture_principale() {
    QFETCH(bool, modifie);
    QFETCH(int, reponse);
    QFETCH(bool, termine);
    QFETCH(bool, ecrit);
    jusqu_a_la_fenetre_principale();
    banc_->etat->table.fixer_cellule(col_indicatif, 1, QStringLiteral("DL1AA"));
    banc_->etat->fichier_modifie = modifie;
    if (reponse >= 0) {
        banc_->dialogues.prevoir_reponse(Reponse(reponse));
    }
    m()->fenetre->close();
    QCOMPARE(banc_->dialogues.questions.size(), modifie ? 1 : 0);
    QCOMPARE(banc_->programme->termine(), termine);
    QCOMPARE(m()->fenetre->isVisible(), !termine);
    const QStringList lignes = lire_lignes(banc_->travail(QStringLiteral("ete.VRK")));
    QCOMPARE(lignes.contains(QStringLiteral("DL1AA")), ecrit);
}

void TestNavigation::fermer_ecrit_sans_demander() {
    jusqu_a_la_fenetre_principale();
    QFile::remove(ini());
    banc_->etat->table.fixer_cellule(col_indicatif, 1, QStringLiteral("DL1AA"));
    banc_->etat->fichier_modifie = true;
    m()->BitBtn_bye->click();
    QVERIFY(banc_->dialogues.questions.isEmpty());
    QVERIFY(banc_->programme->termine());
    QVERIFY(!banc_->etat->fichier_modifie);
    QVERIFY(
        lire_lignes(banc_->travail(QStringLiteral("ete.VRK"))).contains(QStringLiteral("DL1AA")));
    QVERIFY(QFileInfo::exists(ini()));
}

void TestNavigation::fermer_sans_pouvoir_ecrire_garde_le_programme() {
    jusqu_a_la_fenetre_principale();
    banc_->etat->fichier_courant = banc_->chemin(QStringLiteral("disparu/ete.VRK"));
    m()->BitBtn_bye->click();
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QCOMPARE(banc_->dialogues.messages.at(0).type, TypeMessage::erreur);
    QVERIFY(!banc_->programme->termine());
    QVERIFY(m()->fenetre->isVisible());
}

void TestNavigation::parametres_impossibles_a_ecrire() {
    QVERIFY(QDir().mkpath(ini()));
    f()->close();
    QCOMPARE(banc_->dialogues.messages.size(), 1);
    QVERIFY(banc_->dialogues.messages.at(0).texte.contains(QDir::toNativeSeparators(ini())));
    // The settings are not the log: the program still ends.
    QVERIFY(banc_->programme->termine());
}

// The log moves to the chosen file: the title and the station window name it, and the
// next commit and save write it there, not into the work folder.
void TestNavigation::enregistrer_sous_puis_enregistrer() {
    jusqu_a_la_fenetre_principale();
    QTemporaryDir ailleurs;
    const QString copie = ailleurs.filePath(QStringLiteral("ETE2.VRK"));
    banc_->dialogues.prevoir_fichier(copie);
    m()->Enregistrersous1->trigger();
    QVERIFY(QFileInfo::exists(copie));
    QCOMPARE(banc_->etat->fichier_courant, copie);
    QVERIFY(m()->fenetre->windowTitle().endsWith(QStringLiteral("Fichier :ETE2.VRK (0 QSO)")));
    QCOMPARE(f()->Label_nomfichier->text(), QStringLiteral("ETE2.VRK"));
    QCOMPARE(banc_->dialogues.demandes.last().filtre, QStringLiteral("Challenge VOREK |*.VRK"));
    m()->Edit_call->setFocus();
    QTest::keyClicks(m()->Edit_call, QStringLiteral("F5ABC"));
    QTest::keyClick(m()->Edit_call, Qt::Key_Return);
    m()->SaveBtn->click();
    QCOMPARE(lire_lignes(copie).value(9 + 10 + 10 + 2), QStringLiteral("F5ABC"));
    QVERIFY(!QFileInfo::exists(banc_->travail(QStringLiteral("ETE2.VRK"))));
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

void TestNavigation::ouvrir_sans_correction_en_attente() {
    jusqu_a_la_fenetre_principale();
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("ete.VRK")));
    m()->OpenBtn->click();
    QVERIFY(banc_->dialogues.questions.isEmpty());
    QCOMPARE(banc_->dialogues.demandes.last().filtre, QStringLiteral("Challenge VOREK  |*.VRK"));
    QCOMPARE(banc_->etat->fichier_courant, banc_->travail(QStringLiteral("ete.VRK")));
    QVERIFY(m()->fenetre->windowTitle().endsWith(QStringLiteral("Fichier :ete.VRK (0 QSO)")));
    QCOMPARE(f()->Edit_call->text(), QStringLiteral("F5ABC"));
}

void TestNavigation::autres_fenetres() {
    jusqu_a_la_fenetre_principale();
    m()->ImportADIF1->trigger();
    QVERIFY(banc_->programme->Form_choix_ADIF()->isVisible());
    QCOMPARE(banc_->programme->Form_choix_ADIF()->windowTitle(),
             QStringLiteral("IMPORTATION ADIF"));
    TForm_infoCR* cr = banc_->programme->Form_infoCR();
    m()->Info_CR->click();
    QVERIFY(cr->isVisible());
    QFile::remove(ini());
    cr->BitBtn_annuler->click();
    QVERIFY(!cr->isVisible());
    QVERIFY(QFileInfo::exists(ini()));
}

void TestNavigation::aide_sans_message() {
    jusqu_a_la_fenetre_principale();
    m()->SpeedButton1->click();
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QVERIFY(m()->fenetre->isVisible());
}

void TestNavigation::filtres_des_dialogues_data() {
    QTest::addColumn<QString>("filtre");
    QTest::addColumn<QString>("qt");
    QTest::newRow("challenge") << QStringLiteral("Challenge VOREK  |*.VRK")
                               << QStringLiteral("Challenge VOREK (*.VRK *.vrk)");
    QTest::newRow("description avec motif") << QStringLiteral("Fichier Import ADIF (*.ADI)|*.ADI")
                                            << QStringLiteral("Fichier Import ADIF (*.ADI)");
    QTest::newRow("export ADIF") << QStringLiteral("Fichier ADIF (*.adi)|*.adi")
                                 << QStringLiteral("Fichier ADIF (*.adi)");
    QTest::newRow("deux filtres") << QStringLiteral("Texte|*.txt;*.TXT|Tous|*.*")
                                  << QStringLiteral("Texte (*.txt *.TXT);;Tous (*.*)");
    QTest::newRow("sans motif") << QStringLiteral("Challenge") << QString();
}

void TestNavigation::filtres_des_dialogues() {
    QFETCH(QString, filtre);
    QFETCH(QString, qt);
    QCOMPARE(filtre_qt(filtre), qt);
}

QTEST_MAIN(TestNavigation)
#include "tst_navigation.moc"
