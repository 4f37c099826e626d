#pragma once

#include <QString>

namespace vorek {

// The text as a keyer receives it: letters in capitals, only the characters of the Morse
// table below, words separated by one blank. Control characters such as cwdaemon's escape
// never pass.
QString texte_morse(const QString& texte);

// How long the text takes to send at this speed (PARIS timing: a dot, a dash of three, one
// between elements, three between characters, seven between words), in milliseconds.
int duree_morse_ms(const QString& texte, int wpm);

} // namespace vorek
