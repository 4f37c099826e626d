#include "code_morse.h"

#include <QStringList>

#include <array>
#include <utility>

namespace vorek {

namespace {

// The characters every keyer sends: cwdaemon and the rigs' own keyers alike.
constexpr std::array<std::pair<char, const char*>, 48> code{{
    {'A', ".-"},      {'B', "-..."},   {'C', "-.-."},   {'D', "-.."},    {'E', "."},
    {'F', "..-."},    {'G', "--."},    {'H', "...."},   {'I', ".."},     {'J', ".---"},
    {'K', "-.-"},     {'L', ".-.."},   {'M', "--"},     {'N', "-."},     {'O', "---"},
    {'P', ".--."},    {'Q', "--.-"},   {'R', ".-."},    {'S', "..."},    {'T', "-"},
    {'U', "..-"},     {'V', "...-"},   {'W', ".--"},    {'X', "-..-"},   {'Y', "-.--"},
    {'Z', "--.."},    {'0', "-----"},  {'1', ".----"},  {'2', "..---"},  {'3', "...--"},
    {'4', "....-"},   {'5', "....."},  {'6', "-...."},  {'7', "--..."},  {'8', "---.."},
    {'9', "----."},   {'.', ".-.-.-"}, {',', "--..--"}, {'?', "..--.."}, {'/', "-..-."},
    {'=', "-...-"},   {'+', ".-.-."},  {'-', "-....-"}, {'(', "-.--."},  {')', "-.--.-"},
    {'\'', ".----."}, {':', "---..."}, {'@', ".--.-."},
}};

const char* elements(QChar c) {
    for (const auto& [lettre, signes] : code) {
        if (c == QLatin1Char(lettre)) {
            return signes;
        }
    }
    return nullptr;
}

// Length of one character in dot units, without the gap that follows it.
int unites(const char* signes) {
    int total = -1; // no gap after the last element
    for (const char* s = signes; *s != '\0'; ++s) {
        total += (*s == '-' ? 3 : 1) + 1;
    }
    return total;
}

} // namespace

QString texte_morse(const QString& texte) {
    QString morse;
    for (const QChar c : texte.toUpper()) {
        if (elements(c) != nullptr) {
            morse.append(c);
        } else if (c.isSpace()) {
            morse.append(QLatin1Char(' '));
        }
    }
    return morse.simplified();
}

int duree_morse_ms(const QString& texte, int wpm) {
    if (wpm <= 0) {
        return 0;
    }
    int total = 0;
    const QStringList mots = texte_morse(texte).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    for (const QString& mot : mots) {
        for (const QChar c : mot) {
            total += unites(elements(c)) + 3;
        }
        total += 4; // a word gap is seven units, three of them already counted
    }
    // 1200 ms per unit at 1 WPM (PARIS, 50 units a word).
    return total * 1200 / wpm;
}

} // namespace vorek
