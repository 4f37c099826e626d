#include "octets_message.h"

#include "encodage_mime.h"

#include <QCryptographicHash>

// The message is built here, byte for byte, and handed to libcurl as upload data rather than
// through curl_mime_*: libcurl's MIME builder picks its own boundary and cannot print what
// it sends, while the command line must print exactly the bytes the server receives.

namespace vorek {

namespace {

QByteArray empreinte(const MessageCR& m, const QByteArray& corps) {
    QCryptographicHash h(QCryptographicHash::Sha1);
    h.addData(date_rfc5322(m.date));
    h.addData((m.de + m.a + m.objet).toUtf8());
    h.addData(corps);
    if (m.piece_jointe) {
        h.addData(m.piece_jointe->octets);
    }
    return h.result().toHex();
}

QByteArray texte_corps(const QStringList& lignes) {
    QByteArray texte;
    for (const QString& ligne : lignes) {
        texte += sans_controle(ligne).toUtf8() + "\r\n";
    }
    return texte;
}

// Plain 7-bit text when it can be, else quoted-printable; "=_" never appears in either
// (the boundary starts with it).
bool sept_bits(const QByteArray& texte) {
    if (texte.contains("=_")) {
        return false;
    }
    qsizetype colonne = 0;
    for (const char c : texte) {
        if (c == '\r' || c == '\n') {
            colonne = 0;
        } else if (uchar(c) < 32 || uchar(c) > 126 || ++colonne > 76) {
            return false;
        }
    }
    return true;
}

QByteArray partie_texte(const QByteArray& corps) {
    const bool simple = sept_bits(corps);
    return QByteArray("Content-Type: text/plain; charset=UTF-8\r\n"
                      "Content-Transfer-Encoding: ") +
           (simple ? "7bit" : "quoted-printable") + "\r\n\r\n" +
           (simple ? corps : quoted_printable(corps));
}

QByteArray partie_jointe(const PieceJointe& piece) {
    return "Content-Type: text/plain; charset=windows-1252;\r\n " +
           parametre_nom_fichier("name", piece.nom) +
           "\r\nContent-Transfer-Encoding: base64\r\n"
           "Content-Disposition: attachment;\r\n " +
           parametre_nom_fichier("filename", piece.nom) + "\r\n\r\n" +
           base64_en_lignes(piece.octets);
}

QByteArray domaine(const QString& adresse) {
    return sans_controle(adresse.section(QLatin1Char('@'), -1)).toUtf8();
}

QByteArray entetes(const MessageCR& m, const QByteArray& empreinte_message) {
    return entete_adresse("From", m.de) + entete_adresse("Reply-To", m.repondre_a) +
           entete_adresse("To", m.a) + entete_adresse("Cc", m.cc) +
           entete_texte("Subject", m.objet) + "Date: " + date_rfc5322(m.date) + "\r\n" +
           "Message-ID: <" + m.date.toUTC().toString(QStringLiteral("yyyyMMddhhmmss")).toLatin1() +
           '.' + empreinte_message.left(16) + '@' + domaine(m.de) + ">\r\n" +
           "MIME-Version: 1.0\r\n";
}

} // namespace

QByteArray octets_message(const MessageCR& message, const QByteArray& frontiere) {
    const QByteArray corps = texte_corps(message.corps);
    const QByteArray empreinte_message = empreinte(message, corps);
    const QByteArray tete = entetes(message, empreinte_message);
    if (!message.piece_jointe) {
        return tete + partie_texte(corps);
    }
    const QByteArray limite =
        frontiere.isEmpty() ? "=_VOREK_" + empreinte_message.left(24) : frontiere;
    return tete + "Content-Type: multipart/mixed;\r\n boundary=\"" + limite + "\"\r\n\r\n" + "--" +
           limite + "\r\n" + partie_texte(corps) + "\r\n--" + limite + "\r\n" +
           partie_jointe(*message.piece_jointe) + "\r\n--" + limite + "--\r\n";
}

} // namespace vorek
