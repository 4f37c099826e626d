#include "infobulle.h"
#include "tform_main.h"

#include "controles.h"

#include "rules/bandes.h"

#include <QAction>
#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QMenuBar>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableView>
#include <QTableWidget>
#include <QTimeEdit>
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
// Blank on each side of a band label.
constexpr int marge_bande = 1;
const QColor aqua(0, 255, 255);

// The widest of the texts in the control's font, with the room a label or a cell adds.
int largeur_texte(const QWidget* controle, std::initializer_list<QString> textes) {
    int largeur = 0;
    for (const QString& texte : textes) {
        largeur = std::max(largeur, controle->fontMetrics().horizontalAdvance(texte));
    }
    return largeur + 4;
}

// Calibri, or where it is missing its metric twin or a narrow face, which keep the band grid
// as narrow as designed; the system's own substitute otherwise.
QString famille_etroite() {
    for (const char* famille :
         {"Calibri", "Carlito", "Liberation Sans Narrow", "Nimbus Sans Narrow", "Arial Narrow"}) {
        if (QFontDatabase::hasFamily(QString::fromLatin1(famille))) {
            return QString::fromLatin1(famille);
        }
    }
    return QStringLiteral("Calibri");
}

// What a column usually holds at its widest, column 0 first: the text a first start sizes it
// for, whatever the font (the notes fill what the window leaves).
const char* const contenus_journal[] = {
    "00/00/0000", "00:00", "DL1ABC/P",           "70cm", "599", "599",
    "9999",       "999",   "Jean-Pierre DUPONT", ""};
const char* const contenus_precedents[] = {"DL1ABC/P", "00/00/0000", "00:00", "70cm",
                                           "Jean-Pierre DUPONT"};
// The room a cell or a header section adds around its text.
constexpr int marge_cellule = 8;
constexpr int marge_entete = 14;

// The wider of the column's header and its usual content, in the view's fonts.
int largeur_colonne(const QAbstractItemView* vue, const QString& entete, const char* contenu) {
    const QHeaderView* entetes = qobject_cast<const QTableView*>(vue)->horizontalHeader();
    return std::max(entetes->fontMetrics().horizontalAdvance(entete) + marge_entete,
                    vue->fontMetrics().horizontalAdvance(QString::fromUtf8(contenu)) +
                        marge_cellule);
}

