#include "banc_programme.h"
#include "base/fichier_texte.h"
#include "journal_rempli.h"
#include "ligne_donnees.h"
#include "log/fichier_challenge.h"
#include "ui/infobulle.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QComboBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStatusTipEvent>
#include <QTableView>
#include <QTimer>
#include <QToolTip>
#include <QtTest>

using namespace vorek;

class TestFenetreStation : public QObject {
    Q_OBJECT

  private slots:
    void init();
    void cleanup() { banc_.reset(); }
    void indicatif_tape_lettre_par_lettre();
    void prefixe_hors_de_la_liste();
    void base_illisible_signalee();
    void indicatif_retouche_garde_l_adresse_data();
    void indicatif_retouche_garde_l_adresse();
    void choix_dxcc_par_l_operateur();
    void ok_sans_indicatif_puis_sans_fichier();
    void creer_fichier_force_le_nom_et_le_dossier();
    void creer_fichier_ne_remplace_pas_sans_demander();
    void ok_ouvre_la_fenetre_principale();
    void email_propose_serveur_et_port();
    void smtp_absent_signale();
    void premier_demarrage_sans_boite();
    void charger_fichier_remplit_les_champs();
    void chargement_note_avec_la_bande_de_la_saisie_data();
    void chargement_note_avec_la_bande_de_la_saisie();
    void infobulles_et_barre_d_etat_data();
    void infobulles_et_barre_d_etat();
    void ordre_de_tabulation();

  private:
    TForm_Infos* f() const { return banc_->infos(); }
    std::unique_ptr<BancProgramme> banc_;
};

void TestFenetreStation::init() {
    banc_ = std::make_unique<BancProgramme>();
    QVERIFY(banc_->valide());
    banc_->serveur_absent();
    banc_->ecrire(QStringLiteral("DXCC.CSV"),
                  {QStringLiteral("F,France,F,EU,227"), QStringLiteral("DL,Germany,DL,EU,230")});
    banc_->ecrire(QStringLiteral("cfg/DXCC.CSV"),
                  {QStringLiteral("F,France,F,EU,227"), QStringLiteral("DL,Germany,DL,EU,230"),
                   QStringLiteral("EA8,Canary Islands,EA8,AF,29")});
    banc_->ecrire(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"),
                  {QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
                   QStringLiteral("F6XYZ,456,Marie MARTIN,Lyon")});
    banc_->ecrire(QStringLiteral("cfg/SMTP.csv"), {QStringLiteral("Domaine;Serveur;Port"),
                                                   QStringLiteral("orange;smtp.orange.fr;465"),
                                                   QStringLiteral("free;smtp.free.fr;  25 "),
                                                   QStringLiteral("free;smtp2.free.fr;587")});
    banc_->demarrer_sans_mise_a_jour();
}

