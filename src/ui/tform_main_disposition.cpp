#include "infobulle.h"
#include "tform_main.h"

#include "controles.h"
#include "panneau_saisie.h"

#include "log/table_journal.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPushButton>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTimer>
#include <QToolButton>
#include <QVBoxLayout>

#include <iterator>

namespace vorek {

namespace {

QToolButton* bouton_outil(QWidget* parent, const char* nom, const QString& texte,
                          const QIcon& icone, const QString& hint) {
    auto* bouton = creer<QToolButton>(parent, nom);
    bouton->setText(texte);
    bouton->setIcon(icone);
    bouton->setIconSize(QSize(22, 22));
    bouton->setToolButtonStyle(icone.isNull() ? Qt::ToolButtonTextOnly
                                              : Qt::ToolButtonTextBesideIcon);
    bouton->setAutoRaise(true);
    fixer_hint(bouton, hint);
    return bouton;
}

void peindre(QWidget* controle, const QColor& fond) {
    controle->setAutoFillBackground(true);
    colorer(controle, QPalette::Window, fond);
}

QFrame* bande_noire(QWidget* parent) {
    auto* bande = new QFrame(parent);
    bande->setFixedHeight(3);
    peindre(bande, Qt::black);
    return bande;
}

const QColor gris_moyen(160, 160, 164);
const QColor aqua(0, 255, 255);

// What a log column usually holds at its widest, column 0 first: the text a first start sizes
// it for, whatever the font (the notes fill what the window leaves).
const char* const contenus_journal[] = {
    "00/00/0000", "00:00", "DL1ABC/P",           "70cm", "599", "599",
    "9999",       "999",   "Jean-Pierre DUPONT", ""};

// The button and the menu item are one command: the button triggers the item's action and
// follows its state (enabled, shown); each keeps its own caption and icon.
void partager(QAbstractButton* bouton, QAction* action) {
    QObject::connect(bouton, &QAbstractButton::clicked, action, &QAction::trigger);
    QObject::connect(action, &QAction::changed, bouton, [bouton, action] {
        bouton->setEnabled(action->isEnabled());
        bouton->setVisible(action->isVisible());
    });
}

} // namespace

void TForm_main::construire_barre_outils() {
    auto* fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("Fond_main"));
    setCentralWidget(fond);
    Panel9 = creer<QFrame>(fond, "Panel9");
    QStyle* s = style();
    BitBtn_retour = bouton_outil(Panel9, "BitBtn_retour", QStringLiteral("Accueil"),
                                 s->standardIcon(QStyle::SP_ArrowBack),
                                 QStringLiteral("Retour aux caractéristiques de la station"));
    OpenBtn = bouton_outil(Panel9, "OpenBtn", QString(), s->standardIcon(QStyle::SP_DirOpenIcon),
                           QStringLiteral("Charger fichier challenge"));
    SaveBtn =
        bouton_outil(Panel9, "SaveBtn", QString(), s->standardIcon(QStyle::SP_DialogSaveButton),
                     QStringLiteral("Enregistrer fichier challenge"));
    OpenBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
    SaveBtn->setToolButtonStyle(Qt::ToolButtonIconOnly);
    BitBtn_ADIF = creer<QPushButton>(Panel9, "BitBtn_ADIF");
    BitBtn_ADIF->setText(QStringLiteral("Import ADIF"));
    fixer_hint(BitBtn_ADIF, QStringLiteral("Importer un fichier ADIF"));
    BitBtn_export_ADIF = creer<QPushButton>(Panel9, "BitBtn_export_ADIF");
    BitBtn_export_ADIF->setText(QStringLiteral("EXport ADIF"));
    fixer_hint(BitBtn_export_ADIF, QStringLiteral("Sauvegarder en ADIF"));
    SpeedButton_temps_reel =
        bouton_outil(Panel9, "SpeedButton_temps_reel", QStringLiteral("TR"),
                     s->standardIcon(QStyle::SP_MediaPlay), QStringLiteral("Temps réel"));
    SpeedButton_temps_differe =
        bouton_outil(Panel9, "SpeedButton_temps_differe", QStringLiteral("TD"),
                     s->standardIcon(QStyle::SP_MediaPause), QStringLiteral("Temps différé"));
    Label_temps_reel = creer<QLabel>(Panel9, "Label_temps_reel");
    Label_temps_reel->setFont(QFont(QStringLiteral("Tahoma"), 11, QFont::Bold));
    // Room for the longer of the two modes, so that the bar does not move when they change.
    Label_temps_reel->setMinimumWidth(largeur_texte(
        Label_temps_reel, {QStringLiteral("Temps réel"), QStringLiteral("Temps différé")}));
    EcrireLog = bouton_outil(Panel9, "EcrireLog", QStringLiteral("CR"),
                             s->standardIcon(QStyle::SP_FileDialogDetailedView),
                             QStringLiteral("Ecrire le Compte rendu"));
    Info_CR = creer<QPushButton>(Panel9, "Info_CR");
    Info_CR->setText(QStringLiteral("CR"));
    fixer_hint(Info_CR, QStringLiteral("Info Envoi CR"));
    SpeedButton1 = bouton_outil(Panel9, "SpeedButton1", QStringLiteral("Aide"),
                                s->standardIcon(QStyle::SP_DialogHelpButton),
                                QStringLiteral("Fichier d'aide"));
    // Icons only where the design has no caption: the bar fits the default 910 pixels.
    for (QToolButton* b :
         {SpeedButton_temps_reel, SpeedButton_temps_differe, EcrireLog, SpeedButton1}) {
        b->setToolButtonStyle(Qt::ToolButtonIconOnly);
    }
    BitBtn_bye = creer<QPushButton>(Panel9, "BitBtn_bye");
    BitBtn_bye->setText(QStringLiteral("&Fermer"));
    BitBtn_bye->setIcon(s->standardIcon(QStyle::SP_DialogCloseButton));
    peindre(Panel9, gris_moyen);
}

