#pragma once

#include "manipulateur.h"
#include "reglages_rig.h"

#include <memory>
#include <vector>

namespace vorek {

class SuiviRadio;

// The kinds of keyer, "aucun" first: the settings window offers them in this order and the
// command line names them. A new kind is one class and one line here.
const std::vector<const SorteManipulateur*>& sortes_manipulateur();

// "aucun": no keyer, nothing to create.
const SorteManipulateur& sans_manipulateur();

// The kind of that word (blanks and case aside); "aucun" for a word no kind has.
const SorteManipulateur& sorte_manipulateur(const QString& nom);

// The keyer the settings name; none for "aucun" or a keyer that cannot be made (the rig's
// own when no rig is followed).
std::unique_ptr<Manipulateur> creer_manipulateur(const ReglagesManipulateur& reglages,
                                                 SuiviRadio* radio);

// The keyer as the status area shows it: "Manipulateur cwdaemon (non vérifié), 24 mots/min".
QString texte_manipulateur(const Manipulateur& manipulateur);

} // namespace vorek
