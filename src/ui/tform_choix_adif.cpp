#include "tform_choix_adif.h"

#include "curseur_occupe.h"

#include "adif_import/textes_import.h"
#include "base/erreur.h"

#include <QApplication>
#include <QGridLayout>
#include <QLabel>
#include <QPushButton>

namespace vorek {

TForm_choix_ADIF::TForm_choix_ADIF(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte) {
    setObjectName(QStringLiteral("Form_choix_ADIF"));
    setWindowTitle(textes_import::titre_choix());
    Label1 = new QLabel(textes_import::choix_remplacement(), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label2 = new QLabel(textes_import::choix_ajout(), this);
    Label2->setObjectName(QStringLiteral("Label2"));
    BitBtn_remplacement = new QPushButton(textes_import::bouton_remplacement(), this);
    BitBtn_remplacement->setObjectName(QStringLiteral("BitBtn_remplacement"));
    BitBtn_ajout = new QPushButton(textes_import::bouton_ajout(), this);
    BitBtn_ajout->setObjectName(QStringLiteral("BitBtn_ajout"));
    BitBtn_annuler = new QPushButton(textes_import::bouton_annuler(), this);
    BitBtn_annuler->setObjectName(QStringLiteral("BitBtn_annuler"));
    setFont(QFont(QStringLiteral("Tahoma"), 9, QFont::Bold));
    auto* grille = new QGridLayout(this);
    grille->addWidget(Label1, 0, 0);
    grille->addWidget(BitBtn_remplacement, 0, 1);
    grille->addWidget(Label2, 1, 0);
    grille->addWidget(BitBtn_ajout, 1, 1);
    grille->addWidget(BitBtn_annuler, 2, 1);
    connect(BitBtn_remplacement, &QPushButton::clicked, this,
            &TForm_choix_ADIF::BitBtn_remplacementClick);
    connect(BitBtn_ajout, &QPushButton::clicked, this, &TForm_choix_ADIF::BitBtn_ajoutClick);
    BitBtn_annuler->setShortcut(Qt::Key_Escape);
    connect(BitBtn_annuler, &QPushButton::clicked, this, &QWidget::hide);
    resize(370, 140);
}

void TForm_choix_ADIF::BitBtn_remplacementClick() {
    importer(ModeImport::remplacement);
}

void TForm_choix_ADIF::BitBtn_ajoutClick() {
    importer(ModeImport::ajout);
}

void TForm_choix_ADIF::importer(ModeImport mode) {
    const QString chemin =
        contexte_.dialogues.fichier_a_ouvrir(demande_import_adif(contexte_.etat));
    if (!chemin.isEmpty()) {
        executer(chemin, mode);
    }
    if (contexte_.etat.station.station_call.isEmpty()) {
        contexte_.dialogues.message(TypeMessage::information, textes_import::rappel_station());
        emit station_demandee();
    }
}

void TForm_choix_ADIF::executer(const QString& chemin, ModeImport mode) {
    const EntreeQSO& entree = *contexte_.entree;
    const DemandeImport demande{chemin,
                                mode,
                                entree.bande_selectionnee(),
                                entree.annee_courante(),
                                contexte_.horloge.maintenant_local(),
                                false};
    ResultatImport resultat;
    try {
        CurseurOccupe curseur;
        // The main window shows the log through journal_importe.
        resultat =
            importer_adif(contexte_.etat, *contexte_.referentiel, demande, contexte_.dialogues);
    } catch (const Erreur& e) {
        // Nothing has changed: the operator may choose another file.
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
        return;
    }
    // A declined question changed nothing either.
    if (!resultat.abandonne) {
        hide();
    }
    signaler_import(resultat, contexte_.dialogues);
}

} // namespace vorek
