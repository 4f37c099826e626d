#pragma once

#include <QString>

namespace vorek {

// Texts of the log cells as the report formats want them. The cells are read by
// character position, as they are typed: "dd/mm/yyyy" or "dd/mm/yy", and "hh:nn".

// "dd/mm/yyyy" or "dd/mm/yy" as "yyyymmdd" (Cabrillo adds dashes, see date_cabrillo).
QString date_aaaammjj(const QString& cellule);
QString date_cabrillo(const QString& cellule);
// The ADIF writers' own reading: the slashes removed, "20" put before a two-digit year.
QString date_adif(const QString& cellule);

// "hh:nn" as "hhnn".
QString heure_cabrillo(const QString& cellule);
QString heure_adif(const QString& cellule);

} // namespace vorek
