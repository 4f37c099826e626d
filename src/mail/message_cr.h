#pragma once

#include "log/fiche_station.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>
#include <QStringList>

#include <optional>

namespace vorek {

struct PieceJointe {
    QString nom; // file name without its folder
    QByteArray octets;
};

// The report e-mail as the window shows it and as it is sent. Empty "a" means that no
// recipient address was acceptable yet.
struct MessageCR {
    QString de;
    QString repondre_a;
    QString a;
    QString cc;
    QString objet;
    QDateTime date;
    QStringList corps;
    QString fichier_joint; // the expected report, shown even when it does not exist
    std::optional<PieceJointe> piece_jointe;
};

// What the composition takes from the program besides the station record.
struct ChampsMessageCR {
    QString adresse_destinataire; // the committee's address at each composition
    QString fichier_joint;        // the report just written
    QDateTime moment;             // local time of the composition
};

// A new message from the station's call and e-mail address; the report file, when it exists,
// is read now, so the message printed and the message sent are one. Throws Erreur when it
// exists but cannot be read.
MessageCR composer_message_cr(const Station& station, const ChampsMessageCR& champs);

// The operator's recipient: taken when it can be sent to (and then true), otherwise the
// message keeps its former recipient.
bool changer_destinataire(MessageCR& message, const QString& texte);

// The attachment panel's text: eight blanks and the file name without its folder.
QString texte_piece_jointe(const QString& fichier_joint);

} // namespace vorek
