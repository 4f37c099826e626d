#pragma once

#include "log/fichier_challenge.h"

#include <QString>

namespace vorek {

class Dialogues;
class Etat;
struct Referentiel;

// A challenge file loads the same way for the windows and the command-line tool: the
// station's continent from the country look-up, then, once the table is in, the whole log
// rescored as recalculer_score does it (the missing member database told once, an
// unreadable date in the error box), then fenetre.apres_chargement. fenetre carries what a
// window adds: its call field and its labels; the tool passes none. Pass the result to
// charger_fichier for the same etat.
ActionsChargement actions_chargement(Etat& etat, const Referentiel& referentiel,
                                     Dialogues& dialogues, const QString& bande_selectionnee,
                                     const QString& annee_courante, ActionsChargement fenetre = {});

} // namespace vorek
