#include "contexte_cli.h"

#include "refdata/referentiel.h"

#include <cstdio>

namespace vorek {

int commande_pays(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    const ResultatPays r = referentiel.pays.trouver_pays(contexte.arguments.positionnels[0]);
    contexte.sortie << r.dxcc_prefixe << '\t' << r.dxcc_continent << '\n';
    if (!r.liste_trouvee) {
        contexte.sortie.flush();
        std::fprintf(stderr, "%s\n", message_liste_dxcc_absente);
    }
    return 0;
}

} // namespace vorek
