#pragma once

#include "verification.h"

namespace vorek {

class Dialogues;
struct MessageCR;

// True when there is nothing to say, or when the operator, shown the findings, still sends.
bool envoyer_malgre_constats(const QList<Constat>& constats, Dialogues& dialogues);

// The report a message carries, as it was read when the message was composed, checked. A
// message without the report has nothing to check (its composition said why).
QList<Constat> verifier_piece_jointe(const MessageCR& message, const SourceVerification& source);

// The last look before a report e-mail leaves: verifier_piece_jointe, then
// envoyer_malgre_constats.
bool verifier_avant_envoi(const MessageCR& message, const SourceVerification& source,
                          Dialogues& dialogues);

} // namespace vorek
