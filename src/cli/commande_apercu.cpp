#include "entree_cli.h"
#include "textes_cli.h"

#include "base/erreur.h"
#include "refdata/referentiel.h"

namespace vorek {

// The points a QSO would get if committed now into the log, as the entry panel previews
// them: "points TAB reason", the reason empty when it scores.
int commande_apercu(ContexteCli& contexte) {
    const ArgumentsLus& arguments = contexte.arguments;
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, arguments.positionnels[0]);
    EntreeCli saisie(contexte, referentiel);
    EntreeQSO& entree = saisie.entree();
    // Typed, then the field left: the member number is the look-up's, as the panel fills it.
    entree.Edit_callChange(arguments.positionnels[1]);
    entree.Edit_callExit();
    if (const std::optional<QString> numero = arguments.option(QStringLiteral("--numero"))) {
        entree.Edit_NrZTC = *numero;
    }
    const ApercuQSO apercu = entree.apercu_QSO();
    if (!apercu.visible) {
        throw ErreurUsage{textes_cli::indicatif_vide()};
    }
    if (apercu.points.isEmpty()) {
        throw Erreur(apercu.raison);
    }
    contexte.sortie << apercu.points << '\t' << apercu.raison << '\n';
    return 0;
}

} // namespace vorek
