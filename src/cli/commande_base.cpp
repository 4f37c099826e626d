#include "contexte_cli.h"

#include "refdata/pays.h"

namespace vorek {

int commande_base(ContexteCli& contexte) {
    const QString& indicatif = contexte.arguments.positionnels[0];
    contexte.sortie << indicatif_de_base(indicatif) << '\t' << indicatif_de_base_points(indicatif)
                    << '\n';
    return 0;
}

} // namespace vorek
