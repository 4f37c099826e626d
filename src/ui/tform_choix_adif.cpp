#include "tform_choix_adif.h"

#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vorek {

TForm_choix_ADIF::TForm_choix_ADIF(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte) {
    setObjectName(QStringLiteral("Form_choix_ADIF"));
    setWindowTitle(QStringLiteral("IMPORTATION ADIF"));
    Label1 =
        new QLabel(QStringLiteral("L'importation ADIf peut remplacer les QSO existants"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(QStringLiteral("ou ajouter les nouveaux QSO aux QSO existants"), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    BitBtn_remplacement = new QPushButton(QStringLiteral("Remplacement"), this);
    BitBtn_remplacement->setObjectName(QStringLiteral("BitBtn_remplacement"));
    BitBtn_ajout = new QPushButton(QStringLiteral("Ajout"), this);
    BitBtn_ajout->setObjectName(QStringLiteral("BitBtn_ajout"));
    setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    auto* grille = new QGridLayout(this);
    grille->addWidget(Label1, 0, 0);
    grille->addWidget(BitBtn_remplacement, 0, 1);
    grille->addWidget(Label2, 1, 0);
    grille->addWidget(BitBtn_ajout, 1, 1);
    connect(BitBtn_remplacement, &QPushButton::clicked, this,
            &TForm_choix_ADIF::BitBtn_remplacementClick);
    connect(BitBtn_ajout, &QPushButton::clicked, this, &TForm_choix_ADIF::BitBtn_ajoutClick);
    resize(370, 140);
}

void TForm_choix_ADIF::BitBtn_remplacementClick() {
    (void)contexte_;
}

void TForm_choix_ADIF::BitBtn_ajoutClick() {}

} // namespace vorek
