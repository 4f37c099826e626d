#include "app/demarrage.h"
#include "banc_programme.h"
#include "base/dates.h"
#include "base/fichier_texte.h"
#include "rules/bandes.h"
#include "ui/tform_choix_adif.h"
#include "ui/tform_infocr.h"
#include "ui/tform_infos.h"
#include "ui/tform_main.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QTableWidget>
#include <QTcpServer>
#include <QTimeEdit>
#include <QTimer>
#include <QtTest>

#include <stdexcept>

using namespace vorek;

namespace {

QStringList elements(const QComboBox* combo) {
    QStringList liste;
    for (int i = 0; i < combo->count(); ++i) {
        liste.append(combo->itemText(i));
    }
    return liste;
}

QWidget* trouver_fenetre(const char* nom) {
    for (QWidget* w : QApplication::topLevelWidgets()) {
        if (w->objectName() == QLatin1String(nom)) {
            return w;
        }
    }
    return nullptr;
}

const QStringList membres{QStringLiteral("F5ABC,123,Jean DUPONT,Paris"),
                          QStringLiteral("F6XYZ,456,Marie MARTIN,Lyon")};

} // namespace

class TestFenetresDemarrage : public QObject {
    Q_OBJECT

  private slots:
    void premier_demarrage_dans_un_dossier_vide();
    void demarrage_suivant_sans_mise_a_jour();
    void liste_dxcc_pres_du_programme();
    void legende_sans_version();
    void fenetre_d_attente_pendant_le_telechargement();
    void passer_laisse_un_serveur_muet();
    void fenetre_principale_a_la_creation();
    void controles_nommes_data();
    void controles_nommes();
    void ordre_de_saisie();
    void parametres_par_defaut();
    void largeur_en_lettres();
    void parametres_d_une_session_a_l_autre();
};

void TestFenetresDemarrage::premier_demarrage_dans_un_dossier_vide() {
    QTemporaryDir site;
    QVERIFY(QDir().mkpath(site.filePath(QStringLiteral("Concours"))));
    QVERIFY(QDir().mkpath(site.filePath(QStringLiteral("cty"))));
    ecrire_lignes(site.filePath(QStringLiteral("Concours/ZTC_mini_2021.csv")), membres);
    QVERIFY(QFile::copy(QStringLiteral(VOREK_DONNEES_TEST "/cty_wt_mod.dat"),
                        site.filePath(QStringLiteral("cty/cty_wt.dat"))));
    ServeurHttp serveur(site.path());
    QVERIFY(!serveur.adresse().isEmpty());

    BancProgramme banc;
    banc.fixer_serveur(serveur.adresse());
    banc.demarrer();

    for (const char* dossier : {"Fichiers_challenge", "Fichiers_BD", "cfg"}) {
        QVERIFY2(QFileInfo(banc.chemin(QString::fromLatin1(dossier))).isDir(), dossier);
    }
    const QString base = banc.chemin(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"));
    QCOMPARE(lire_lignes(base), membres);
    QVERIFY(banc.dialogues.questions.isEmpty());
    QVERIFY(banc.dialogues.messages.isEmpty());
    // The member database, then the country file.
    QCOMPARE(banc.attente.ouvertures(), 2);
    QVERIFY(!banc.attente.fenetre());
    TForm_Infos* infos = banc.infos();
    QCOMPARE(infos->Label_BD_ZTC->text(), QStringLiteral("BD ZTC :\\ZTC_mini_2021.csv"));
    QCOMPARE(infos->Label_date_BD->text(),
             QStringLiteral("Date du fichier : ") + date_fichier(base));
    QCOMPARE(infos->Label_nomfichier->text(), QStringLiteral("Fichier à créer ou à charger"));
    // The country file came too, and its conversion filled the entity list.
    QVERIFY(QFileInfo::exists(banc.chemin(QStringLiteral("cfg/cty_wt.dat"))));
    QVERIFY(QFileInfo::exists(banc.chemin(QStringLiteral("cfg/DXCC.CSV"))));
    QVERIFY(infos->ComboBox_DXCC->count() > 100);
    QVERIFY(infos->ComboBox_DXCC->findText(QStringLiteral("F")) >= 0);
    QCOMPARE(infos->ComboBox_DXCC->currentIndex(), 0);
    QVERIFY(infos->isVisible());
    QVERIFY(!banc.principale()->isVisible());
}

void TestFenetresDemarrage::demarrage_suivant_sans_mise_a_jour() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.ecrire(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv"), membres);
    QFile base(banc.chemin(QStringLiteral("Fichiers_BD/ZTC_mini_2021.csv")));
    QVERIFY(base.open(QIODevice::ReadWrite));
    QVERIFY(base.setFileTime(QDateTime(QDate(2024, 6, 30), QTime(18, 0)),
                             QFileDevice::FileModificationTime));
    base.close();
    banc.dialogues.prevoir_reponse(Reponse::non);
    banc.demarrer();

    QCOMPARE(banc.dialogues.questions,
             QStringList{QStringLiteral("Votre base de données des membres date du 30/06/2024\r\r"
                                        "Voulez-vous mettre à jour le fichier ?")});
    // Only the missing country file was asked for.
    QCOMPARE(banc.attente.ouvertures(), 1);
    QCOMPARE(lire_lignes(base.fileName()), membres);
    QCOMPARE(banc.infos()->Label_BD_ZTC->text(),
             QStringLiteral("BD Membres : \\ZTC_mini_2021.csv"));
    QCOMPARE(banc.infos()->Label_date_BD->text(), QStringLiteral("Date du fichier : 30/06/2024"));
}

void TestFenetresDemarrage::liste_dxcc_pres_du_programme() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.ecrire(QStringLiteral("Dxcc.Csv"),
                {QStringLiteral("F,France,F,EU,227"), QStringLiteral("TM,France,F,EU,227"),
                 QStringLiteral("DL,Germany,DL,EU,230"), QStringLiteral("FG,Guadeloupe,F,NA,79")});
    banc.demarrer();
    const QStringList dxcc = elements(banc.infos()->ComboBox_DXCC);
    QCOMPARE(dxcc, (QStringList{QStringLiteral("F"), QStringLiteral("DL"), QStringLiteral("F")}));
    QCOMPARE(banc.infos()->ComboBox_DXCC->currentText(), QStringLiteral("F"));
    QCOMPARE(elements(banc.controles_principale()->ComboBox_PFX), dxcc + QStringList{QString()});
    QCOMPARE(banc.controles_principale()->ComboBox_PFX->currentIndex(), -1);
}

