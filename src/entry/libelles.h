#pragma once

#include <QString>

#include <optional>

namespace vorek {

class Etat;
class Dialogues;
struct Referentiel;

// What an operation gives the main window to show: each label or the title is set only
// when present.
struct Libelles {
    std::optional<QString> Label_score;
    std::optional<QString> Label_nbrQSO;
    std::optional<QString> titre;
};

// The score label's text: "152 points".
QString texte_score(int score_total);

// calculer_score as the windows run it: the missing member database told once, an
// unreadable date shown in the error box. False when the recomputation stopped.
bool recalculer_score(Etat& etat, const Referentiel& referentiel, Dialogues& dialogues,
                      const QString& bande_selectionnee, const QString& annee_courante);

} // namespace vorek
