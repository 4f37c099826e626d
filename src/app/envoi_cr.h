#pragma once

#include "mail/envoi_smtp.h"
#include "mail/message_cr.h"

#include <QDateTime>
#include <QString>

namespace vorek {

class Etat;

struct PreparationCR {
    MessageCR message;
    // Why the report could not be written or read, to be shown; the message then goes
    // without it, never with an older report left beside the log.
    QString erreur;
};

// The report e-mail of the current log: the Cabrillo report written again by the report
// writer, then the message composed around it at moment (local time).
PreparationCR preparer_message_cr(Etat& etat, const QString& destinataire, const QDateTime& moment);

// The correction committee's address, from the servers' configuration of rep_cfg.
QString adresse_comite(const Etat& etat);

// The last word before a report e-mail leaves, whoever sends it: empty when it may go,
// otherwise the French reason. Every send calls it just before it starts.
QString controler_avant_envoi(const Etat& etat, const ParametresSmtp& parametres,
                              const MessageCR& message);

} // namespace vorek
