#pragma once

#include "log/fichier_challenge.h"

#include <QString>

namespace vorek {

class Dialogues;
class EntreeQSO;
class Etat;
struct Referentiel;

// A challenge file loads the same way for the windows and the command-line tool: the
// station's continent from the country look-up, then, once the table is in, the whole log
// rescored as recalculer_score does it (the missing member database told once, an
// unreadable date in the error box). Pass the result to charger_fichier for the same etat.
ActionsChargement actions_chargement(Etat& etat, const Referentiel& referentiel,
                                     Dialogues& dialogues, const QString& bande_selectionnee,
                                     const QString& annee_courante);

// The same with the entry's band and the clock's year, as the windows load.
ActionsChargement actions_chargement(EntreeQSO& entree);

} // namespace vorek
