#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

namespace vorek {

// The server's name as it goes into the URL (ASCII form, an IPv6 address in brackets);
// nothing for a name that holds anything else than a host name can.
std::optional<QByteArray> hote_pour_url(const QString& serveur);

} // namespace vorek
