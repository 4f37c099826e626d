#include "chargement.h"

#include "libelles.h"
#include "saisie.h"

#include "refdata/referentiel.h"

namespace vorek {

ActionsChargement actions_chargement(Etat& etat, const Referentiel& referentiel,
                                     Dialogues& dialogues, const QString& bande_selectionnee,
                                     const QString& annee_courante) {
    ActionsChargement actions;
    actions.continent_de = [&referentiel](const QString& indicatif) {
        return referentiel.pays.trouver_pays(indicatif).dxcc_continent;
    };
    actions.apres_chargement = [&etat, &referentiel, &dialogues, bande_selectionnee,
                                annee_courante] {
        recalculer_score(etat, referentiel, dialogues, bande_selectionnee, annee_courante);
    };
    return actions;
}

ActionsChargement actions_chargement(EntreeQSO& entree) {
    return actions_chargement(entree.etat(), entree.referentiel(), entree.dialogues(),
                              entree.bande_selectionnee(), entree.annee_courante());
}

} // namespace vorek