void TestFenetreStation::indicatif_tape_lettre_par_lettre() {
    Etat& etat = *banc_->etat;
    f()->Edit_ZTC->setText(QStringLiteral("999"));
    f()->Edit_nom->setText(QStringLiteral("Ancien"));
    f()->Edit_adresse1->setText(QStringLiteral("1 rue"));
    f()->Edit_adresse2->setText(QStringLiteral("75001 PARIS"));
    f()->ComboBox_DXCC->setCurrentIndex(1);

    QTest::keyClicks(f()->Edit_call, QStringLiteral("f5a"));
    QCOMPARE(f()->Edit_call->text(), QStringLiteral("F5A"));
    QCOMPARE(f()->Edit_ZTC->text(), QString());
    QCOMPARE(etat.station.station_nr_club, QString());
    QCOMPARE(f()->Edit_nom->text(), QStringLiteral("Ancien"));
    QCOMPARE(f()->Edit_adresse1->text(), QStringLiteral("1 rue"));
    QCOMPARE(f()->ComboBox_DXCC->currentText(), QStringLiteral("DL"));
    QCOMPARE(etat.station.station_call, QString());

    // The look-up refreshes what it fills: the member number and the DXCC; the name and the
    // address lines stay the operator's while the database has no name.
    QTest::keyClick(f()->Edit_call, Qt::Key_B);
    QCOMPARE(etat.station.station_call, QStringLiteral("F5AB"));
    QCOMPARE(f()->Edit_ZTC->text(), QStringLiteral("NM"));
    QCOMPARE(f()->Edit_nom->text(), QStringLiteral("Ancien"));
    QCOMPARE(f()->Edit_adresse1->text(), QStringLiteral("1 rue"));
    QCOMPARE(f()->Edit_adresse2->text(), QStringLiteral("75001 PARIS"));
    QCOMPARE(etat.station.station_adresse1, QStringLiteral("1 rue"));
    QCOMPARE(etat.station.station_adresse2, QStringLiteral("75001 PARIS"));
    QCOMPARE(f()->ComboBox_DXCC->currentIndex(), 0);
    QCOMPARE(etat.station.station_DXCC, QStringLiteral("F"));
    QCOMPARE(etat.station.station_continent, QStringLiteral("EU"));

    QTest::keyClick(f()->Edit_call, Qt::Key_C);
    QCOMPARE(etat.station.station_call, QStringLiteral("F5ABC"));
    QCOMPARE(f()->Edit_ZTC->text(), QStringLiteral("123"));
    QCOMPARE(f()->Edit_nom->text(), QStringLiteral("Jean DUPONT"));
    QCOMPARE(etat.station.station_nr_club, QStringLiteral("123"));
    QCOMPARE(etat.station.station_nom(), QStringLiteral("Jean DUPONT"));
    QCOMPARE(etat.station.station_call, QStringLiteral("F5ABC"));
    QVERIFY(banc_->dialogues.messages.isEmpty());

    // Back to three characters: only the member number goes, the call stays what it was.
    QTest::keyClick(f()->Edit_call, Qt::Key_Backspace);
    QCOMPARE(f()->Edit_ZTC->text(), QStringLiteral("NM"));
    QTest::keyClick(f()->Edit_call, Qt::Key_Backspace);
    QCOMPARE(f()->Edit_ZTC->text(), QString());
    QCOMPARE(etat.station.station_call, QStringLiteral("F5AB"));
}

void TestFenetreStation::prefixe_hors_de_la_liste() {
    QTest::keyClicks(f()->Edit_call, QStringLiteral("EA8XYZ"));
    QCOMPARE(banc_->etat->station.station_DXCC, QStringLiteral("EA8"));
    QCOMPARE(banc_->etat->station.station_continent, QStringLiteral("AF"));
    QCOMPARE(f()->ComboBox_DXCC->currentIndex(), -1);
    QCOMPARE(f()->Edit_ZTC->text(), QStringLiteral("NM"));
}

// Said in the window while the call is typed, never in a box that would take the next key;
// gone once the database reads again.
void TestFenetreStation::base_illisible_signalee() {
    // A regular file whose reading fails, even for root.
    if (!QFileInfo(QStringLiteral("/proc/self/mem")).isFile()) {
        QSKIP("no file here fails at reading");
    }
    const QString base = banc_->chemin(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"));
    const QStringList membres = lire_lignes(base);
    QVERIFY(QFile::remove(base));
    QVERIFY(QFile::link(QStringLiteral("/proc/self/mem"), base));
    f()->Edit_nom->setText(QStringLiteral("Ancien"));
    QTest::keyClicks(f()->Edit_call, QStringLiteral("F5ABC"));
    QCOMPARE(f()->Edit_call->text(), QStringLiteral("F5ABC"));
    QCOMPARE(banc_->etat->station.station_call, QStringLiteral("F5ABC"));
    QCOMPARE(f()->Edit_ZTC->text(), QString());
    QCOMPARE(f()->Edit_nom->text(), QStringLiteral("Ancien"));
    QVERIFY(f()->Label_avis->isVisible());
    const QString illisible = f()->Label_avis->text();

    QVERIFY(QFile::remove(base));
    QTest::keyClick(f()->Edit_call, Qt::Key_Backspace);
    QVERIFY(f()->Label_avis->text() != illisible);
    QVERIFY(f()->Label_avis->isVisible());
    ecrire_lignes(base, membres);
    QTest::keyClick(f()->Edit_call, Qt::Key_C);
    QVERIFY(!f()->Label_avis->isVisible());
    QCOMPARE(f()->Edit_ZTC->text(), QStringLiteral("123"));
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

void TestFenetreStation::indicatif_retouche_garde_l_adresse_data() {
    QTest::addColumn<QString>("indicatif");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("ztc");
    ligne_donnees("membre", "F5ABC", "Jean DUPONT", "123");
    ligne_donnees("non membre", "F4XYZ", "Luc Petit", "NM");
}

// "/P" typed after the call and taken back: the address lines and a name the database does
// not know reach the file as the operator typed them.
void TestFenetreStation::indicatif_retouche_garde_l_adresse() {
    QFETCH(QString, indicatif);
    QFETCH(QString, nom);
    QFETCH(QString, ztc);
    QTest::keyClicks(f()->Edit_call, indicatif);
    f()->Edit_nom->setText(QStringLiteral("Luc Petit"));
    f()->Edit_adresse1->setText(QStringLiteral("3 rue des Ondes"));
    f()->Edit_adresse2->setText(QStringLiteral("29200 Brest"));
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("essai.VRK")));
    f()->BitBtn_creer->click();
    QTest::keyClicks(f()->Edit_call, QStringLiteral("/p"));
    QTest::keyClick(f()->Edit_call, Qt::Key_Backspace);
    QTest::keyClick(f()->Edit_call, Qt::Key_Backspace);
    f()->BitBtn_OK->click();
    QVERIFY(banc_->principale()->isVisible());
    QCOMPARE(lire_lignes(banc_->travail(QStringLiteral("essai.VRK"))).mid(1, 5),
             (QStringList{indicatif, nom, QStringLiteral("3 rue des Ondes"),
                          QStringLiteral("29200 Brest"), ztc}));
}