void TestFenetresDemarrage::legende_sans_version() {
    BancProgramme banc;
    int pays = 0;
    banc.actions.telecharger_base_membres = [](const SuiviTelechargement&) {
        return ResultatTelechargement{};
    };
    banc.actions.telecharger_fichier_pays = [&pays](const SuiviTelechargement&) {
        ++pays;
        return ResultatTelechargement{};
    };
    banc.actions_fournies = true;
    banc.ecrire(QStringLiteral("DXCC.CSV"), {QStringLiteral("F,France,F,EU,227")});
    banc.ecrire(QStringLiteral("cfg/DXCC.CSV"), {QStringLiteral("F,France,F,EU,227")});
    banc.demarrer(QStringLiteral("7.5.0.0"));
    QCOMPARE(banc.infos()->windowTitle(),
             QStringLiteral("CHALLENGE d'été VOREK  V7.5.0.0 (12/2023)"));
    QCOMPARE(banc.etat->version_prog, QStringLiteral("V7.5.0.0 (12/2023)"));
    QCOMPARE(pays, 1);

    banc.redemarrer();
    banc.programme.reset();
    banc.dialogues = DialoguesScriptes();
    banc.demarrer(QString());
    QCOMPARE(banc.infos()->windowTitle(), QStringLiteral("CHALLENGE d'été VOREK   (12/2023)"));
    QCOMPARE(banc.etat->version_prog, QString());
    QCOMPARE(banc.dialogues.textes(),
             QStringList{QStringLiteral("Les infos de version ne sont pas incluses dans "
                                        "l'exécutable")});
    QCOMPARE(pays, 2);
    QVERIFY(banc.infos()->isVisible());
}

