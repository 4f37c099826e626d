// The entry panel's controls and their places: the fields' frame, as wide as the band grid,
// then the earlier QSOs with the partial check under them.

#include "controles.h"
#include "dessin_grilles.h"
#include "panneau_saisie.h"

#include "rules/bandes.h"

#include <QComboBox>
#include <QDateEdit>
#include <QFontDatabase>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTableWidget>
#include <QTimeEdit>

namespace vorek {

namespace {

// Blank on each side of a band label.
constexpr int marge_bande = 1;

// What an earlier QSO's column usually holds at its widest, column 0 first.
const char* const contenus_precedents[] = {"DL1ABC/P", "00/00/0000", "00:00", "70cm",
                                           "Jean-Pierre DUPONT"};

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

QFont tahoma_11() {
    QFont tahoma(QStringLiteral("Tahoma"));
    tahoma.setPixelSize(11);
    tahoma.setBold(true);
    return tahoma;
}

} // namespace

PanneauSaisie::PanneauSaisie(Contexte& contexte, QWidget* parent)
    : QWidget(parent), contexte_(contexte) {
    setObjectName(QStringLiteral("Zone_saisie"));
    construire_champs();
    construire_bandes();
    construire_precedents();
    disposer(disposer_champs());
    ordonner_tabulation();
    connecter();
    connecter_clavier();
}

void PanneauSaisie::construire_champs() {
    Panel6 = creer<QFrame>(this, "Panel6");
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
}

void PanneauSaisie::construire_bandes() {
    StringGrid_HF = creer<QTableWidget>(Panel6, "StringGrid_HF");
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
    Panel6->setFont(tahoma_11());
    StringGrid_HF->setFont(calibri);
    dimensionner_bandes();
    StringGrid_HF->setItemDelegate(new DessinBandes(
        [this](int colonne, int ligne) {
            return contexte_.entree && entree().cellule_HF_marquee(colonne, ligne);
        },
        StringGrid_HF));
}

// The design's 31-pixel columns, wider when the font the system gives for Calibri needs it:
// a band label is never cut.
void PanneauSaisie::dimensionner_bandes() {
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

void PanneauSaisie::construire_precedents() {
    Grille_prec = creer<QTableWidget>(this, "Grille_prec");
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
                     largeur_au_contenu(Grille_prec, Grille_prec->horizontalHeaderItem(col)->text(),
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
    Grille_prec->setItemDelegate(new DessinTexteMemorise(Grille_prec));
}

QGridLayout* PanneauSaisie::disposer_champs() {
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
    return champs;
}

void PanneauSaisie::disposer(QGridLayout* champs) {
    auto* zone = new QHBoxLayout;
    zone->setSpacing(0);
    zone->addWidget(Panel6);
    construire_apercu(champs, zone);
    // The design's 208 pixels, more when the fonts need it.
    setMinimumHeight(208);
    setSizePolicy(QSizePolicy::Preferred, QSizePolicy::Fixed);
    setLayout(zone);
}

void PanneauSaisie::ordonner_tabulation() {
    QWidget* const ordre[] = {
        Edit_call,           Edit_RSTS,           Edit_RSTR,    Edit_Notes,  ComboBox_band,
        ComboBox_PFX,        BitBtn_valider,      Edit_NrZTC,   Edit_nomZTC, BitBtn_efface_saisie,
        DateTimePicker_date, DateTimePicker_time, StringGrid_HF};
    for (size_t i = 1; i < std::size(ordre); ++i) {
        setTabOrder(ordre[i - 1], ordre[i]);
    }
}

void PanneauSaisie::placer_precedents_apres(QWidget* controle) {
    setTabOrder(controle, Grille_prec);
}

} // namespace vorek
