#include "tform_infocr.h"

#include "controles.h"
#include "infobulle.h"
#include "mail/envoi_arriere_plan.h"
#include "mail/textes_mail.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>
#include <QToolButton>
#include <QWindow>

namespace vorek {

namespace {

using textes_mail::texte;

QLabel* panneau(QWidget* parent, const char* nom, const QString& contenu) {
    auto* p = creer<QLabel>(parent, nom);
    p->setText(contenu);
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setMinimumHeight(24);
    return p;
}

QLabel* libelle(QWidget* parent, const char* nom, const QString& contenu) {
    auto* l = creer<QLabel>(parent, nom);
    l->setText(contenu);
    return l;
}

} // namespace

TForm_infoCR::TForm_infoCR(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte), envoi_(new EnvoiArrierePlan(this)) {
    setObjectName(QStringLiteral("Form_infoCR"));
    setWindowTitle(texte(textes_mail::titre_fenetre));
    construire();
    construire_serveur();
    disposer();
    connecter();
    resize(600, 600);
}

TForm_infoCR::~TForm_infoCR() = default;

void TForm_infoCR::construire() {
    setAutoFillBackground(true);
    colorer(this, QPalette::Window, QColor(255, 251, 240));
    setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    Label2 = libelle(this, "Label2", texte(textes_mail::ligne_titre));
    Label2->setFont(QFont(QStringLiteral("Tahoma"), 12, QFont::Bold));
    Panel1 = panneau(this, "Panel1", QStringLiteral("De"));
    Panel_de = panneau(this, "Panel_de", QStringLiteral("--"));
    Panel2 = panneau(this, "Panel2", QStringLiteral("A"));
    Edit_Ad_Destinataire = creer<QLineEdit>(this, "Edit_Ad_Destinataire");
    Label_erreur = libelle(this, "Label_erreur", texte(textes_mail::erreur_adresse));
    colorer(Label_erreur, QPalette::WindowText, Qt::red);
    Label_erreur->hide();
    Panel3 = panneau(this, "Panel3", QStringLiteral("CC"));
    Panel_CC = panneau(this, "Panel_CC", QStringLiteral("--"));
    Panel4 = panneau(this, "Panel4", QStringLiteral("Objet"));
    Panel_objet = panneau(this, "Panel_objet", QStringLiteral("--"));
    Panel5 = panneau(this, "Panel5", QStringLiteral("Piece jointe"));
    Panel_PJ = panneau(this, "Panel_PJ", QStringLiteral("--"));
    Image1 = creer<QToolButton>(this, "Image1");
    Image1->setIcon(style()->standardIcon(QStyle::SP_FileIcon));
    Image1->setIconSize(QSize(24, 24));
    Image1->setAutoRaise(true);
    fixer_hint(Image1, texte(textes_mail::bulle_piece_jointe));
    Label1 = libelle(this, "Label1", QStringLiteral("Message"));
    Memo1 = creer<QPlainTextEdit>(this, "Memo1");
    Memo1->setReadOnly(true);
    Button_envoi = creer<QPushButton>(this, "Button_envoi");
    Button_envoi->setText(QStringLiteral("Envoi de l'Email"));
    BitBtn_annuler = creer<QPushButton>(this, "BitBtn_annuler");
    BitBtn_annuler->setText(QStringLiteral("Annuler"));
    BitBtn_annuler->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));
}

void TForm_infoCR::construire_serveur() {
    Panel6 = panneau(this, "Panel6", texte(textes_mail::libelle_serveur));
    Panel_serveur = panneau(this, "Panel_serveur", QStringLiteral("--"));
    Label_securite = libelle(this, "Label_securite", texte(textes_mail::libelle_securite));
    ComboBox_securite = creer<QComboBox>(this, "ComboBox_securite");
    for (const char* choix : textes_mail::libelles_securite) {
        ComboBox_securite->addItem(texte(choix));
    }
    Label_utilisateur = libelle(this, "Label_utilisateur", texte(textes_mail::libelle_utilisateur));
    Edit_utilisateur = creer<QLineEdit>(this, "Edit_utilisateur");
    fixer_hint(Edit_utilisateur, texte(textes_mail::bulle_utilisateur));
    Label_mot_de_passe =
        libelle(this, "Label_mot_de_passe", texte(textes_mail::libelle_mot_de_passe));
    Edit_mot_de_passe = creer<QLineEdit>(this, "Edit_mot_de_passe");
    Edit_mot_de_passe->setEchoMode(QLineEdit::Password);
    fixer_hint(Edit_mot_de_passe, texte(textes_mail::bulle_mot_de_passe));
    CheckBox_certificat = creer<QCheckBox>(this, "CheckBox_certificat");
    CheckBox_certificat->setText(texte(textes_mail::verifier_certificat));
    ProgressBar_envoi = creer<QProgressBar>(this, "ProgressBar_envoi");
    ProgressBar_envoi->setFormat(texte(textes_mail::progression_envoi));
    ProgressBar_envoi->hide();
    Label_echec = libelle(this, "Label_echec", QString());
    colorer(Label_echec, QPalette::WindowText, Qt::red);
    Label_echec->setWordWrap(true);
    Label_echec->setTextInteractionFlags(Qt::TextSelectableByMouse);
    Label_echec->hide();
}

