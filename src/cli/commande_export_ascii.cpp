#include "contexte_cli.h"

#include "refdata/referentiel.h"
#include "reports/ascii.h"

namespace vorek {

int commande_export_ascii(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    contexte.sortie << exporter_ascii(contexte.etat) << '\n';
    return 0;
}

} // namespace vorek