void TestFenetreStation::choix_dxcc_par_l_operateur() {
    QTest::keyClicks(f()->Edit_call, QStringLiteral("F5ABC"));
    QCOMPARE(banc_->etat->station.station_DXCC, QStringLiteral("F"));
    QTest::keyClick(f()->ComboBox_DXCC, Qt::Key_Down);
    QCOMPARE(f()->ComboBox_DXCC->currentText(), QStringLiteral("DL"));
    QCOMPARE(banc_->etat->station.station_DXCC, QStringLiteral("DL"));
    // Typing into the box counts too.
    f()->ComboBox_DXCC->lineEdit()->clear();
    QTest::keyClicks(f()->ComboBox_DXCC->lineEdit(), QStringLiteral("TK"));
    QCOMPARE(banc_->etat->station.station_DXCC, QStringLiteral("TK"));
}

void TestFenetreStation::ok_sans_indicatif_puis_sans_fichier() {
    f()->BitBtn_OK->click();
    QTest::keyClicks(f()->Edit_call, QStringLiteral("F5ABC"));
    f()->BitBtn_OK->click();
    QCOMPARE(banc_->dialogues.textes(),
             (QStringList{QStringLiteral(" ---------  Indicatif absent -----------"),
                          QStringLiteral(" Il faut créer un fichier de travail")}));
    QVERIFY(f()->isVisible());
    QVERIFY(!banc_->principale()->isVisible());
    QVERIFY(!QFileInfo::exists(banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini"))));
}

void TestFenetreStation::creer_fichier_force_le_nom_et_le_dossier() {
    QTest::keyClicks(f()->Edit_call, QStringLiteral("F5ABC"));
    QTemporaryDir ailleurs;
    banc_->dialogues.prevoir_fichier(ailleurs.filePath(QStringLiteral("essai.2024.txt")));
    f()->BitBtn_creer->click();
    const QString cree = banc_->travail(QStringLiteral("essai.VRK"));
    QCOMPARE(f()->Label_nomfichier->text(), QStringLiteral("essai.VRK"));
    QCOMPARE(banc_->etat->fichier_courant,
             banc_->etat->rep_challenge + QStringLiteral("/essai.VRK"));
    const QStringList lignes = lire_lignes(cree);
    QCOMPARE(lignes.size(), 39);
    QCOMPARE(lignes.mid(1, 3),
             (QStringList{QStringLiteral("F5ABC"), QStringLiteral("Jean DUPONT"), QString()}));
    QVERIFY(!QFileInfo::exists(ailleurs.filePath(QStringLiteral("essai.2024.txt"))));
    QVERIFY(banc_->dialogues.questions.isEmpty());
    const DemandeFichier demande = banc_->dialogues.demandes.value(0);
    QCOMPARE(demande.dossier_initial, banc_->etat->rep_challenge);
    QCOMPARE(demande.extension_defaut, QStringLiteral("VRK"));
}

void TestFenetreStation::creer_fichier_ne_remplace_pas_sans_demander() {
    const QString existant = banc_->travail(QStringLiteral("essai.VRK"));
    const QStringList journal{QStringLiteral("un journal de 500 QSO")};
    ecrire_lignes(existant, journal);
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("essai.2024.txt")));
    banc_->dialogues.prevoir_reponse(Reponse::non);
    f()->BitBtn_creer->click();
    QCOMPARE(banc_->dialogues.questions.size(), 1);
    QCOMPARE(lire_lignes(existant), journal);
    QCOMPARE(f()->Label_nomfichier->text(), QStringLiteral("Fichier à créer ou à charger"));
    QCOMPARE(banc_->etat->fichier_courant, QString());
}