void TForm_main::construire_barre_boutons() {
    QWidget* fond = centralWidget();
    Panel3 = creer<QFrame>(fond, "Panel3");
    BitBtn_inserer = creer<QPushButton>(Panel3, "BitBtn_inserer");
    BitBtn_inserer->setText(QStringLiteral("Insérer ligne"));
    BitBtn_effacer = creer<QPushButton>(Panel3, "BitBtn_effacer");
    BitBtn_effacer->setText(QStringLiteral("Effacer"));
    fixer_hint(BitBtn_effacer, QStringLiteral("Effacer la ligne du curseur"));
    SpeedButton_tri_ZTC = bouton_outil(Panel3, "SpeedButton_tri_ZTC", QStringLiteral("ZTC"), {},
                                       QStringLiteral("Extraction des calls ayant un numéro ZTC"));
    SpeedButton_tri_CALL = bouton_outil(Panel3, "SpeedButton_tri_CALL", QStringLiteral("CALL"), {},
                                        QStringLiteral("Tri par CALL"));
    SpeedButton_tri_DATE = bouton_outil(Panel3, "SpeedButton_tri_DATE", QStringLiteral("DATE"), {},
                                        QStringLiteral("Tri par date "));
    BitBtn_calcul = creer<QPushButton>(Panel3, "BitBtn_calcul");
    BitBtn_calcul->setText(QStringLiteral("Calcul"));
    Label_score = creer<QLabel>(Panel3, "Label_score");
    Label_nbrQSO = creer<QLabel>(Panel3, "Label_nbrQSO");
    Label_score->setText(texte_score(0));
    Label_nbrQSO->setText(QStringLiteral("0"));
    const QFont arial(QStringLiteral("Arial"), 11, QFont::Bold);
    for (QLabel* label : {Label_score, Label_nbrQSO}) {
        label->setFont(arial);
        colorer(label, QPalette::WindowText, Qt::blue);
    }
    // A contest's score and count, without the bar moving as they grow.
    Label_score->setMinimumWidth(largeur_texte(Label_score, {QStringLiteral("99999 points")}));
    Label_nbrQSO->setMinimumWidth(largeur_texte(Label_nbrQSO, {QStringLiteral("99999")}));
    peindre(Panel3, gris_moyen);
}

