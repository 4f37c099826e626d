// The main window's side of the band map: its menu item, the walk through the spots of the
// entry's band from the call field, and a spot taken into the entry.

#include "panneau_saisie.h"
#include "radio_principale.h"
#include "tform_main.h"

#include <QAction>
#include <QMenu>

#include <utility>

namespace vorek {

void TForm_main::construire_carte() {
    Radio1->addSeparator();
    CarteBandes1 = Radio1->addAction(QStringLiteral("Carte des bandes..."));
    CarteBandes1->setObjectName(QStringLiteral("CarteBandes1"));
    connect(CarteBandes1, &QAction::triggered, this, &TForm_main::carte_demandee);
    // Installed after the panel's and the radio's filters, so seen first: a Return that takes
    // a spot never commits, and every key in the call field is seen.
    panneau_->surveiller_touches(this);
}

// Ctrl+Up/Down walk the spots; Return then takes the one shown instead of committing. Any
// other key in the call field forgets it, so a Return typed later commits as always.
bool TForm_main::touche_spot(Champ champ, int touche, Qt::KeyboardModifiers modificateurs) {
    if (champ != Champ::Edit_call) {
        return false;
    }
    const bool fleche = touche == Qt::Key_Up || touche == Qt::Key_Down;
    if (fleche && modificateurs == Qt::ControlModifier) {
        spot_designe_.reset();
        emit spots_a_parcourir(touche == Qt::Key_Down ? 1 : -1);
        return true;
    }
    const bool retour = touche == Qt::Key_Return || touche == Qt::Key_Enter;
    if (retour && spot_designe_ && (modificateurs & ~Qt::KeypadModifier) == Qt::NoModifier) {
        prendre_spot(*std::exchange(spot_designe_, std::nullopt));
        return true;
    }
    const bool modificateur_seul = touche == Qt::Key_Control || touche == Qt::Key_Shift ||
                                   touche == Qt::Key_Alt || touche == Qt::Key_Meta;
    if (!modificateur_seul) {
        spot_designe_.reset();
    }
    return false;
}

void TForm_main::designer_spot(const SpotCarte& spot) {
    spot_designe_ = spot;
}

void TForm_main::prendre_spot(const SpotCarte& spot) {
    spot_designe_.reset();
    // Nothing is taken before the entry exists or while another entry event runs.
    if (!panneau_->suivre_bande(spot.bande)) {
        return;
    }
    radio_->regler_frequence(spot.spot.frequence_hz);
    raise();
    activateWindow();
    // Through the field's own change: the look-ups, the preview and the partial check run as
    // for a call typed.
    panneau_->prendre_indicatif(spot.spot.indicatif);
}

} // namespace vorek
