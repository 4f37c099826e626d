#pragma once

#include "compte_rendu.h"
#include "dictionnaire.h"

#include "rules/periode.h"

#include <functional>

namespace vorek {

struct Referentiel;

struct ScoreStation {
    int qso = 0;
    int points = 0;
};

// What every station of a contest is scored under.
struct ConditionsCorrection {
    const Referentiel& referentiel;
    const Dictionnaire& dictionnaire;
    PeriodeConcours periode;
    QString annee;
};

// The station's QSO lines that garder keeps (all when it is empty), in the order of the
// file, scored by the logger's own rescoring of a log table holding them: the same rules,
// the same member numbers, the same remarks.
ScoreStation scorer_station(const CompteRendu& compte_rendu, const ConditionsCorrection& conditions,
                            const std::function<bool(size_t)>& garder = {});

} // namespace vorek
