#include "score_station.h"

#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/bandes.h"
#include "rules/score.h"

namespace vorek {

ScoreStation scorer_station(const CompteRendu& compte_rendu, const ConditionsCorrection& conditions,
                            const std::function<bool(size_t)>& garder) {
    // The cells share the dictionary's texts: a row costs its list, not ten strings.
    static const QString rst = QStringLiteral("599");
    QStringList bandes;
    for (const Bande& b : table_bandes()) {
        bandes.append(QString::fromLatin1(b.texte));
    }
    const Dictionnaire& d = conditions.dictionnaire;
    QList<QStringList> lignes;
    lignes.reserve(qsizetype(compte_rendu.qsos.size()));
    for (size_t i = 0; i < compte_rendu.qsos.size(); ++i) {
        if (garder && !garder(i)) {
            continue;
        }
        const QsoCabrillo& q = compte_rendu.qsos[i];
        lignes.append({d.texte(q.date), d.texte(q.heure), d.texte(q.indicatif), bandes[q.bande],
                       rst, rst, d.texte(q.recu), QString(), QString(), QString()});
    }
    Etat etat;
    etat.station.station_call = compte_rendu.indicatif;
    etat.station.station_continent =
        conditions.referentiel.pays.trouver_pays(compte_rendu.indicatif).dxcc_continent;
    etat.debut_concours = conditions.periode.debut_concours;
    etat.fin_concours = conditions.periode.fin_concours;
    etat.table.remplacer_lignes(lignes);
    calculer_score(etat, conditions.referentiel, QString(), conditions.annee);
    return {int(lignes.size()), etat.score_total};
}

} // namespace vorek
