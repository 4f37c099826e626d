#pragma once

#include "correction.h"

#include <QByteArray>

namespace vorek {

// The results table as CSV: UTF-8, ";" between fields, a header line, CR LF line ends.
QByteArray csv_resultats(const BilanCorrection& bilan);

// The same table as one HTML5 page that needs nothing else: its style and its script are
// inside, each call links to its station report, a click on a heading sorts by that
// column. The page's address says the sort: "#tri=N" on column N (from 1), "#tri=-N"
// descending; a click sets it, and a page opened with it is sorted by the same code.
QByteArray page_resultats(const BilanCorrection& bilan);

} // namespace vorek
