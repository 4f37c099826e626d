#include "contexte_cli.h"

#include "reports/redacteurs.h"

namespace vorek {

int commande_export_ascii(ContexteCli& contexte) {
    return exporter_cli(contexte, redacteur_listing_ascii());
}

} // namespace vorek