void TForm_infoCR::disposer() {
    auto* grille = new QGridLayout(this);
    grille->addWidget(Label2, 0, 0, 1, 4, Qt::AlignCenter);
    const auto ligne = [grille](int rang, QWidget* titre, QWidget* valeur) {
        grille->addWidget(titre, rang, 0);
        grille->addWidget(valeur, rang, 1, 1, 3);
    };
    ligne(1, Panel1, Panel_de);
    ligne(2, Panel2, Edit_Ad_Destinataire);
    grille->addWidget(Label_erreur, 3, 1, 1, 3);
    ligne(4, Panel3, Panel_CC);
    ligne(5, Panel4, Panel_objet);
    grille->addWidget(Panel5, 6, 0);
    grille->addWidget(Panel_PJ, 6, 1, 1, 2);
    grille->addWidget(Image1, 6, 3);
    grille->addWidget(Label1, 7, 0, 1, 4);
    grille->addWidget(Memo1, 8, 0, 1, 4);
    ligne(9, Panel6, Panel_serveur);
    grille->addWidget(Label_securite, 10, 0);
    grille->addWidget(ComboBox_securite, 10, 1, 1, 3);
    grille->addWidget(Label_utilisateur, 11, 0);
    grille->addWidget(Edit_utilisateur, 11, 1);
    grille->addWidget(Label_mot_de_passe, 11, 2);
    grille->addWidget(Edit_mot_de_passe, 11, 3);
    grille->addWidget(CheckBox_certificat, 12, 1, 1, 3);
    grille->addWidget(ProgressBar_envoi, 13, 0, 1, 4);
    grille->addWidget(Label_echec, 14, 0, 1, 4);
    grille->addWidget(Button_envoi, 15, 1);
    grille->addWidget(BitBtn_annuler, 15, 3);
    grille->setColumnStretch(1, 1);
    grille->setColumnStretch(3, 1);
    grille->setRowStretch(8, 1);
}

void TForm_infoCR::connecter() {
    connect(Edit_Ad_Destinataire, &QLineEdit::textChanged, this,
            &TForm_infoCR::Edit_Ad_DestinataireChange);
    connect(Button_envoi, &QPushButton::clicked, this, &TForm_infoCR::Button_envoiClick);
    connect(BitBtn_annuler, &QPushButton::clicked, this, &TForm_infoCR::BitBtn_annulerClick);
    connect(Image1, &QToolButton::clicked, this, &TForm_infoCR::Image1Click);
    // The operator's choices are the next send's, and the settings file keeps them.
    ReglagesSmtp& reglages = contexte_.reglages_smtp;
    connect(ComboBox_securite, &QComboBox::activated, this,
            [&reglages](int choix) { reglages.securite = SecuriteSmtp(choix); });
    connect(Edit_utilisateur, &QLineEdit::textEdited, this,
            [&reglages](const QString& nom) { reglages.utilisateur = nom; });
    connect(CheckBox_certificat, &QCheckBox::clicked, this,
            [&reglages](bool coche) { reglages.verifier_certificat = coche; });
    connect(envoi_, &EnvoiArrierePlan::progression, this, &TForm_infoCR::envoi_progresse);
    connect(envoi_, &EnvoiArrierePlan::termine, this, &TForm_infoCR::envoi_termine);
    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, [this](QWindow* fenetre) {
        if (fenetre != nullptr && fenetre != windowHandle() && fenetre->type() == Qt::Window) {
            a_composer_ = true;
        }
    });
}

} // namespace vorek
