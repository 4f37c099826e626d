#include "tform_infocr.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStyle>

namespace vorek {

namespace {

QLabel* panneau(QWidget* parent, const char* nom, const QString& texte) {
    auto* p = new QLabel(texte, parent);
    p->setObjectName(QString::fromLatin1(nom));
    p->setFrameShape(QFrame::Panel);
    p->setFrameShadow(QFrame::Raised);
    p->setMinimumHeight(24);
    return p;
}

} // namespace

TForm_infoCR::TForm_infoCR(Contexte& contexte) : QWidget(nullptr, Qt::Window), contexte_(contexte) {
    setObjectName(QStringLiteral("Form_infoCR"));
    setWindowTitle(QStringLiteral("Envoi du Compte Rendu"));
    construire();
    resize(560, 430);
}

void TForm_infoCR::construire() {
    setAutoFillBackground(true);
    QPalette creme = palette();
    creme.setColor(QPalette::Window, QColor(255, 251, 240));
    setPalette(creme);
    setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    Label2 = new QLabel(QStringLiteral("ENVOI DU COMPTE RENDU"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    Label2->setFont(QFont(QStringLiteral("Tahoma"), 12, QFont::Bold));
    Panel1 = panneau(this, "Panel1", QStringLiteral("De"));
    Panel_de = panneau(this, "Panel_de", QStringLiteral("--"));
    Panel2 = panneau(this, "Panel2", QStringLiteral("A"));
    Edit_Ad_Destinataire = new QLineEdit(this);
    Edit_Ad_Destinataire->setObjectName(QStringLiteral("Edit_Ad_Destinataire"));
    Label_erreur = new QLabel(QStringLiteral("Erreur d'adresse email"), this);
    Label_erreur->setObjectName(QStringLiteral("Label_erreur"));
    QPalette rouge = Label_erreur->palette();
    rouge.setColor(QPalette::WindowText, Qt::red);
    Label_erreur->setPalette(rouge);
    Label_erreur->hide();
    Panel3 = panneau(this, "Panel3", QStringLiteral("CC"));
    Panel_CC = panneau(this, "Panel_CC", QStringLiteral("--"));
    Panel4 = panneau(this, "Panel4", QStringLiteral("Objet"));
    Panel_objet = panneau(this, "Panel_objet", QStringLiteral("--"));
    Panel5 = panneau(this, "Panel5", QStringLiteral("Piece jointe"));
    Panel_PJ = panneau(this, "Panel_PJ", QStringLiteral("--"));
    Image1 = new QLabel(this);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_FileIcon).pixmap(24, 24));
    Label1 = new QLabel(QStringLiteral("Message"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Memo1 = new QPlainTextEdit(this);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setReadOnly(true);
    Button_envoi = new QPushButton(QStringLiteral("Envoi de l'Email"), this);
    Button_envoi->setObjectName(QStringLiteral("Button_envoi"));
    BitBtn_annuler = new QPushButton(QStringLiteral("Annuler"), this);
    BitBtn_annuler->setObjectName(QStringLiteral("BitBtn_annuler"));
    BitBtn_annuler->setIcon(style()->standardIcon(QStyle::SP_DialogCancelButton));

    auto* grille = new QGridLayout(this);
    grille->addWidget(Label2, 0, 0, 1, 3, Qt::AlignCenter);
    grille->addWidget(Panel1, 1, 0);
    grille->addWidget(Panel_de, 1, 1, 1, 2);
    grille->addWidget(Panel2, 2, 0);
    grille->addWidget(Edit_Ad_Destinataire, 2, 1, 1, 2);
    grille->addWidget(Label_erreur, 3, 1, 1, 2);
    grille->addWidget(Panel3, 4, 0);
    grille->addWidget(Panel_CC, 4, 1, 1, 2);
    grille->addWidget(Panel4, 5, 0);
    grille->addWidget(Panel_objet, 5, 1, 1, 2);
    grille->addWidget(Panel5, 6, 0);
    grille->addWidget(Panel_PJ, 6, 1);
    grille->addWidget(Image1, 6, 2);
    grille->addWidget(Label1, 7, 0, 1, 3);
    grille->addWidget(Memo1, 8, 0, 1, 3);
    grille->addWidget(Button_envoi, 9, 1);
    grille->addWidget(BitBtn_annuler, 9, 2);
    grille->setColumnStretch(1, 1);

    connect(Edit_Ad_Destinataire, &QLineEdit::textChanged, this,
            &TForm_infoCR::Edit_Ad_DestinataireChange);
    connect(Button_envoi, &QPushButton::clicked, this, &TForm_infoCR::Button_envoiClick);
    connect(BitBtn_annuler, &QPushButton::clicked, this, &TForm_infoCR::BitBtn_annulerClick);
}

void TForm_infoCR::FormCreate() {
    emit contexte_.etat.annonces.arreter_horloge();
    emit parametres_a_lire();
}

bool TForm_infoCR::event(QEvent* evenement) {
    if (evenement->type() == QEvent::WindowActivate) {
        FormActivate();
    }
    return QWidget::event(evenement);
}

void TForm_infoCR::FormActivate() {}

void TForm_infoCR::Edit_Ad_DestinataireChange(const QString&) {}

void TForm_infoCR::Button_envoiClick() {}

void TForm_infoCR::BitBtn_annulerClick() {
    close();
}

void TForm_infoCR::closeEvent(QCloseEvent* evenement) {
    emit parametres_a_ecrire();
    evenement->accept();
}

} // namespace vorek
