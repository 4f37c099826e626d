#include "tform_verification.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "stats/textes_stats.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QVBoxLayout>

namespace vorek {

TForm_verification::TForm_verification(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte) {
    setObjectName(QStringLiteral("Form_verification"));
    setWindowTitle(textes_stats::titre_verification());
    construire();
    resize(820, 420);
    relance_ = new QTimer(this);
    relance_->setSingleShot(true);
    relance_->setInterval(0);
    connect(relance_, &QTimer::timeout, this, [this] {
        if (isVisible()) {
            executer(false);
        }
    });
    suivre_le_journal();
}

void TForm_verification::suivre_le_journal() {
    const auto relancer = [this] {
        if (isVisible()) {
            relance_->start();
        }
    };
    const TableJournal* table = &contexte_.etat.table;
    connect(table, &QAbstractItemModel::dataChanged, this, relancer);
    connect(table, &QAbstractItemModel::rowsInserted, this, relancer);
    connect(table, &QAbstractItemModel::rowsRemoved, this, relancer);
    connect(table, &QAbstractItemModel::modelReset, this, relancer);
    connect(table, &QAbstractItemModel::layoutChanged, this, relancer);
    const Annonces* annonces = &contexte_.etat.annonces;
    connect(annonces, &Annonces::journal_charge, this, relancer);
    connect(annonces, &Annonces::journal_importe, this, relancer);
    connect(annonces, &Annonces::score_recalcule, this, relancer);
    connect(annonces, &Annonces::fichier_courant_change, this, relancer);
}

void TForm_verification::construire() {
    Label_resultat = new QLabel(this);
    Label_resultat->setObjectName(QStringLiteral("Label_resultat"));
    Label_resultat->setWordWrap(true);
    Liste_constats = new QListWidget(this);
    Liste_constats->setObjectName(QStringLiteral("Liste_constats"));
    BitBtn_verifier = new QPushButton(textes_stats::bouton_verifier(), this);
    BitBtn_verifier->setObjectName(QStringLiteral("BitBtn_verifier"));
    BitBtn_fermer = new QPushButton(textes_stats::bouton_fermer(), this);
    BitBtn_fermer->setObjectName(QStringLiteral("BitBtn_fermer"));

    auto* boutons = new QHBoxLayout;
    boutons->addStretch(1);
    boutons->addWidget(BitBtn_verifier);
    boutons->addWidget(BitBtn_fermer);
    auto* colonne = new QVBoxLayout(this);
    colonne->addWidget(Label_resultat);
    colonne->addWidget(Liste_constats, 1);
    colonne->addLayout(boutons);

    connect(BitBtn_verifier, &QPushButton::clicked, this, &TForm_verification::verifier);
    connect(BitBtn_fermer, &QPushButton::clicked, this, &TForm_verification::BitBtn_fermerClick);
    connect(Liste_constats, &QListWidget::itemDoubleClicked, this,
            &TForm_verification::Liste_constatsDblClick);
}

void TForm_verification::verifier() {
    executer(true);
}

void TForm_verification::executer(bool en_boite) {
    relance_->stop();
    ResultatVerification resultat;
    // A tenth of a second for the longest logs: no busy cursor.
    try {
        resultat =
            verifier_compte_rendu(contexte_.etat, *contexte_.referentiel,
                                  annee_courante(contexte_.horloge.maintenant_local().date()));
    } catch (const Erreur& e) {
        // The former findings may name rows that are gone: none is shown.
        Liste_constats->clear();
        Label_resultat->setText(e.message());
        if (en_boite) {
            contexte_.dialogues.message(TypeMessage::erreur, e.message());
        }
        return;
    }
    afficher(resultat.constats);
}

void TForm_verification::afficher(const QList<Constat>& constats) {
    // The operator's place in the list stays where it was, as far as the list goes.
    const int courante = Liste_constats->currentRow();
    const int defilement = Liste_constats->verticalScrollBar()->value();
    Liste_constats->clear();
    for (const Constat& constat : constats) {
        auto* element = new QListWidgetItem(texte_constat(constat), Liste_constats);
        element->setData(Qt::UserRole, constat.ligne);
    }
    if (courante >= 0 && courante < Liste_constats->count()) {
        Liste_constats->setCurrentRow(courante);
    }
    Liste_constats->verticalScrollBar()->setValue(defilement);
    Label_resultat->setText(constats.isEmpty() ? textes_stats::aucun_constat()
                                               : textes_stats::aide_constats(constats.size()));
}

void TForm_verification::BitBtn_fermerClick() {
    close();
}

void TForm_verification::Liste_constatsDblClick(QListWidgetItem* element) {
    const int ligne = element->data(Qt::UserRole).toInt();
    if (ligne > 0) {
        emit ligne_choisie(ligne);
    }
}

} // namespace vorek
