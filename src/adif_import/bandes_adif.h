#pragma once

#include <QString>

namespace vorek {

// The band text of a whole number of megahertz read from an ADIF FREQ field: the first
// band of the table whose range holds it, "???" outside every band.
QString bande_de_mhz(int mhz);

// The band text of an ADIF BAND value: the value lower-cased, so that "20M", "70CM" and
// "SAT" read as the band list writes them.
QString bande_de_texte(const QString& valeur);

} // namespace vorek
