#include "contexte_cli.h"

#include "refdata/referentiel.h"
#include "reports/adif_sortie.h"

namespace vorek {

int commande_export_adif(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    const ResultatAdif resultat =
        exporter_adif(contexte.etat, referentiel.membres, contexte.arguments.positionnels[1]);
    contexte.sortie << resultat.chemin << '\n';
    avertir_base_membres_absente(contexte, resultat.base_membres_absente);
    return 0;
}

} // namespace vorek
