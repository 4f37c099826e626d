#include "libelles.h"

#include "textes_saisie.h"

#include "base/dialogues.h"
#include "base/erreur.h"
#include "rules/score.h"
#include "rules/textes_regles.h"

namespace vorek {

QString texte_score(int score_total) {
    return QString::number(score_total) + textes::suffixe_points();
}

bool recalculer_score(Etat& etat, const Referentiel& referentiel, Dialogues& dialogues,
                      const QString& bande_selectionnee, const QString& annee_courante) {
    ResultatScore resultat;
    try {
        calculer_score(etat, referentiel, bande_selectionnee, annee_courante, resultat);
    } catch (const Erreur& e) {
        if (resultat.base_membres_absente) {
            dialogues.message(TypeMessage::simple, textes::base_membres_absente_score());
        }
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
    if (resultat.base_membres_absente) {
        dialogues.message(TypeMessage::simple, textes::base_membres_absente_score());
    }
    return true;
}

} // namespace vorek
