#include "creation_manipulateur.h"

#include "manipulateur_cwdaemon.h"
#include "manipulateur_radio.h"
#include "textes_rig.h"

namespace vorek {

std::unique_ptr<Manipulateur> creer_manipulateur(const ReglagesManipulateur& reglages,
                                                 SuiviRadio* radio) {
    switch (reglages.type) {
    case TypeManipulateur::cwdaemon:
        return std::make_unique<ManipulateurCwdaemon>(reglages.hote, reglages.port, reglages.wpm);
    case TypeManipulateur::radio:
        if (radio != nullptr) {
            return std::make_unique<ManipulateurRadio>(*radio, reglages.wpm);
        }
        return nullptr;
    case TypeManipulateur::aucun:
        break;
    }
    return nullptr;
}

QString texte_manipulateur(TypeManipulateur type, const Manipulateur& manipulateur) {
    const QString nom = type == TypeManipulateur::radio ? textes_rig::nom_manipulateur_radio()
                                                        : textes_rig::nom_cwdaemon();
    return textes_rig::etat_manipulateur()
        .arg(nom, texte_etat_manipulateur(manipulateur.etat()))
        .arg(manipulateur.vitesse());
}

} // namespace vorek