void TestFenetresDemarrage::fenetre_d_attente_pendant_le_telechargement() {
    BancProgramme banc;
    QString legende;
    QString fichier;
    Qt::WindowFlags drapeaux;
    int largeur = 0;
    QColor fond;
    bool visible = false;
    int avancement = -1;
    bool continuer = false;
    banc.actions.telecharger_base_membres =
        [&](const SuiviTelechargement& suivi) -> ResultatTelechargement {
        continuer = suivi(250, 1000);
        const QWidget* attente = banc.attente.fenetre();
        if (attente) {
            legende = attente->windowTitle();
            fichier = banc.controle<QLabel>(attente, "Label_fichier")->text();
            avancement = banc.controle<QProgressBar>(attente, "ProgressBar_attente")->value();
            drapeaux = attente->windowFlags();
            largeur = attente->width();
            fond = attente->palette().color(QPalette::Window);
            visible = attente->isVisible();
        }
        throw std::runtime_error("connexion coupée");
    };
    banc.actions_fournies = true;
    banc.demarrer();
    QCOMPARE(legende,
             QStringLiteral("La Base de Données ZTC est en cours de chargement..... QRX !"));
    QCOMPARE(fichier, QStringLiteral("Téléchargement de ZTC_mini_2021.csv"));
    QCOMPARE(avancement, 250);
    QVERIFY(continuer);
    QVERIFY(visible);
    QVERIFY(drapeaux.testFlag(Qt::WindowStaysOnTopHint));
    QCOMPARE(drapeaux & Qt::WindowType_Mask, Qt::Tool);
    QVERIFY(!drapeaux.testFlag(Qt::WindowCloseButtonHint));
    QCOMPARE(largeur, 350);
    QCOMPARE(fond, QColor(Qt::red));
    // The fetch failed with an exception: the window is gone and the start-up went on.
    QVERIFY(!banc.attente.fenetre());
    QCOMPARE(banc.infos()->Label_date_BD->text(),
             QStringLiteral("Date du fichier : fichier absent"));
    QVERIFY(banc.infos()->isVisible());
    QCOMPARE(banc.infos()->windowTitle(),
             QStringLiteral("CHALLENGE d'été VOREK  V7.5.0.0 (12/2023)"));
}

void TestFenetresDemarrage::passer_laisse_un_serveur_muet() {
    // Takes every connection and never answers.
    QTcpServer muet;
    QVERIFY(muet.listen(QHostAddress::LocalHost));
    BancProgramme banc;
    banc.fixer_serveur(QStringLiteral("http://127.0.0.1:%1").arg(muet.serverPort()));
    QString fichier;
    QTimer::singleShot(300, [&] {
        if (const QWidget* attente = banc.attente.fenetre()) {
            fichier = banc.controle<QLabel>(attente, "Label_fichier")->text();
            banc.controle<QPushButton>(attente, "BitBtn_passer")->click();
        }
    });
    banc.demarrer();
    QCOMPARE(fichier, QStringLiteral("Téléchargement de ZTC_mini_2021.csv"));
    // "Passer" ended the downloads of this start: the country file was not asked for.
    QCOMPARE(banc.attente.ouvertures(), 1);
    QTest::qWait(100);
    int connexions = 0;
    while (muet.hasPendingConnections()) {
        delete muet.nextPendingConnection();
        ++connexions;
    }
    QCOMPARE(connexions, 1);
    QVERIFY(banc.dialogues.messages.isEmpty());
    QCOMPARE(banc.infos()->Label_date_BD->text(),
             QStringLiteral("Date du fichier : fichier absent"));
    // The shipped country file stands in.
    QVERIFY(banc.infos()->ComboBox_DXCC->findText(QStringLiteral("F")) >= 0);
    QVERIFY(QFileInfo::exists(banc.chemin(QStringLiteral("cfg/DXCC.CSV"))));
    QVERIFY(!QFileInfo::exists(banc.chemin(QStringLiteral("cfg/cty_wt.dat"))));
    QVERIFY(banc.infos()->isVisible());
}

