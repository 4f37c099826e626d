#include "contexte_cli.h"

#include "base/horloge.h"
#include "refdata/referentiel.h"
#include "stats/statistiques.h"
#include "stats/tableau_stats.h"

namespace vorek {

// The statistics table of a log, TAB-separated or as CSV, then the members and the
// hourly counts of the system clock.
int commande_stats(ContexteCli& contexte) {
    const bool csv = contexte.arguments.contient(QStringLiteral("--csv"));
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    const Statistiques stats =
        calculer_statistiques(contexte.etat, HorlogeSysteme().maintenant_utc());
    const QChar separateur = csv ? QLatin1Char(',') : QLatin1Char('\t');
    QList<QStringList> resume;
    for (const auto& [libelle, valeur] : resume_statistiques(stats)) {
        resume.append({libelle, QString::number(valeur)});
    }
    for (const QString& ligne : lignes_separees(tableau_statistiques(stats), separateur) +
                                    QStringList{QString()} + lignes_separees(resume, separateur)) {
        contexte.sortie << ligne << '\n';
    }
    return 0;
}

} // namespace vorek
