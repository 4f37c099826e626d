#include "contexte_cli.h"

#include "base/dates.h"
#include "base/horloge.h"
#include "refdata/referentiel.h"
#include "stats/graphiques/graphiques.h"
#include "stats/statistiques.h"

#include <QFileInfo>

namespace vorek {

// The plots of a log into a PNG file, without a display; prints the file's path. As in the
// window, the rate plot shows every day holding QSOs, or the hours of the day given.
int commande_graphique(ContexteCli& contexte) {
    const ArgumentsLus& options = contexte.arguments;
    const QDate jour =
        options.contient(QStringLiteral("--jour"))
            ? depuis_jours(lire_date(options.valeur(QStringLiteral("--jour")))).date()
            : QDate();
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, options.positionnels[0]);
    const QString sortie = QFileInfo(options.positionnels[1]).absoluteFilePath();
    enregistrer_png(calculer_statistiques(contexte.etat, HorlogeSysteme().maintenant_utc()), sortie,
                    jour);
    contexte.sortie << sortie << '\n';
    return 0;
}

} // namespace vorek
