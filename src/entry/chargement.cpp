#include "chargement.h"

#include "libelles.h"

#include "refdata/referentiel.h"

namespace vorek {

ActionsChargement actions_chargement(Etat& etat, const Referentiel& referentiel,
                                     Dialogues& dialogues, const QString& bande_selectionnee,
                                     const QString& annee_courante, ActionsChargement fenetre) {
    ActionsChargement actions;
    actions.indicatif_charge = std::move(fenetre.indicatif_charge);
    actions.continent_de = [&referentiel](const QString& indicatif) {
        return referentiel.pays.trouver_pays(indicatif).dxcc_continent;
    };
    actions.apres_chargement = [&etat, &referentiel, &dialogues, bande_selectionnee, annee_courante,
                                suite = std::move(fenetre.apres_chargement)] {
        recalculer_score(etat, referentiel, dialogues, bande_selectionnee, annee_courante);
        if (suite) {
            suite();
        }
    };
    return actions;
}

} // namespace vorek
