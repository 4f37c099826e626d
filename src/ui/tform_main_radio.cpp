// The main window's radio and keyer: the menu item of their settings window and the link
// started with the window.

#include "radio_principale.h"
#include "tform_main.h"

#include "app/parametres.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>

namespace vorek {

void TForm_main::construire_radio() {
    Radio1 = menuBar()->addMenu(QStringLiteral("&Radio"));
    Radio1->setObjectName(QStringLiteral("Radio1"));
    RadioManipulateur1 = Radio1->addAction(QStringLiteral("Radio et manipulateur..."));
    RadioManipulateur1->setObjectName(QStringLiteral("RadioManipulateur1"));
    connect(RadioManipulateur1, &QAction::triggered, this, &TForm_main::reglages_radio_demandes);
    radio_ =
        new RadioPrincipale(*this, *panneau_, contexte_.etat, contexte_.options.intervalles_radio);
    construire_carte();
}

void TForm_main::demarrer_radio() {
    radio_->appliquer(lire_reglages_rig(chemin_parametres(contexte_.etat)));
}

void TForm_main::appliquer_reglages_radio(const ReglagesRig& reglages) {
    radio_->appliquer(reglages);
}

} // namespace vorek
