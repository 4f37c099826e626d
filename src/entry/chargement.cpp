#include "chargement.h"

#include "libelles.h"
#include "saisie.h"

#include "textes_saisie.h"

#include "base/dialogues.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/indicatif.h"

namespace vorek {

namespace {

// A file written before calls were checked may hold one with a blank: the log loads whole,
// and the operator is told which rows to correct in the grid.
void signaler_indicatifs_avec_blanc(const TableJournal& table, Dialogues& dialogues) {
    constexpr int nommees_max = 10;
    QStringList lignes;
    int nombre = 0;
    for (int r = 1; r < table.nb_lignes(); ++r) {
        const QString indicatif = table.cellule(col_indicatif, r);
        if (indicatif_avec_blanc(indicatif) && ++nombre <= nommees_max) {
            lignes.append(textes::ligne_indicatif().arg(r).arg(indicatif.trimmed()));
        }
    }
    if (nombre > nommees_max) {
        lignes.append(textes::autres_lignes().arg(nombre - nommees_max));
    }
    if (nombre > 0) {
        dialogues.message(TypeMessage::avertissement, textes::indicatifs_avec_blanc_charges() +
                                                          lignes.join(QStringLiteral(", ")) +
                                                          QLatin1Char('.'));
    }
}

} // namespace

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
        signaler_indicatifs_avec_blanc(etat.table, dialogues);
    };
    return actions;
}

ActionsChargement actions_chargement(EntreeQSO& entree) {
    return actions_chargement(entree.etat(), entree.referentiel(), entree.dialogues(),
                              entree.bande_selectionnee(), entree.annee_courante());
}

} // namespace vorek