// The design's 18 pixels, more when the grid's font is taller.
int hauteur_ligne(const QWidget* grille) {
    return std::max(18, grille->fontMetrics().height() + 4);
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

void TForm_main::construire_saisie() {
    QWidget* fond = centralWidget();
    Panel6 = creer<QFrame>(fond, "Panel6");
    Panel6->setFrameShape(QFrame::StyledPanel);
    Edit_Pays = creer<QLineEdit>(Panel6, "Edit_Pays");
    Edit_call = creer<QLineEdit>(Panel6, "Edit_call");
    Edit_RSTS = creer<QLineEdit>(Panel6, "Edit_RSTS");
    Edit_RSTR = creer<QLineEdit>(Panel6, "Edit_RSTR");
    Edit_Notes = creer<QLineEdit>(Panel6, "Edit_Notes");
    ComboBox_band = creer<QComboBox>(Panel6, "ComboBox_band");
    ComboBox_PFX = creer<QComboBox>(Panel6, "ComboBox_PFX");
    Edit_continent = creer<QLineEdit>(Panel6, "Edit_continent");
    BitBtn_valider = creer<QPushButton>(Panel6, "BitBtn_valider");
    Edit_NrZTC = creer<QLineEdit>(Panel6, "Edit_NrZTC");
    Edit_nomZTC = creer<QLineEdit>(Panel6, "Edit_nomZTC");
    BitBtn_efface_saisie = creer<QPushButton>(Panel6, "BitBtn_efface_saisie");
    DateTimePicker_date = creer<QDateEdit>(Panel6, "DateTimePicker_date");
    DateTimePicker_time = creer<QTimeEdit>(Panel6, "DateTimePicker_time");
    StringGrid_HF = creer<QTableWidget>(Panel6, "StringGrid_HF");

    Edit_Pays->hide();
    Edit_continent->hide();
    ComboBox_band->setEditable(true);
    ComboBox_band->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_band->setMaxVisibleItems(12);
    ComboBox_PFX->setMaxVisibleItems(10);
    BitBtn_valider->setText(QStringLiteral("OK"));
    BitBtn_valider->setDefault(true);
    BitBtn_valider->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn_efface_saisie->setText(QStringLiteral("Effacer"));
    // Not to be confused with the button bar's "Effacer", which deletes a log row.
    BitBtn_efface_saisie->setToolTip(
        QStringLiteral("Vider les champs de saisie, le journal ne change pas (touche Échap)"));
    DateTimePicker_date->setDisplayFormat(QStringLiteral("dd/MM/yyyy"));
    DateTimePicker_time->setDisplayFormat(QStringLiteral("HH:mm"));
    Edit_call->setToolTip(QStringLiteral("Recherche des éléments à partir du 4e caractère tapé."));
    const QString suivant =
        QStringLiteral("ESPACE pour passer au champ suivant, RETURN pour terminer");
    for (QWidget* champ :
         std::initializer_list<QWidget*>{Edit_RSTS, Edit_RSTR, Edit_Notes, ComboBox_band}) {
        champ->setToolTip(suivant);
    }

    const QStringList etiquettes = etiquettes_grille_bandes();
    StringGrid_HF->setColumnCount(int(etiquettes.size()));
    StringGrid_HF->setRowCount(1);
    StringGrid_HF->setHorizontalHeaderLabels(etiquettes);
    StringGrid_HF->verticalHeader()->hide();
    StringGrid_HF->horizontalHeader()->setMinimumSectionSize(10);
    StringGrid_HF->verticalHeader()->setMinimumSectionSize(10);
    StringGrid_HF->setEditTriggers(QAbstractItemView::NoEditTriggers);
    // The labels are a fixed row: a click on them chooses nothing.
    StringGrid_HF->horizontalHeader()->setSectionsClickable(false);
    StringGrid_HF->setSelectionMode(QAbstractItemView::SingleSelection);
    StringGrid_HF->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    StringGrid_HF->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    QFont calibri(famille_etroite());
    calibri.setPixelSize(12);
    calibri.setBold(true);
    StringGrid_HF->horizontalHeader()->setFont(calibri);
    // Narrow columns leave no room for the header's usual padding.
    StringGrid_HF->horizontalHeader()->setStyleSheet(
        QStringLiteral("QHeaderView::section { padding: 0px %1px; }").arg(marge_bande));

    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    tahoma.setBold(true);
    Panel6->setFont(tahoma);
    StringGrid_HF->setFont(calibri);
    dimensionner_bandes();
}

// The design's 31-pixel columns, wider when the font the system gives for Calibri needs it:
// a band label is never cut.
void TForm_main::dimensionner_bandes() {
    QHeaderView* entetes = StringGrid_HF->horizontalHeader();
    int largeur = 31;
    for (int col = 0; col < StringGrid_HF->columnCount(); ++col) {
        largeur = std::max(
            largeur, largeur_texte(entetes, {StringGrid_HF->horizontalHeaderItem(col)->text()}) +
                         2 * marge_bande + 2);
    }
    entetes->setDefaultSectionSize(largeur);
    const int haut_entetes = std::max(16, entetes->fontMetrics().height() + 2);
    entetes->setFixedHeight(haut_entetes);
    const int haut_ligne = std::max(14, StringGrid_HF->fontMetrics().height() + 2);
    StringGrid_HF->verticalHeader()->setDefaultSectionSize(haut_ligne);
    const int cadre = 2 * StringGrid_HF->frameWidth();
    StringGrid_HF->setFixedSize(StringGrid_HF->columnCount() * largeur + cadre,
                                haut_entetes + haut_ligne + cadre);
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
    Grille_prec = creer<QTableWidget>(fond, "Grille_prec");
    Grille_prec->setColumnCount(5);
    Grille_prec->setRowCount(1);
    Grille_prec->setHorizontalHeaderLabels({QStringLiteral("   Call"), QStringLiteral("  C_DATE,"),
                                            QStringLiteral("  QTR"), QStringLiteral("Bde"),
                                            QStringLiteral("   Nom, prénom")});
    // The design's widths, wider where the font needs it: nothing of a QSO is cut.
    int largeurs_prec[] = {100, 80, 50, 30, 130};
    for (int col = 0; col < 5; ++col) {
        largeurs_prec[col] =
            std::max(largeurs_prec[col],
                     largeur_colonne(Grille_prec, Grille_prec->horizontalHeaderItem(col)->text(),
                                     contenus_precedents[col]));
        Grille_prec->setColumnWidth(col, largeurs_prec[col]);
    }
    Grille_prec->horizontalHeader()->setDefaultAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // Call, date, time and band in sight whatever room the entry panel takes.
    Grille_prec->setMinimumWidth(largeurs_prec[0] + largeurs_prec[1] + largeurs_prec[2] +
                                 largeurs_prec[3] + 2 * Grille_prec->frameWidth() +
                                 Grille_prec->verticalScrollBar()->sizeHint().width());
    Grille_prec->verticalHeader()->hide();
    Grille_prec->verticalHeader()->setDefaultSectionSize(hauteur_ligne(Grille_prec));
    Grille_prec->setEditTriggers(QAbstractItemView::NoEditTriggers);

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
            col, largeur_colonne(Grille, table.cellule(col, 0), contenu));
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

    auto* champs = new QGridLayout(Panel6);
    champs->setContentsMargins(6, 4, 6, 4);
    champs->setVerticalSpacing(3);
    const auto etiquette = [this](const char* texte, const char* nom) {
        auto* l = new QLabel(QString::fromUtf8(texte), Panel6);
        l->setObjectName(QString::fromLatin1(nom));
        return l;
    };
    champs->addWidget(etiquette("Indicatif", "Label_indicatif"), 0, 0);
    champs->addWidget(etiquette("DXCC", "Label_PFX"), 0, 1);
    champs->addWidget(etiquette("Date", "Label_date"), 0, 2);
    champs->addWidget(etiquette("Heure", "Label_heure"), 0, 3);
    champs->addWidget(etiquette("ZTC", "Label_NrZTC"), 0, 4);
    champs->addWidget(Edit_call, 1, 0);
    champs->addWidget(ComboBox_PFX, 1, 1);
    champs->addWidget(DateTimePicker_date, 1, 2);
    champs->addWidget(DateTimePicker_time, 1, 3);
    champs->addWidget(Edit_NrZTC, 1, 4);
    champs->addWidget(etiquette("RST Env", "Label_RSTS"), 2, 0);
    champs->addWidget(etiquette("RST Reçu", "Label_RSTR"), 2, 1);
    champs->addWidget(etiquette("Nom", "Label_nomZTC"), 2, 2);
    champs->addWidget(etiquette("Bande", "Label_bande"), 2, 4);
    champs->addWidget(Edit_RSTS, 3, 0);
    champs->addWidget(Edit_RSTR, 3, 1);
    champs->addWidget(Edit_nomZTC, 3, 2, 1, 2);
    champs->addWidget(ComboBox_band, 3, 4);
    champs->addWidget(etiquette("Notes", "Label_notes"), 4, 0);
    champs->addWidget(Edit_Notes, 5, 0, 1, 5);
    champs->addWidget(StringGrid_HF, 6, 0, 1, 5);
    auto* bas = new QHBoxLayout;
    bas->addWidget(BitBtn_efface_saisie);
    bas->addStretch();
    bas->addWidget(BitBtn_valider);
    champs->addLayout(bas, 7, 0, 1, 5);
    champs->setRowStretch(8, 1);
    // As wide as the band grid, as designed, unless the fields need more in this font.
    const QMargins marges = champs->contentsMargins();
    Panel6->setFixedWidth(
        std::max(StringGrid_HF->width() + marges.left() + marges.right() + 2 * Panel6->frameWidth(),
                 Panel6->minimumSizeHint().width()));

    auto* zone_saisie = new QHBoxLayout;
    zone_saisie->setSpacing(0);
    zone_saisie->addWidget(Panel6);
    zone_saisie->addWidget(Grille_prec, 1);
    construire_apercu(champs, zone_saisie);

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
    auto* hauteur_saisie = new QWidget(fond);
    hauteur_saisie->setObjectName(QStringLiteral("Zone_saisie"));
    // The design's 208 pixels, more when the fonts need it.
    hauteur_saisie->setMinimumHeight(208);
    hauteur_saisie->setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    hauteur_saisie->setLayout(zone_saisie);
    pile->addWidget(hauteur_saisie);
    pile->addWidget(bande_noire(fond));
    pile->addWidget(Panel3);
    pile->addWidget(Grille, 1);

    setTabOrder(Edit_call, Edit_RSTS);
    setTabOrder(Edit_RSTS, Edit_RSTR);
    setTabOrder(Edit_RSTR, Edit_Notes);
    setTabOrder(Edit_Notes, ComboBox_band);
    setTabOrder(ComboBox_band, ComboBox_PFX);
    setTabOrder(ComboBox_PFX, BitBtn_valider);
    setTabOrder(BitBtn_valider, Edit_NrZTC);
    setTabOrder(Edit_NrZTC, Edit_nomZTC);
    setTabOrder(Edit_nomZTC, BitBtn_efface_saisie);
    setTabOrder(BitBtn_efface_saisie, DateTimePicker_date);
    setTabOrder(DateTimePicker_date, DateTimePicker_time);
    setTabOrder(DateTimePicker_time, StringGrid_HF);
}

} // namespace vorek
