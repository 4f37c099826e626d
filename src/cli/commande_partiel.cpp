#include "entree_cli.h"

#include "refdata/referentiel.h"

namespace vorek {

// The entry panel's partial check of a fragment typed into the call field: one line per
// member, "call TAB number TAB marks", marked from the log when one is given.
int commande_partiel(ContexteCli& contexte) {
    const ArgumentsLus& arguments = contexte.arguments;
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    if (arguments.positionnels.size() == 2) {
        charger_pour_cli(contexte, referentiel, arguments.positionnels[1]);
    }
    EntreeCli saisie(contexte, referentiel);
    saisie.entree().Edit_callChange(arguments.positionnels[0]);
    for (const Partiel& p : saisie.entree().liste_partielle()) {
        contexte.sortie << p.indicatif << '\t' << p.membre_numero << '\t' << p.marques << '\n';
    }
    return 0;
}

} // namespace vorek
