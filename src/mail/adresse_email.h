#pragma once

#include <QString>

namespace vorek {

// The address check of the e-mail fields: a local part of dot-separated atoms or a quoted
// string, "@", then at least two domain labels that start with a letter and do not end with
// a hyphen.
bool adresse_email_valide(const QString& texte);

// What may go into an SMTP command or a header: a valid address without any control
// character (the check above lets a quoted local part hold a line feed).
bool adresse_email_envoyable(const QString& texte);

} // namespace vorek
