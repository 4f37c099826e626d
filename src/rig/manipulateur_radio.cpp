#include "manipulateur_radio.h"

#include "suivi_radio.h"

namespace vorek {

ManipulateurRadio::ManipulateurRadio(SuiviRadio& radio, int wpm, QObject* parent)
    : Manipulateur(wpm, parent), radio_(&radio) {
    connect(&radio, &SuiviRadio::connexion_changee, this, [this](bool connectee) {
        marquer_etat(connectee ? EtatManipulateur::verifie : EtatManipulateur::non_verifie);
        if (connectee) {
            // A rig that comes back may have lost the speed set before.
            appliquer_vitesse(vitesse());
        }
    });
    connect(&radio, &SuiviRadio::erreur_morse, this, &Manipulateur::erreur);
    if (radio.connectee()) {
        marquer_etat(EtatManipulateur::verifie);
        appliquer_vitesse(vitesse());
    }
}

bool ManipulateurRadio::transmettre(const QString& texte) {
    return radio_ != nullptr && radio_->envoyer_morse(texte);
}

void ManipulateurRadio::interrompre() {
    if (radio_ != nullptr) {
        radio_->arreter_morse();
    }
}

void ManipulateurRadio::appliquer_vitesse(int wpm) {
    if (radio_ != nullptr) {
        radio_->regler_vitesse_morse(wpm);
    }
}

} // namespace vorek
