#pragma once

#include <QString>

namespace vorek {

// A call never holds a blank: "F5NTZ 579" is a call and a report typed together, which
// scores nothing and breaks the report's QSO line. Blanks around it do not count.
bool indicatif_avec_blanc(const QString& indicatif);

// The refusal of such a call, naming the log row it was meant for (0 for the entry).
QString refus_indicatif_avec_blanc(const QString& indicatif, int ligne);

} // namespace vorek
