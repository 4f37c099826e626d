#pragma once

#include <QString>

#include <chrono>

namespace vorek {

class Manipulateur;

// Sends the text through the keyer and waits until it is out, as the main window's keyer
// tells it. A keyer that answers once it has keyed a message (cwdaemon) must answer within
// `attente_accuse` after the message's expected end: without an answer nothing shows it was
// keyed. Empty when sent; otherwise the French message.
QString envoyer_et_attendre(Manipulateur& manipulateur, const QString& texte,
                            std::chrono::milliseconds attente_accuse = std::chrono::seconds(2));

} // namespace vorek
