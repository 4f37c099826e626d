#include "creation_manipulateur.h"

#include "manipulateur_cwdaemon.h"
#include "manipulateur_radio.h"

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

} // namespace vorek
