#include "periode.h"

#include "base/dates.h"

namespace vorek {

PeriodeConcours periode_concours(const QDate& aujourdhui) {
    const QString annee = annee_courante(aujourdhui);
    return {lire_date_heure(QStringLiteral("01/07/") + annee + QStringLiteral(" 00:00:01")),
            lire_date_heure(QStringLiteral("31/08/") + annee + QStringLiteral(" 23:59:59"))};
}

} // namespace vorek
