#include "tform_verification.h"

#include "base/dates.h"
#include "base/erreur.h"
#include "stats/textes_stats.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

namespace vorek {

TForm_verification::TForm_verification(Contexte& contexte)
    : QWidget(nullptr, Qt::Window), contexte_(contexte) {
    setObjectName(QStringLiteral("Form_verification"));
    setWindowTitle(textes_stats::titre_verification());
    construire();
    resize(820, 420);
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
    connect(BitBtn_fermer, &QPushButton::clicked, this, &QWidget::close);
    connect(Liste_constats, &QListWidget::itemDoubleClicked, this,
            &TForm_verification::Liste_constatsDblClick);
}

void TForm_verification::verifier() {
    Liste_constats->clear();
    ResultatVerification resultat;
    // A tenth of a second for the longest logs: no busy cursor.
    try {
        resultat =
            verifier_compte_rendu(contexte_.etat, *contexte_.referentiel,
                                  annee_courante(contexte_.horloge.maintenant_local().date()));
    } catch (const Erreur& e) {
        Label_resultat->clear();
        contexte_.dialogues.message(TypeMessage::erreur, e.message());
        return;
    }
    for (const Constat& constat : resultat.constats) {
        auto* element = new QListWidgetItem(texte_constat(constat), Liste_constats);
        element->setData(Qt::UserRole, constat.ligne);
    }
    Label_resultat->setText(resultat.constats.isEmpty()
                                ? textes_stats::aucun_constat()
                                : textes_stats::aide_constats(resultat.constats.size()));
}

void TForm_verification::Liste_constatsDblClick(QListWidgetItem* element) {
    const int ligne = element->data(Qt::UserRole).toInt();
    if (ligne > 0) {
        emit ligne_choisie(ligne);
    }
}

} // namespace vorek
