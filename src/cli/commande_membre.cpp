#include "contexte_cli.h"

#include "refdata/referentiel.h"

namespace vorek {

int commande_membre(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    const ResultatMembre r =
        referentiel.membres.chercher_membre(contexte.arguments.positionnels[0]);
    contexte.sortie << r.membre_numero << '\t' << r.membre_nom << '\n';
    avertir_base_membres_absente(contexte, !r.base_trouvee);
    return 0;
}

} // namespace vorek
