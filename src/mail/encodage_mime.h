#pragma once

#include <QByteArray>
#include <QDateTime>
#include <QString>

namespace vorek {

// Building blocks of an Internet message. Every result is 7-bit text with CR LF line ends,
// except addresses, which go as UTF-8 when they hold codes 128 to 255.

// Control characters (codes 0 to 31 and 127) become blanks: a header or a body line can
// never be split by a value that came from a file.
QString sans_controle(const QString& texte);

// "Tue, 02 Jul 2024 14:05:00 +0200", English names whatever the locale.
QByteArray date_rfc5322(const QDateTime& moment);

// One header field, folded, ending with CR LF. Text that is not plain printable ASCII, or
// too long for one line, goes as RFC 2047 encoded words in UTF-8.
QByteArray entete_texte(const char* nom, const QString& valeur);
QByteArray entete_adresse(const char* nom, const QString& adresse);

// A file-name parameter ("name" or "filename"): quoted when plain ASCII, RFC 2231 otherwise.
QByteArray parametre_nom_fichier(const char* parametre, const QString& nom);

// Base64 in lines of 76 characters, each ended by CR LF.
QByteArray base64_en_lignes(const QByteArray& octets);

// Quoted-printable of text whose lines are separated by CR LF; lines stay at most 76 long.
QByteArray quoted_printable(const QByteArray& texte);

} // namespace vorek
