#pragma once

#include <QDate>

namespace vorek {

struct PeriodeConcours {
    double debut_concours = 0;
    double fin_concours = 0;
};

// 1 July 00:00:01 to 31 August 23:59:59 of the given local date's year.
PeriodeConcours periode_concours(const QDate& aujourdhui);

} // namespace vorek
