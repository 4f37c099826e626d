#include "contexte_cli.h"

#include "refdata/pays.h"

namespace vorek {

int commande_base(ContexteCli& contexte) {
    if (contexte.arguments.size() != 1) {
        throw ErreurUsage{QStringLiteral("usage : vorek base INDICATIF")};
    }
    const QString& indicatif = contexte.arguments.first();
    contexte.sortie << indicatif_de_base(indicatif) << '\t' << indicatif_de_base_points(indicatif)
                    << '\n';
    return 0;
}

} // namespace vorek