void TestFenetresDemarrage::fenetre_principale_a_la_creation() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.demarrer();
    const ControlesPrincipale* m = banc.controles_principale();
    QCOMPARE(m->fenetre->windowTitle(),
             QStringLiteral("Challenge d'été VOREK  : Fichier SANS NOM "));
    const TableJournal& table = banc.etat->table;
    QCOMPARE(table.nb_lignes(), 2);
    QCOMPARE(table.ligne(0), entetes_journal());
    QCOMPARE(m->Grille->model()->headerData(2, Qt::Horizontal).toString(),
             QStringLiteral("  INDICATIF"));
    QCOMPARE(m->Grille->model()->rowCount(), 1);
    QCOMPARE(banc.etat->ligne_suivante, 1);
    QVERIFY(!banc.etat->fichier_modifie);
    QCOMPARE(m->Grille_prec->rowCount(), 1);
    QCOMPARE(m->Grille_prec->horizontalHeaderItem(1)->text(), QStringLiteral("  C_DATE,"));
    QCOMPARE(m->Grille_prec->columnWidth(4), 130);
    QCOMPARE(m->StringGrid_HF->horizontalHeaderItem(14)->text(), QStringLiteral("SAT"));
    QVERIFY(m->StringGrid_HF->columnWidth(0) >= 31);
    QCOMPARE(elements(m->ComboBox_band), bandes());
    QCOMPARE(m->ComboBox_band->currentIndex(), 0);
    QCOMPARE(m->DateTimePicker_date->date(), QDate(2025, 3, 15));
    QCOMPARE(m->DateTimePicker_time->time(), QTime(9, 0));
    QCOMPARE(banc.etat->decalage_UTC, -1);
    QCOMPARE(m->Label_temps_reel->text(), QStringLiteral("Temps réel"));
    QCOMPARE(m->Label_temps_reel->palette().color(QPalette::WindowText), QColor(255, 0, 0));
    QVERIFY(banc.etat->temps_reel);
    QCOMPARE(m->Label_score->text(), QStringLiteral("0 points"));
    QCOMPARE(m->Label_nbrQSO->text(), QStringLiteral("0"));
    // The e-mail window stopped the clock; the station window's OK starts it.
    QVERIFY(!m->Timer1->isActive());
    QCOMPARE(m->Timer1->interval(), 1000);
    QVERIFY(!m->CTYdatfichierdespays1->isVisible());
    QCOMPARE(banc.etat->debut_concours, lire_date_heure(QStringLiteral("01/07/2025 00:00:01")));
    QCOMPARE(banc.etat->fin_concours, lire_date_heure(QStringLiteral("31/08/2025 23:59:59")));
}

void TestFenetresDemarrage::controles_nommes_data() {
    QTest::addColumn<QString>("fenetre");
    QTest::addColumn<QString>("nom");
    QTest::addColumn<QString>("texte");
    QTest::addColumn<QString>("bulle");
    const auto ligne = [](const char* fenetre, const char* nom, const char* texte,
                          const char* bulle) {
        QTest::newRow(nom) << QString::fromLatin1(fenetre) << QString::fromLatin1(nom)
                           << QString::fromUtf8(texte) << QString::fromUtf8(bulle);
    };
    ligne("Form_main", "BitBtn_retour", "", "Retour aux caractéristiques de la station");
    ligne("Form_main", "OpenBtn", "", "Charger fichier challenge");
    ligne("Form_main", "SaveBtn", "", "Enregistrer fichier challenge");
    ligne("Form_main", "BitBtn_ADIF", "Import ADIF", "Importer un fichier ADIF");
    ligne("Form_main", "BitBtn_export_ADIF", "EXport ADIF", "Sauvegarder en ADIF");
    ligne("Form_main", "SpeedButton_temps_reel", "", "Temps réel");
    ligne("Form_main", "SpeedButton_temps_differe", "", "Temps différé");
    ligne("Form_main", "EcrireLog", "", "Ecrire le Compte rendu");
    ligne("Form_main", "Info_CR", "CR", "Info Envoi CR");
    ligne("Form_main", "SpeedButton1", "", "Fichier d'aide");
    ligne("Form_main", "BitBtn_bye", "&Fermer", "");
    ligne("Form_main", "BitBtn_inserer", "Insérer ligne", "");
    ligne("Form_main", "BitBtn_effacer", "Effacer", "Effacer la ligne du curseur");
    ligne("Form_main", "SpeedButton_tri_ZTC", "", "Extraction des calls ayant un numéro ZTC");
    ligne("Form_main", "SpeedButton_tri_CALL", "", "Tri par CALL");
    ligne("Form_main", "SpeedButton_tri_DATE", "", "Tri par date ");
    ligne("Form_main", "BitBtn_calcul", "Calcul", "");
    ligne("Form_main", "BitBtn_valider", "OK", "");
    ligne("Form_main", "BitBtn_efface_saisie", "Effacer",
          "Vider les champs de saisie, le journal ne change pas (touche Échap)");
    ligne("Form_main", "Grille", "", "Double clic pour transférer un QSO vers la saisie");
    ligne("Form_main", "Edit_call", "", "Recherche des éléments à partir du 4e caractère tapé.");
    ligne("Form_main", "Edit_RSTS", "",
          "ESPACE pour passer au champ suivant, RETURN pour terminer");
    ligne("Form_main", "ComboBox_band", "",
          "ESPACE pour passer au champ suivant, RETURN pour terminer");
    ligne("Form_choix_ADIF", "BitBtn_remplacement", "Remplacement", "");
    ligne("Form_choix_ADIF", "BitBtn_ajout", "Ajout", "");
    ligne("Form_infoCR", "Button_envoi", "Envoi de l'Email", "");
    ligne("Form_infoCR", "Label_erreur", "Erreur d'adresse email", "");
    ligne("Form_infoCR", "Panel5", "Piece jointe", "");
    ligne("Form_Infos", "BitBtn_charger", "Charger Fichier",
          "Charger un fichier Challenge existant");
    ligne("Form_Infos", "Label_fichier", "Fichier de travail :", "");
    ligne("Form_Infos", "Label1", "CP / Ville", "");
}

