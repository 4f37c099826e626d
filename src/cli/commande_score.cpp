#include "contexte_cli.h"

#include "log/fichier_challenge.h"
#include "refdata/referentiel.h"

namespace vorek {

// Lists what each QSO row of a challenge file received from the rescoring of its load, as
// the "Calcul" button gives it without the entry window (an empty band scores as an empty
// band).
int commande_score(ContexteCli& contexte) {
    Etat& etat = contexte.etat;
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    const TableJournal& table = etat.table;
    const QChar tab = QLatin1Char('\t');
    for (int r = 1; r < table.nb_lignes(); ++r) {
        if (table.cellule(col_indicatif, r).isEmpty()) {
            continue;
        }
        contexte.sortie << r << tab << table.cellule(col_indicatif, r) << tab
                        << table.cellule(col_ztc, r) << tab << table.cellule(col_points, r) << tab
                        << table.cellule(col_notes, r) << '\n';
    }
    contexte.sortie << "total" << tab << etat.score_total << tab << compter_QSO(table) << '\n';
    if (contexte.arguments.contient(QStringLiteral("--ecrire"))) {
        sauver_fichier(etat, etat.fichier_courant);
    }
    return 0;
}

} // namespace vorek