void TestFenetreStation::ok_ouvre_la_fenetre_principale() {
    QTest::keyClicks(f()->Edit_call, QStringLiteral("F5ABC"));
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("essai.VRK")));
    f()->BitBtn_creer->click();
    // A field changed after the creation reaches the file at OK.
    f()->Edit_adresse1->setText(QStringLiteral("3 place du Marché"));
    f()->Edit_email->setText(QStringLiteral("f5abc@free.fr"));
    f()->BitBtn_OK->click();
    const ControlesPrincipale* m = banc_->controles_principale();
    QVERIFY(!f()->isVisible());
    QVERIFY(m->fenetre->isVisible());
    QCOMPARE(
        m->fenetre->windowTitle(),
        QStringLiteral("CHALLENGE d'été VOREK  V7.5.0.0 (12/2023) : Fichier :essai.VRK (0 QSO)"));
    QVERIFY(m->Timer1->isActive());
    QCOMPARE(banc_->etat->station.station_email, QStringLiteral("f5abc@free.fr"));
    QCOMPARE(lire_lignes(banc_->travail(QStringLiteral("essai.VRK"))).at(3),
             QStringLiteral("3 place du Marché"));
    const QStringList ini = lire_lignes(banc_->chemin(QStringLiteral("cfg/Challenge_VRK.ini")));
    QVERIFY(ini.contains(QStringLiteral("AD=f5abc@free.fr")));
    QVERIFY2(ini.contains(QStringLiteral("Form_mainW=910")), qPrintable(ini.join(u'|')));
    QVERIFY(banc_->dialogues.messages.isEmpty());
}

void TestFenetreStation::email_propose_serveur_et_port() {
    QTest::keyClicks(f()->Edit_email, QStringLiteral("f5abc@free.fr"));
    QCOMPARE(f()->Edit_SMTP->text(), QStringLiteral("smtp.free.fr"));
    QCOMPARE(f()->Edit_port->text(), QStringLiteral("25"));
    QCOMPARE(banc_->etat->station.station_email, QStringLiteral("f5abc@free.fr"));
    // An address that fails the check empties both and keeps the last good address.
    QTest::keyClick(f()->Edit_email, Qt::Key_Period);
    QCOMPARE(f()->Edit_SMTP->text(), QString());
    QCOMPARE(f()->Edit_port->text(), QString());
    QCOMPARE(banc_->etat->station.station_email, QStringLiteral("f5abc@free.fr"));
    f()->Edit_email->setText(QStringLiteral("x@inconnu.fr"));
    QCOMPARE(f()->Edit_SMTP->text(), QString());
    QCOMPARE(banc_->etat->station.station_email, QStringLiteral("x@inconnu.fr"));
}

void TestFenetreStation::smtp_absent_signale() {
    const QString table = banc_->chemin(QStringLiteral("cfg/SMTP.csv"));
    const QStringList lignes = lire_lignes(table);
    QVERIFY(QFile::remove(table));
    banc_->etat->station.station_email = QStringLiteral("avant@free.fr");
    f()->Edit_email->clear();
    QTest::keyClicks(f()->Edit_email, QStringLiteral("f5abc@free.fr"));
    QCOMPARE(f()->Edit_email->text(), QStringLiteral("f5abc@free.fr"));
    QVERIFY(banc_->dialogues.messages.isEmpty());
    QVERIFY(f()->Label_avis->isVisible());
    QVERIFY2(f()->Label_avis->text().contains(QDir::toNativeSeparators(table)),
             qPrintable(f()->Label_avis->text()));
    QCOMPARE(f()->Edit_SMTP->text(), QString());
    QCOMPARE(banc_->etat->station.station_email, QStringLiteral("avant@free.fr"));

    ecrire_lignes(table, lignes);
    QTest::keyClick(f()->Edit_email, Qt::Key_Backspace);
    QTest::keyClick(f()->Edit_email, Qt::Key_R);
    QVERIFY(!f()->Label_avis->isVisible());
    QCOMPARE(f()->Edit_SMTP->text(), QStringLiteral("smtp.free.fr"));
}

