#include "manipulateur_radio.h"

#include "reglages_rig.h"
#include "suivi_radio.h"
#include "textes_rig.h"

namespace vorek {

namespace {

std::unique_ptr<Manipulateur> creer(const ReglagesManipulateur& reglages, SuiviRadio* radio) {
    if (radio == nullptr) {
        return nullptr;
    }
    return std::make_unique<ManipulateurRadio>(*radio, reglages.wpm);
}

} // namespace

const SorteManipulateur& ManipulateurRadio::declaration() {
    static const SorteManipulateur sorte{QStringLiteral("radio"),
                                         textes_rig::libelle_radio(),
                                         textes_rig::nom_manipulateur_radio(),
                                         {.arret = true, .demande_radio = true},
                                         &creer};
    return sorte;
}

ManipulateurRadio::ManipulateurRadio(SuiviRadio& radio, int wpm, QObject* parent)
    : Manipulateur(declaration(), wpm, parent), radio_(&radio) {
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
