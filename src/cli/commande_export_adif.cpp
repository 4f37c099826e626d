#include "contexte_cli.h"

#include "reports/redacteurs.h"

namespace vorek {

int commande_export_adif(ContexteCli& contexte) {
    return exporter_cli(contexte, redacteur_export_adif());
}

} // namespace vorek