// A new operator's first start, the program beside what it ships: no table in cfg yet, no
// member database (the club server does not answer). Nothing typed raises a box.
void TestFenetreStation::premier_demarrage_sans_boite() {
    BancProgramme nu;
    nu.serveur_absent();
    QVERIFY(QDir().mkpath(nu.chemin(QStringLiteral("data"))));
    QVERIFY(QFile::copy(QStringLiteral(VOREK_DONNEES_TEST "/SMTP.csv"),
                        nu.chemin(QStringLiteral("data/SMTP.csv"))));
    nu.demarrer();
    QVERIFY(nu.infos()->isVisible());
    nu.dialogues = DialoguesScriptes();
    taper_sans_boite(nu);
}

void TestFenetreStation::charger_fichier_remplit_les_champs() {
    Etat source;
    source.fixer_rep_programme(banc_->prog());
    source.station.station_call = QStringLiteral("F6XYZ");
    source.station.nom_saisi = QStringLiteral("Marie M.");
    source.station.station_adresse1 = QStringLiteral("2 rue Haute");
    source.station.station_adresse2 = QStringLiteral("69001 LYON");
    source.station.station_nr_club = QStringLiteral("456");
    source.station.station_DXCC = QStringLiteral("F");
    remplir_journal(
        source, {{QStringLiteral("01/07/2025"), QStringLiteral("10:00"), QStringLiteral("F5ABC"),
                  QStringLiteral("40m"), QStringLiteral("599"), QStringLiteral("599")},
                 {QStringLiteral("01/07/2025"), QStringLiteral("10:05"), QStringLiteral("DL1AA"),
                  QStringLiteral("40m"), QStringLiteral("599"), QStringLiteral("599")}});
    source.table.fixer_largeur(8, 231);
    const QString chemin = banc_->travail(QStringLiteral("ete.VRK"));
    sauver_fichier(source, chemin);

    banc_->dialogues.prevoir_fichier(chemin);
    f()->BitBtn_charger->click();
    Etat& etat = *banc_->etat;
    QCOMPARE(etat.fichier_courant, chemin);
    QCOMPARE(f()->Edit_call->text(), QStringLiteral("F6XYZ"));
    QCOMPARE(f()->Edit_nom->text(), QStringLiteral("Marie M."));
    QCOMPARE(f()->Edit_ZTC->text(), QStringLiteral("456"));
    QCOMPARE(f()->Edit_adresse2->text(), QStringLiteral("69001 LYON"));
    QCOMPARE(etat.station.station_nom(), QStringLiteral("Marie M."));
    QCOMPARE(etat.station.station_adresse1, QStringLiteral("2 rue Haute"));
    QCOMPARE(etat.station.station_continent, QStringLiteral("EU"));
    QCOMPARE(f()->Label_nomfichier->text(), QStringLiteral("ete.VRK"));
    QCOMPARE(etat.ligne_suivante, 3);
    const ControlesPrincipale* m = banc_->controles_principale();
    QVERIFY(m->fenetre->windowTitle().endsWith(QStringLiteral("Fichier :ete.VRK (2 QSO)")));
    QCOMPARE(m->Label_nbrQSO->text(), QStringLiteral("2"));
    QVERIFY(m->Label_score->text().endsWith(QStringLiteral(" points")));
    QCOMPARE(m->Grille->horizontalHeader()->sectionSize(8), 231);
    QCOMPARE(m->Grille->model()->data(m->Grille->model()->index(1, 2)).toString(),
             QStringLiteral("DL1AA"));

    // A name that names no file: the error box, and the file stays the current one.
    banc_->dialogues = DialoguesScriptes();
    banc_->dialogues.prevoir_fichier(banc_->travail(QStringLiteral("nul.VRK")));
    f()->BitBtn_charger->click();
    QCOMPARE(banc_->dialogues.textes(), QStringList{QStringLiteral("Fichier introuvable")});
    QCOMPARE(etat.table.nb_lignes(), 4);
}

void TestFenetreStation::chargement_note_avec_la_bande_de_la_saisie_data() {
    QTest::addColumn<QString>("bande");
    QTest::addColumn<QString>("points");
    ligne_donnees("160m", QStringLiteral("160m"), QStringLiteral("3"));
    ligne_donnees("20m", QStringLiteral("20m"), QStringLiteral("4"));
    ligne_donnees("texte hors liste", QStringLiteral("14 MHz"), QStringLiteral("0"));
}

