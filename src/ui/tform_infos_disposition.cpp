#include "images.h"
#include "infobulle.h"
#include "tform_infos.h"

#include "controles.h"

#include <QComboBox>
#include <QFrame>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStatusBar>
#include <QStyle>
#include <QValidator>

#include <algorithm>
#include <iterator>

namespace vorek {

namespace {

class ValidateurMajuscules : public QValidator {
  public:
    using QValidator::QValidator;
    State validate(QString& texte, int&) const override {
        texte = texte.toUpper();
        return Acceptable;
    }
};

} // namespace

void TForm_Infos::construire() {
    auto* fond = new QWidget(this);
    fond->setObjectName(QStringLiteral("Fond_infos"));
    setCentralWidget(fond);
    Logo_ZTC = creer<QLabel>(fond, "Logo_ZTC");
    Image1 = creer<QLabel>(fond, "Image1");
    Label2 = creer<QLabel>(fond, "Label2");
    Label_call = creer<QLabel>(fond, "Label_call");
    Edit_call = creer<QLineEdit>(fond, "Edit_call");
    Label_nr_club = creer<QLabel>(fond, "Label_nr_club");
    Edit_ZTC = creer<QLineEdit>(fond, "Edit_ZTC");
    LabelDXCC = creer<QLabel>(fond, "LabelDXCC");
    ComboBox_DXCC = creer<QComboBox>(fond, "ComboBox_DXCC");
    BitBtn_charger = creer<QPushButton>(fond, "BitBtn_charger");
    BitBtn_creer = creer<QPushButton>(fond, "BitBtn_creer");
    Label_nom = creer<QLabel>(fond, "Label_nom");
    Edit_nom = creer<QLineEdit>(fond, "Edit_nom");
    Label_rue = creer<QLabel>(fond, "Label_rue");
    Edit_adresse1 = creer<QLineEdit>(fond, "Edit_adresse1");
    Label1 = creer<QLabel>(fond, "Label1");
    Edit_adresse2 = creer<QLineEdit>(fond, "Edit_adresse2");
    auto* panneau_email = creer<QFrame>(fond, "Panel_email");
    Label3 = creer<QLabel>(panneau_email, "Label3");
    Edit_email = creer<QLineEdit>(panneau_email, "Edit_email");
    Label4 = creer<QLabel>(panneau_email, "Label4");
    Edit_SMTP = creer<QLineEdit>(panneau_email, "Edit_SMTP");
    Label5 = creer<QLabel>(panneau_email, "Label5");
    Edit_port = creer<QLineEdit>(panneau_email, "Edit_port");
    Label_avis = creer<QLabel>(fond, "Label_avis");
    Label_BD_ZTC = creer<QLabel>(fond, "Label_BD_ZTC");
    Label_date_BD = creer<QLabel>(fond, "Label_date_BD");
    Label_fichier = creer<QLabel>(fond, "Label_fichier");
    Label_nomfichier = creer<QLabel>(fond, "Label_nomfichier");
    BitBtn_OK = creer<QPushButton>(fond, "BitBtn_OK");
    BitBtn_Exit = creer<QPushButton>(fond, "BitBtn_Exit");
    StatusBar1 = creer<QStatusBar>(this, "StatusBar1");
    setStatusBar(StatusBar1);

    Edit_call->setValidator(new ValidateurMajuscules(Edit_call));
    Edit_call->setMinimumWidth(120);
    ComboBox_DXCC->setEditable(true);
    ComboBox_DXCC->setInsertPolicy(QComboBox::NoInsert);
    ComboBox_DXCC->setMaxVisibleItems(20);
    // The lengths a loaded file's station record is cut to.
    Edit_call->setMaxLength(longueur_max_indicatif);
    Edit_ZTC->setMaxLength(longueur_max_nr_club);
    Edit_nom->setMaxLength(longueur_max_nom);
    Edit_adresse1->setMaxLength(longueur_max_adresse);
    Edit_adresse2->setMaxLength(longueur_max_adresse);
    ComboBox_DXCC->lineEdit()->setMaxLength(longueur_max_DXCC);
    Logo_ZTC->setPixmap(logo_club());
    Logo_ZTC->setFixedSize(89, 89);
    Image1->setPixmap(banniere());
    Image1->setFixedSize(297, 49);
    BitBtn_OK->setIcon(style()->standardIcon(QStyle::SP_DialogOkButton));
    BitBtn_Exit->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
    BitBtn_charger->setIcon(style()->standardIcon(QStyle::SP_DialogOpenButton));
    BitBtn_creer->setIcon(style()->standardIcon(QStyle::SP_FileIcon));

    fond->setAutoFillBackground(true);
    colorer(fond, QPalette::Window, QColor(192, 192, 192));
    panneau_email->setAutoFillBackground(true);
    panneau_email->setFrameShape(QFrame::StyledPanel);
    colorer(panneau_email, QPalette::Window, QColor(255, 251, 240));
    for (QLabel* bleu : {Label_BD_ZTC, Label_date_BD, Label_fichier}) {
        colorer(bleu, QPalette::WindowText, Qt::blue);
    }
    colorer(Label_nomfichier, QPalette::WindowText, Qt::black);
    colorer(Label_avis, QPalette::WindowText, Qt::red);
    Label_avis->setWordWrap(true);
    Label_avis->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label_avis->hide();
    QFont police(QStringLiteral("Tahoma"), 9, QFont::Bold);
    fond->setFont(police);
    QFont titre = police;
    titre.setPointSize(12);
    Label2->setFont(titre);
}

void TForm_Infos::disposer() {
    auto* grille = new QGridLayout(centralWidget());
    grille->setHorizontalSpacing(10);
    grille->addWidget(Logo_ZTC, 0, 0, 2, 1);
    grille->addWidget(Image1, 0, 1, 1, 3, Qt::AlignCenter);
    grille->addWidget(Label2, 1, 1, 1, 3, Qt::AlignCenter);
    grille->addWidget(Label_call, 2, 0);
    grille->addWidget(Edit_call, 2, 1);
    grille->addWidget(Label_nr_club, 2, 2, Qt::AlignRight);
    grille->addWidget(Edit_ZTC, 2, 3);
    grille->addWidget(LabelDXCC, 3, 0);
    grille->addWidget(ComboBox_DXCC, 3, 1);
    grille->addWidget(BitBtn_charger, 3, 2);
    grille->addWidget(BitBtn_creer, 3, 3);
    grille->addWidget(Label_nom, 4, 0);
    grille->addWidget(Edit_nom, 4, 1, 1, 3);
    grille->addWidget(Label_rue, 5, 0);
    grille->addWidget(Edit_adresse1, 5, 1, 1, 3);
    grille->addWidget(Label1, 6, 0);
    grille->addWidget(Edit_adresse2, 6, 1, 1, 3);

    QWidget* panneau_email = Edit_email->parentWidget();
    auto* email = new QGridLayout(panneau_email);
    email->addWidget(Label3, 0, 0);
    email->addWidget(Edit_email, 0, 1, 1, 3);
    email->addWidget(Label4, 1, 0);
    email->addWidget(Edit_SMTP, 1, 1);
    email->addWidget(Label5, 1, 2, Qt::AlignRight);
    email->addWidget(Edit_port, 1, 3);
    // A port number, five digits, in whatever font the system gives.
    Edit_port->setMaximumWidth(
        std::max(70, Edit_port->fontMetrics().horizontalAdvance(QStringLiteral("999999")) + 16));
    grille->addWidget(panneau_email, 7, 0, 1, 4);
    grille->addWidget(Label_avis, 8, 0, 1, 4);

    grille->addWidget(Label_BD_ZTC, 9, 0, 1, 2);
    grille->addWidget(Label_date_BD, 9, 2, 1, 2);
    grille->addWidget(Label_fichier, 10, 0, 1, 1);
    grille->addWidget(Label_nomfichier, 10, 1, 1, 3);
    auto* boutons = new QHBoxLayout;
    boutons->addStretch();
    boutons->addWidget(BitBtn_OK);
    boutons->addSpacing(30);
    boutons->addWidget(BitBtn_Exit);
    boutons->addStretch();
    grille->addLayout(boutons, 11, 0, 1, 4);
    grille->setRowStretch(12, 1);
    grille->setColumnStretch(1, 1);
    grille->setColumnStretch(3, 1);

    QWidget* const ordre[] = {Edit_call,   Edit_ZTC,  Edit_adresse1, BitBtn_OK,      ComboBox_DXCC,
                              BitBtn_Exit, Edit_nom,  Edit_adresse2, BitBtn_charger, BitBtn_creer,
                              Edit_email,  Edit_SMTP, Edit_port};
    for (std::size_t i = 1; i < std::size(ordre); ++i) {
        setTabOrder(ordre[i - 1], ordre[i]);
    }
}

void TForm_Infos::fixer_textes() {
    Label2->setText(QStringLiteral("Caractéristiques de la station"));
    Label_call->setText(QStringLiteral("Call "));
    fixer_hint(Edit_call,
               QStringLiteral("Call de la station|Entrer l'indicatif de la station utilisée pour "
                              "le concours"));
    Label_nr_club->setText(QStringLiteral("ZTC"));
    LabelDXCC->setText(QStringLiteral("DXCC"));
    fixer_hint(ComboBox_DXCC,
               QStringLiteral("DXCC|Si le DXCC n'est pas correct, utiliser la liste déroulante"));
    BitBtn_charger->setText(QStringLiteral("Charger Fichier"));
    fixer_hint(BitBtn_charger, QStringLiteral("Charger un fichier Challenge existant"));
    BitBtn_creer->setText(QStringLiteral("Créer Fichier"));
    fixer_hint(BitBtn_creer, QStringLiteral("Créer un nouveau fichier Challenge"));
    Label_nom->setText(QStringLiteral("Nom"));
    Label_rue->setText(QStringLiteral("Adresse"));
    Label1->setText(QStringLiteral("CP / Ville"));
    Label3->setText(QStringLiteral("Email"));
    Label4->setText(QStringLiteral("SMTP"));
    Label5->setText(QStringLiteral("Port"));
    Label_fichier->setText(QStringLiteral("Fichier de travail :"));
    Label_nomfichier->setText(QStringLiteral("Pas de nom"));
    BitBtn_OK->setText(QStringLiteral("OK"));
    fixer_hint(BitBtn_OK, QStringLiteral("Saisie OK|Vous devez remplir tous les champs ou charger "
                                         "un fichier existant"));
    BitBtn_Exit->setText(QStringLiteral("Annuler"));
    fixer_hint(BitBtn_Exit,
               QStringLiteral("Fin du programme|Quitter le programme avant exécution complète"));
}

void TForm_Infos::connecter() {
    connect(Edit_call, &QLineEdit::textChanged, this, &TForm_Infos::Edit_callChange);
    connect(Edit_ZTC, &QLineEdit::textChanged, this, &TForm_Infos::Edit_ZTCChange);
    connect(Edit_nom, &QLineEdit::textChanged, this, &TForm_Infos::Edit_nomChange);
    connect(Edit_adresse1, &QLineEdit::textChanged, this, &TForm_Infos::Edit_adresse1Change);
    connect(Edit_adresse2, &QLineEdit::textChanged, this, &TForm_Infos::Edit_adresse2Change);
    connect(Edit_email, &QLineEdit::textChanged, this, &TForm_Infos::Edit_emailChange);
    connect(Edit_SMTP, &QLineEdit::textChanged, this, &TForm_Infos::Edit_SMTPChange);
    connect(Edit_port, &QLineEdit::textChanged, this, &TForm_Infos::Edit_portChange);
    // Only the operator's choice or typing: a selection made by the program is not a change.
    connect(ComboBox_DXCC, &QComboBox::textActivated, this, &TForm_Infos::ComboBox_DXCCChange);
    connect(ComboBox_DXCC->lineEdit(), &QLineEdit::textEdited, this,
            &TForm_Infos::ComboBox_DXCCChange);
    connect(BitBtn_OK, &QPushButton::clicked, this, &TForm_Infos::BitBtn_OKClick);
    connect(BitBtn_creer, &QPushButton::clicked, this, &TForm_Infos::BitBtn_creerClick);
    connect(BitBtn_charger, &QPushButton::clicked, this, &TForm_Infos::BitBtn_chargerClick);
    connect(BitBtn_Exit, &QPushButton::clicked, this, &TForm_Infos::BitBtn_ExitClick);
}

} // namespace vorek
