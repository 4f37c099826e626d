#pragma once

#include <QString>

namespace vorek {

// The band text of a whole number of megahertz read from an ADIF FREQ field: the band
// record whose import range holds it, "???" outside every band.
QString bande_de_mhz(int mhz);

} // namespace vorek