void TestFenetresDemarrage::controles_nommes() {
    QFETCH(QString, fenetre);
    QFETCH(QString, nom);
    QFETCH(QString, texte);
    QFETCH(QString, bulle);
    BancProgramme banc;
    banc.serveur_absent();
    banc.demarrer();
    const Programme& p = *banc.programme;
    const QList<QWidget*> fenetres{p.Form_Infos(), p.Form_main(), p.Form_choix_ADIF(),
                                   p.Form_infoCR()};
    QWidget* trouvee = nullptr;
    for (QWidget* w : fenetres) {
        if (w->objectName() == fenetre) {
            trouvee = w;
        }
    }
    QVERIFY(trouvee);
    const QWidget* controle = trouvee->findChild<QWidget*>(nom);
    QVERIFY(controle);
    if (!texte.isEmpty()) {
        QCOMPARE(controle->property("text").toString(), texte);
    }
    QCOMPARE(controle->toolTip(), bulle);
}

void TestFenetresDemarrage::ordre_de_saisie() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.demarrer();
    const QStringList attendu{
        QStringLiteral("Edit_call"),           QStringLiteral("Edit_RSTS"),
        QStringLiteral("Edit_RSTR"),           QStringLiteral("Edit_Notes"),
        QStringLiteral("ComboBox_band"),       QStringLiteral("ComboBox_PFX"),
        QStringLiteral("BitBtn_valider"),      QStringLiteral("Edit_NrZTC"),
        QStringLiteral("Edit_nomZTC"),         QStringLiteral("BitBtn_efface_saisie"),
        QStringLiteral("DateTimePicker_date"), QStringLiteral("DateTimePicker_time"),
        QStringLiteral("StringGrid_HF")};
    QStringList ordre;
    QWidget* w = banc.controles_principale()->Edit_call;
    while (ordre.size() < attendu.size() && w) {
        QWidget* proprietaire = w;
        while (proprietaire->parentWidget() &&
               proprietaire->parentWidget()->objectName().isEmpty()) {
            proprietaire = proprietaire->parentWidget();
        }
        if (qobject_cast<QComboBox*>(w->parentWidget()) ||
            qobject_cast<QAbstractSpinBox*>(w->parentWidget())) {
            proprietaire = w->parentWidget();
        }
        if (!proprietaire->objectName().isEmpty() && !ordre.contains(proprietaire->objectName()) &&
            (w->focusPolicy() & Qt::TabFocus)) {
            ordre.append(proprietaire->objectName());
        }
        w = w->nextInFocusChain();
    }
    QCOMPARE(ordre, attendu);
    QVERIFY(!banc.controles_principale()->Edit_Pays->isVisibleTo(banc.principale()));
    QVERIFY(!banc.controles_principale()->Edit_continent->isVisibleTo(banc.principale()));
}

void TestFenetresDemarrage::parametres_par_defaut() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.demarrer();
    // A first start sizes the columns to their headers, and the log table keeps those widths.
    const QHeaderView* entete = banc.controles_principale()->Grille->horizontalHeader();
    for (int col = 0; col < 10; ++col) {
        const QString titre = banc.etat->table.cellule(col, 0);
        QVERIFY2(entete->sectionSize(col) > entete->fontMetrics().horizontalAdvance(titre),
                 qPrintable(titre));
        QVERIFY(entete->sectionSize(col) >= banc.etat->table.largeur(col));
    }
    QCOMPARE(banc.etat->table.largeur(2), entete->sectionSize(2));
    QCOMPARE(banc.infos()->pos(), QPoint(770, 440));
    QCOMPARE(banc.infos()->width(), 395 < banc.infos()->minimumSizeHint().width()
                                        ? banc.infos()->minimumSizeHint().width()
                                        : 395);
    QCOMPARE(banc.principale()->geometry().size(), QSize(910, 800));
    QCOMPARE(banc.principale()->pos(), QPoint(600, 160));
    QCOMPARE(banc.programme->Form_choix_ADIF()->pos(), QPoint(310, 260));
    QCOMPARE(banc.infos()->Edit_email->text(), QString());
}