void TForm_main::construire_grilles() {
    QWidget* fond = centralWidget();
    Grille = creer<QTableView>(fond, "Grille");
    Grille->setModel(&contexte_.etat.table);
    Grille->verticalHeader()->hide();
    Grille->verticalHeader()->setMinimumSectionSize(10);
    Grille->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    Grille->horizontalHeader()->setMinimumSectionSize(5);
    Grille->horizontalHeader()->setHighlightSections(false);
    Grille->setShowGrid(false);
    Grille->setSelectionMode(QAbstractItemView::SingleSelection);
    Grille->setEditTriggers(QAbstractItemView::EditKeyPressed | QAbstractItemView::AnyKeyPressed);
    Grille->setToolTip(QStringLiteral("Double clic pour transférer un QSO vers la saisie"));
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    tahoma.setBold(true);
    Grille->setFont(tahoma);
    Grille->verticalHeader()->setDefaultSectionSize(hauteur_ligne(Grille));
    appliquer_largeurs();

    Grille_mem = creer<QTableWidget>(fond, "Grille_mem");
    Grille_mem->setColumnCount(nb_colonnes_journal);
    Grille_mem->hide();

    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setInterval(1000);
}

void TForm_main::colonnes_au_contenu() {
    // The grid gives each width back to the log table, which stores it from now on.
    const TableJournal& table = contexte_.etat.table;
    for (int col = 0; col < table.nb_colonnes(); ++col) {
        const char* contenu = col < int(std::size(contenus_journal)) ? contenus_journal[col] : "";
        Grille->horizontalHeader()->resizeSection(
            col, largeur_au_contenu(Grille, table.cellule(col, 0), contenu));
    }
    etirer_notes();
}

void TForm_main::construire_menus() {
    Fichier1 = menuBar()->addMenu(QStringLiteral("&Fichier"));
    Fichier1->setObjectName(QStringLiteral("Fichier1"));
    RetourAccueil1 = Fichier1->addAction(QStringLiteral("Retour Accueil"));
    Fichier1->addSeparator();
    Ouvrir1 = Fichier1->addAction(QStringLiteral("&Ouvrir..."));
    Enregistrer1 = Fichier1->addAction(QStringLiteral("&Enregistrer"));
    Enregistrersous1 = Fichier1->addAction(QStringLiteral("Enregistrer &sous..."));
    Fichier1->addSeparator();
    Quitter1 = Fichier1->addAction(QStringLiteral("&Quitter"));
    ImportExport1 = menuBar()->addMenu(QStringLiteral("Import/Export"));
    ImportExport1->setObjectName(QStringLiteral("ImportExport1"));
    ImportADIF1 = ImportExport1->addAction(QStringLiteral("Import ADIF"));
    ImportExport1->addSeparator();
    ExportADIF1 = ImportExport1->addAction(QStringLiteral("Export ADIF"));
    ImportExport1->addSeparator();
    ExportTXT1 = ImportExport1->addAction(QStringLiteral("Export TEXTE"));
    Misesajour1 = menuBar()->addMenu(QStringLiteral("Mises à jour"));
    Misesajour1->setObjectName(QStringLiteral("Misesajour1"));
    CTYdatfichierdespays1 = Misesajour1->addAction(QStringLiteral("CTY.dat: fichier des pays"));
    CTYdatfichierdespays1->setVisible(false);
    Fichiersreference1 =
        Misesajour1->addAction(QStringLiteral("Télécharger à nouveau les fichiers de référence"));
    const std::pair<QAction*, const char*> noms[] = {
        {RetourAccueil1, "RetourAccueil1"},
        {Ouvrir1, "Ouvrir1"},
        {Enregistrer1, "Enregistrer1"},
        {Enregistrersous1, "Enregistrersous1"},
        {Quitter1, "Quitter1"},
        {ImportADIF1, "ImportADIF1"},
        {ExportADIF1, "ExportADIF1"},
        {ExportTXT1, "ExportTXT1"},
        {CTYdatfichierdespays1, "CTYdatfichierdespays1"},
        {Fichiersreference1, "Fichiersreference1"}};
    for (const auto& [action, nom] : noms) {
        action->setObjectName(QString::fromLatin1(nom));
    }
}

