#pragma once

#include "manipulateur.h"
#include "reglages_rig.h"

#include <memory>

namespace vorek {

class SuiviRadio;

// The keyer the settings name: none, cwdaemon, or the rig's own keyer through radio (none
// when no rig is followed).
std::unique_ptr<Manipulateur> creer_manipulateur(const ReglagesManipulateur& reglages,
                                                 SuiviRadio* radio);

// The keyer as the status area shows it: "Manipulateur cwdaemon (non vérifié), 24 mots/min".
QString texte_manipulateur(TypeManipulateur type, const Manipulateur& manipulateur);

} // namespace vorek