// A QSO without band scores with the band the main window's entry shows, even when the
// station window loads the file.
void TestFenetreStation::chargement_note_avec_la_bande_de_la_saisie() {
    QFETCH(QString, bande);
    banc_->controles_principale()->ComboBox_band->setCurrentText(bande);
    Etat source;
    source.fixer_rep_programme(banc_->prog());
    source.station.station_call = QStringLiteral("F6XYZ");
    remplir_journal(
        source, {{QStringLiteral("02/07/2025"), QStringLiteral("10:00"), QStringLiteral("F5ABC"),
                  QString(), QStringLiteral("599"), QStringLiteral("599")}});
    const QString chemin = banc_->travail(QStringLiteral("sans_bande.VRK"));
    sauver_fichier(source, chemin);
    banc_->dialogues.prevoir_fichier(chemin);
    f()->BitBtn_charger->click();
    QCOMPARE(banc_->etat->table.cellule(col_ztc, 1), QStringLiteral("123"));
    QTEST(banc_->etat->table.cellule(col_points, 1), "points");
}

void TestFenetreStation::infobulles_et_barre_d_etat_data() {
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("courte");
    QTest::addColumn<QString>("longue");
    QTest::newRow("Edit_call") << QStringLiteral("Edit_call")
                               << QStringLiteral("Call de la station")
                               << QStringLiteral("Entrer l'indicatif de la station utilisée pour "
                                                 "le concours");
    QTest::newRow("ComboBox_DXCC")
        << QStringLiteral("ComboBox_DXCC") << QStringLiteral("DXCC")
        << QStringLiteral("Si le DXCC n'est pas correct, utiliser la liste déroulante");
    QTest::newRow("BitBtn_OK") << QStringLiteral("BitBtn_OK") << QStringLiteral("Saisie OK")
                               << QStringLiteral("Vous devez remplir tous les champs ou charger un "
                                                 "fichier existant");
    QTest::newRow("BitBtn_Exit") << QStringLiteral("BitBtn_Exit")
                                 << QStringLiteral("Fin du programme")
                                 << QStringLiteral("Quitter le programme avant exécution complète");
    QTest::newRow("sans barre") << QStringLiteral("BitBtn_creer")
                                << QStringLiteral("Créer un nouveau fichier Challenge")
                                << QStringLiteral("Créer un nouveau fichier Challenge");
}

void TestFenetreStation::infobulles_et_barre_d_etat() {
    QFETCH(QString, nom);
    QFETCH(QString, courte);
    QFETCH(QString, longue);
    auto* controle = f()->findChild<QWidget*>(nom);
    QVERIFY(controle);
    QCOMPARE(controle->toolTip(), courte);
    QStatusTipEvent survol(controle->statusTip());
    QApplication::sendEvent(controle, &survol);
    QCOMPARE(f()->StatusBar1->currentMessage(), longue);
    QCOMPARE(QToolTip::font().family(), QStringLiteral("Times New Roman"));
    QCOMPARE(QToolTip::font().pointSize(), 10);
}

void TestFenetreStation::ordre_de_tabulation() {
    const QStringList attendu{QStringLiteral("Edit_call"),      QStringLiteral("Edit_ZTC"),
                              QStringLiteral("Edit_adresse1"),  QStringLiteral("BitBtn_OK"),
                              QStringLiteral("ComboBox_DXCC"),  QStringLiteral("BitBtn_Exit"),
                              QStringLiteral("Edit_nom"),       QStringLiteral("Edit_adresse2"),
                              QStringLiteral("BitBtn_charger"), QStringLiteral("BitBtn_creer"),
                              QStringLiteral("Edit_email"),     QStringLiteral("Edit_SMTP"),
                              QStringLiteral("Edit_port")};
    f()->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(f()));
    f()->Edit_call->setFocus();
    QStringList ordre;
    for (int i = 0; i < attendu.size(); ++i) {
        QWidget* w = QApplication::focusWidget();
        QVERIFY(w);
        // The editable combo box hands the focus to its line edit.
        QWidget* proprietaire = qobject_cast<QComboBox*>(w->parentWidget()) ? w->parentWidget() : w;
        ordre.append(proprietaire->objectName());
        QTest::keyClick(w, Qt::Key_Tab);
    }
    QCOMPARE(ordre, attendu);
}

QTEST_MAIN(TestFenetreStation)
#include "tst_fenetre_station.moc"
