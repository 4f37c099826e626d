#pragma once

#include <QString>

namespace vorek {

// Removes blanks and control characters at both ends, as the reference files expect.
QString rogner(const QString& texte);

} // namespace vorek