void TestFenetresDemarrage::largeur_en_lettres() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.ecrire(QStringLiteral("cfg/Challenge_VRK.ini"),
                {QStringLiteral("[Windows]"), QStringLiteral("Form_mainW=abc"),
                 QStringLiteral("Form_mainH=700"), QStringLiteral("[Grille]"),
                 QStringLiteral("WCol2=1x0"), QStringLiteral("WCol3=140")});
    banc.demarrer();
    QCOMPARE(banc.principale()->width(), 910);
    QCOMPARE(banc.principale()->height(), 700);
    QCOMPARE(banc.controles_principale()->Grille->horizontalHeader()->sectionSize(2), 50);
    QCOMPARE(banc.controles_principale()->Grille->horizontalHeader()->sectionSize(3), 140);
}

void TestFenetresDemarrage::parametres_d_une_session_a_l_autre() {
    BancProgramme banc;
    banc.serveur_absent();
    banc.ecrire(QStringLiteral("cfg/SMTP.csv"),
                {QStringLiteral("Domaine;Serveur;Port"), QStringLiteral("free;smtp.free.fr;25")});
    banc.demarrer();
    const ControlesPrincipale* m = banc.controles_principale();
    m->fenetre->move(40, 30);
    m->fenetre->resize(1000, 700);
    m->Grille->horizontalHeader()->resizeSection(3, 120);
    QCOMPARE(banc.etat->table.largeur(3), 120);
    banc.infos()->Edit_email->setText(QStringLiteral("f5abc@free.fr"));
    banc.dialogues.prevoir_fichier(banc.travail(QStringLiteral("ete.VRK")));
    banc.infos()->BitBtn_creer->click();
    // The e-mail and statistics windows open beside the main window the first time.
    m->Info_CR->click();
    TForm_infoCR* cr = banc.programme->Form_infoCR();
    QVERIFY(cr->isVisible());
    QVERIFY(!cr->frameGeometry().intersects(m->fenetre->frameGeometry()));
    cr->move(300, 200);
    cr->close();
    m->AfficherStatistiques1->trigger();
    QWidget* stats = trouver_fenetre("Form_statistiques");
    QVERIFY(stats && stats->isVisible());
    // Too wide for either side: against the screen's edge, off the call field.
    QVERIFY(!stats->frameGeometry().intersects(
        QRect(m->Edit_call->mapToGlobal(QPoint(0, 0)), m->Edit_call->size())));
    stats->move(100, 120);
    stats->close();
    m->BitBtn_bye->click();
    QVERIFY(banc.programme->termine());
    QVERIFY(!m->fenetre->isVisible());
    QVERIFY(!banc.infos()->isVisible());
    QVERIFY(banc.dialogues.messages.isEmpty());

    banc.redemarrer();
    QCOMPARE(banc.principale()->pos(), QPoint(40, 30));
    QCOMPARE(banc.principale()->size(), QSize(1000, 700));
    QCOMPARE(banc.controles_principale()->Grille->horizontalHeader()->sectionSize(3), 120);
    QCOMPARE(banc.etat->table.largeur(3), 120);
    QCOMPARE(banc.infos()->Edit_email->text(), QStringLiteral("f5abc@free.fr"));
    // The stored address ran its handling: server and port are proposed at start.
    QCOMPARE(banc.infos()->Edit_SMTP->text(), QStringLiteral("smtp.free.fr"));
    QCOMPARE(banc.infos()->Edit_port->text(), QStringLiteral("25"));
    QCOMPARE(banc.etat->station.station_email, QStringLiteral("f5abc@free.fr"));
    // Then where they were left; one not shown in a session keeps its place.
    banc.charger_challenge(banc.travail(QStringLiteral("ete.VRK")));
    banc.controles_principale()->Info_CR->click();
    QCOMPARE(banc.programme->Form_infoCR()->pos(), QPoint(300, 200));
    banc.controles_principale()->BitBtn_bye->click();
    banc.redemarrer();
    banc.charger_challenge(banc.travail(QStringLiteral("ete.VRK")));
    banc.controles_principale()->AfficherStatistiques1->trigger();
    QCOMPARE(trouver_fenetre("Form_statistiques")->pos(), QPoint(100, 120));
}

QTEST_MAIN(TestFenetresDemarrage)
#include "tst_fenetres_demarrage.moc"
