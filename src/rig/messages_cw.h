#pragma once

#include <QString>

#include <array>

namespace vorek {

// The values the macros of a CW message stand for.
struct ChampsMacro {
    QString moi; // {MOI}: the station's call
    QString ind; // {IND}: the call field
    QString num; // {NUM}: the station's member number
    QString rst; // {RST}: the report sent
};

// A message ready for the keyer, or why nothing may be sent.
struct MessageCw {
    QString texte;  // as the keyer receives it (see texte_morse)
    QString erreur; // not empty: nothing is sent, and this says which field is missing
};

constexpr int nb_messages_cw = 8; // F1 to F8

// Replaces the macros of the message by the fields. A macro whose field is empty, or a macro
// the program does not know, sends nothing. The fields pass through the Morse filter first,
// so a call field holding only what Morse cannot send counts as empty.
MessageCw developper_message(const QString& modele, const ChampsMacro& champs);

// CQ, exchange, thanks, calls, repeats: what F1 to F8 hold before the operator edits them.
std::array<QString, nb_messages_cw> messages_cw_par_defaut();

} // namespace vorek
