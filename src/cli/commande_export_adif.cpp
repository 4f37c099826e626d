#include "contexte_cli.h"

#include "refdata/referentiel.h"
#include "reports/adif_sortie.h"

namespace vorek {

int commande_export_adif(ContexteCli& contexte) {
    if (contexte.arguments.size() != 2) {
        throw ErreurUsage{QStringLiteral("usage : vorek export-adif FICHIER.VRK NOM")};
    }
    charger_pour_cli(contexte, contexte.arguments[0]);
    const Referentiel referentiel(contexte.etat);
    const ResultatAdif resultat =
        exporter_adif(contexte.etat, referentiel.membres, contexte.arguments[1]);
    contexte.sortie << resultat.chemin << '\n';
    avertir_base_membres_absente(resultat.base_membres_absente);
    return 0;
}

} // namespace vorek
