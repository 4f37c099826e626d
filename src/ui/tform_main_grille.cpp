// The log grid and the button bar: what the operator does to the log from the main window.
// The behaviour is the log editing's; each command runs as an entry event of the panel,
// which shows the entry back.

#include "base/erreur.h"
#include "curseur_occupe.h"
#include "dessin_grilles.h"
#include "logedit/edition_grille.h"
#include "logedit/tri.h"
#include "panneau_saisie.h"
#include "tform_main.h"

#include <QApplication>
#include <QLabel>
#include <QMetaProperty>
#include <QPushButton>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace vorek {

namespace {

// The grid's cells typed in place go through the log's own edit (checks, member, rescoring,
// save), never straight into the table.
class SaisieGrille : public DessinGrille {
  public:
    SaisieGrille(std::function<void(int, int, const QString&)> saisie, QObject* parent)
        : DessinGrille(parent), saisie_(std::move(saisie)) {}

    void setModelData(QWidget* editeur, QAbstractItemModel*,
                      const QModelIndex& index) const override {
        const QMetaProperty propriete = editeur->metaObject()->userProperty();
        saisie_(index.column(), TableJournal::ligne_de(index), propriete.read(editeur).toString());
    }

  private:
    std::function<void(int, int, const QString&)> saisie_;
};

} // namespace

void TForm_main::connecter_grille() {
    connect(Grille, &QTableView::doubleClicked, this, &TForm_main::GrilleDblClick);
    connect(BitBtn_inserer, &QPushButton::clicked, this, &TForm_main::BitBtn_insererClick);
    connect(BitBtn_effacer, &QPushButton::clicked, this, &TForm_main::BitBtn_effacerClick);
    connect(BitBtn_calcul, &QPushButton::clicked, this, &TForm_main::BitBtn_calculClick);
    connect(SpeedButton_tri_ZTC, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_tri_ZTCClick);
    connect(SpeedButton_tri_CALL, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_tri_CALLClick);
    connect(SpeedButton_tri_DATE, &QToolButton::clicked, this,
            &TForm_main::SpeedButton_tri_DATEClick);
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        connect(application, &QApplication::focusChanged, this, &TForm_main::surveiller_grille);
    }
    Grille->setItemDelegate(
        new SaisieGrille([this](int colonne, int ligne,
                                const QString& texte) { GrilleSetEditText(colonne, ligne, texte); },
                         Grille));
}

// The window closes itself in QWidget's destructor, and the focus moves it causes must not
// reach this half-destroyed window.
TForm_main::~TForm_main() {
    if (auto* application = qobject_cast<QApplication*>(QCoreApplication::instance())) {
        disconnect(application, &QApplication::focusChanged, this, &TForm_main::surveiller_grille);
    }
}

int TForm_main::ligne_courante() const {
    return std::max(TableJournal::ligne_de(Grille->currentIndex()), 1);
}

// The grid's exit: the focus went from the grid or its cell editor to another control of
// this window (a message box or another program does not count).
void TForm_main::surveiller_grille(QWidget* ancien, QWidget* nouveau) {
    const auto dans_grille = [this](const QWidget* w) {
        return w && (w == Grille || Grille->isAncestorOf(w));
    };
    if (dans_grille(ancien) && !dans_grille(nouveau) && nouveau && nouveau->window() == this) {
        GrilleExit();
    }
}

void TForm_main::GrilleDblClick() {
    const int ligne = ligne_courante();
    panneau_->executer([&] { transferer_ligne(entree(), ligne); });
}

void TForm_main::GrilleExit() {
    panneau_->executer([this] { appliquer_libelles(quitter_grille(entree())); });
}

// Not through the panel's events: the entry's fields are not involved, and an edit is never
// dropped because another event is running (its box takes the focus from the cell, which
// commits).
void TForm_main::GrilleSetEditText(int colonne, int ligne, const QString& texte) {
    if (!contexte_.entree) {
        return;
    }
    try {
        appliquer_libelles(saisir_cellule(entree(), colonne, ligne, texte));
    } catch (const Erreur& e) {
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
    }
    panneau_->afficher_apercu();
}

void TForm_main::BitBtn_insererClick() {
    const int ligne = ligne_courante();
    const int colonne = std::max(Grille->currentIndex().column(), 0);
    {
        const CurseurOccupe curseur;
        panneau_->executer([&] { inserer_ligne(entree(), ligne); });
    }
    Grille->setCurrentIndex(contexte_.etat.table.index_cellule(colonne, ligne));
}

void TForm_main::BitBtn_effacerClick() {
    ResultatEffacement resultat;
    const int ligne = ligne_courante();
    panneau_->executer([&] {
        resultat = effacer_ligne(entree(), ligne);
        appliquer_libelles(resultat.libelles);
    });
    if (resultat.supprimee) {
        Grille->setCurrentIndex(
            contexte_.etat.table.index_cellule(resultat.colonne_courante, resultat.ligne_courante));
    }
}

void TForm_main::BitBtn_calculClick() {
    panneau_->executer([this] { appliquer_libelles(entree().BitBtn_calculClick()); });
}

void TForm_main::SpeedButton_tri_ZTCClick() {
    Timer1->stop();
    panneau_->executer(
        [this] { Label_nbrQSO->setText(QString::number(extraire_membres(contexte_.etat))); });
    Timer1->start();
}

void TForm_main::SpeedButton_tri_CALLClick() {
    panneau_->executer([this] { trier_par_indicatif_et_sauver(entree()); });
}

void TForm_main::SpeedButton_tri_DATEClick() {
    panneau_->executer([this] { appliquer_libelles(trier_par_date_et_sauver(entree())); });
}

} // namespace vorek