void TForm_main::partager_actions() {
    partager(BitBtn_retour, RetourAccueil1);
    partager(OpenBtn, Ouvrir1);
    partager(SaveBtn, Enregistrer1);
    partager(BitBtn_ADIF, ImportADIF1);
    partager(BitBtn_export_ADIF, ExportADIF1);
}

void TForm_main::disposer() {
    QWidget* fond = centralWidget();
    peindre(fond, aqua);

    auto* outils = new QHBoxLayout(Panel9);
    outils->setContentsMargins(4, 2, 4, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{BitBtn_retour, OpenBtn, SaveBtn, BitBtn_ADIF,
                                                      BitBtn_export_ADIF, SpeedButton_temps_reel,
                                                      Label_temps_reel, SpeedButton_temps_differe,
                                                      EcrireLog, Info_CR, SpeedButton1}) {
        outils->addWidget(w);
    }
    outils->addStretch();
    outils->addWidget(BitBtn_bye);

    auto* legendes = new QWidget(fond);
    legendes->setObjectName(QStringLiteral("Panel_legendes"));
    peindre(legendes, gris_moyen);
    auto* ligne_legendes = new QHBoxLayout(legendes);
    ligne_legendes->setContentsMargins(6, 1, 6, 1);
    auto* saisie = new QLabel(QStringLiteral("Saisie des QSOs"), legendes);
    auto* precedents = new QLabel(QStringLiteral("QSOs précédents"), legendes);
    for (QLabel* l : {saisie, precedents}) {
        l->setFont(QFont(QStringLiteral("Tahoma"), 10, QFont::Bold));
    }
    ligne_legendes->addWidget(saisie);
    ligne_legendes->addStretch();
    ligne_legendes->addWidget(precedents);
    ligne_legendes->addStretch();

    auto* boutons = new QHBoxLayout(Panel3);
    boutons->setContentsMargins(4, 2, 4, 2);
    for (QWidget* w : std::initializer_list<QWidget*>{BitBtn_inserer, BitBtn_effacer,
                                                      SpeedButton_tri_ZTC, SpeedButton_tri_CALL,
                                                      SpeedButton_tri_DATE, BitBtn_calcul}) {
        boutons->addWidget(w);
    }
    boutons->addSpacing(30);
    auto* score = new QLabel(QStringLiteral("Score = "), Panel3);
    auto* nombre = new QLabel(QStringLiteral("Nbr de QSO = "), Panel3);
    for (QLabel* l : {score, nombre}) {
        l->setFont(QFont(QStringLiteral("Arial"), 11, QFont::Bold));
    }
    boutons->addWidget(score);
    boutons->addWidget(Label_score);
    boutons->addSpacing(30);
    boutons->addWidget(nombre);
    boutons->addWidget(Label_nbrQSO);
    boutons->addStretch();

    auto* pile = new QVBoxLayout(fond);
    pile->setContentsMargins(0, 0, 0, 0);
    pile->setSpacing(0);
    pile->addWidget(Panel9);
    pile->addWidget(bande_noire(fond));
    pile->addWidget(legendes);
    pile->addWidget(panneau_);
    pile->addWidget(bande_noire(fond));
    pile->addWidget(Panel3);
    pile->addWidget(Grille, 1);

    // The earlier QSOs come in the Tab order after the button bar, before the log grid.
    panneau_->placer_precedents_apres(BitBtn_calcul);
}

} // namespace vorek
