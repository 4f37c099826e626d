#include "contexte_cli.h"

#include "refdata/referentiel.h"

namespace vorek {

int commande_pays(ContexteCli& contexte) {
    if (contexte.arguments.size() != 1) {
        throw ErreurUsage{QStringLiteral("usage : vorek pays INDICATIF")};
    }
    const Referentiel referentiel(contexte.etat);
    const ResultatPays r = referentiel.pays.trouver_pays(contexte.arguments.first());
    contexte.sortie << r.dxcc_prefixe << '\t' << r.dxcc_continent << '\n';
    return 0;
}

} // namespace vorek
