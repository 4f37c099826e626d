#pragma once

#include "message_cr.h"

#include <QByteArray>

namespace vorek {

// The message exactly as it is submitted after DATA (before the transport's dot-stuffing):
// headers, then a single text/plain body, or multipart/mixed with the body and the report
// in base64 when there is an attachment. The same message always gives the same bytes; the
// MIME boundary is derived from the content unless one is given.
QByteArray octets_message(const MessageCR& message, const QByteArray& frontiere = {});

} // namespace vorek
