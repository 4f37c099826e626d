#include "contexte_cli.h"

#include "base/horloge.h"
#include "refdata/referentiel.h"
#include "stats/graphiques/graphiques.h"
#include "stats/statistiques.h"

#include <QFileInfo>

namespace vorek {

// The plots of a log into a PNG file, without a display; prints the file's path.
int commande_graphique(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    const QString sortie = QFileInfo(contexte.arguments.positionnels[1]).absoluteFilePath();
    enregistrer_png(calculer_statistiques(contexte.etat, HorlogeSysteme().maintenant_utc()),
                    sortie);
    contexte.sortie << sortie << '\n';
    return 0;
}

} // namespace vorek
