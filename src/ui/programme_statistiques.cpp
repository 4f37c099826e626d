// The statistics and report-check windows: shown when the main window asks, the check's
// findings leading back to the main window's grid; the committee's cross-check over it.

#include "programme.h"

#include "correction_comptes_rendus.h"

#include "tform_main.h"
#include "tform_statistiques.h"
#include "tform_verification.h"

namespace vorek {

namespace {

void montrer(QWidget* fenetre, PlaceRetenue& place, const TForm_main* principale) {
    placer_retenue(place, principale, principale->place_indicatif());
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

} // namespace

void Programme::relier_statistiques() {
    Form_statistiques_ = std::make_unique<TForm_statistiques>(contexte_);
    Form_verification_ = std::make_unique<TForm_verification>(contexte_);
    TForm_statistiques* statistiques = Form_statistiques_.get();
    TForm_verification* verification = Form_verification_.get();
    place_statistiques_.fenetre = statistiques;
    place_verification_.fenetre = verification;
    connect(Form_main_, &TForm_main::statistiques_demandees, this,
            [this, statistiques] { montrer(statistiques, place_statistiques_, Form_main_); });
    connect(Form_main_, &TForm_main::verification_demandee, this, [this, verification] {
        verification->verifier();
        montrer(verification, place_verification_, Form_main_);
    });
    connect(verification, &TForm_verification::ligne_choisie, Form_main_,
            &TForm_main::selectionner_ligne);
    auto* correction = new CorrectionComptesRendus(contexte_, Form_main_);
    connect(Form_main_, &TForm_main::correction_demandee, correction,
            &CorrectionComptesRendus::lancer);
    connect(this, &Programme::fin, statistiques, &QWidget::hide);
    connect(this, &Programme::fin, verification, &QWidget::hide);
}

} // namespace vorek
