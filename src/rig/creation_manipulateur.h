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

} // namespace vorek
