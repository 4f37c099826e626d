#include "tableau_stats.h"

#include "statistiques.h"
#include "textes_stats.h"

#include "base/dates.h"

namespace vorek {

namespace {

void ajouter_comptes(QStringList& rangee, const QList<Compte>& par_bande, const Compte& total) {
    for (const Compte& c : par_bande) {
        rangee << QString::number(c.qso) << QString::number(c.points);
    }
    rangee << QString::number(total.qso) << QString::number(total.points);
}

QString cellule_csv(const QString& texte) {
    if (!texte.contains(QLatin1Char(',')) && !texte.contains(QLatin1Char('"')) &&
        !texte.contains(QLatin1Char('\n')) && !texte.contains(QLatin1Char('\r'))) {
        return texte;
    }
    QString double_guillemets = texte;
    double_guillemets.replace(QLatin1Char('"'), QStringLiteral("\"\""));
    return QLatin1Char('"') + double_guillemets + QLatin1Char('"');
}

} // namespace

QList<QStringList> tableau_statistiques(const Statistiques& stats) {
    QStringList titre{textes_stats::jour()};
    for (const QString& bande : stats.bandes) {
        const QString nom = bande.isEmpty() ? textes_stats::sans_bande() : bande;
        titre << textes_stats::colonne_qso(nom) << textes_stats::colonne_points(nom);
    }
    titre << textes_stats::colonne_qso(textes_stats::total())
          << textes_stats::colonne_points(textes_stats::total()) << textes_stats::membres()
          << textes_stats::nouveaux_membres();
    QList<QStringList> tableau{titre};
    for (const JourStats& j : stats.jours) {
        QStringList rangee{j.jour.isValid() ? texte_date(vers_jours(j.jour))
                                            : textes_stats::date_illisible()};
        ajouter_comptes(rangee, j.par_bande, j.total);
        rangee << QString::number(j.membres) << QString::number(j.nouveaux_membres);
        tableau.append(rangee);
    }
    QStringList total{textes_stats::total()};
    ajouter_comptes(total, stats.total_par_bande, stats.total);
    // Every member is new once: both totals are the members worked.
    total << QString::number(stats.membres) << QString::number(stats.membres);
    tableau.append(total);
    return tableau;
}

QList<QPair<QString, int>> resume_statistiques(const Statistiques& stats) {
    return {{textes_stats::membres_contactes(), stats.membres},
            {textes_stats::qso_heure_courante(), stats.qso_heure_courante},
            {textes_stats::qso_heure_precedente(), stats.qso_heure_precedente}};
}

QStringList lignes_separees(const QList<QStringList>& rangees, QChar separateur) {
    QStringList lignes;
    for (const QStringList& rangee : rangees) {
        if (separateur != QLatin1Char(',')) {
            lignes.append(rangee.join(separateur));
            continue;
        }
        QStringList cellules;
        for (const QString& cellule : rangee) {
            cellules.append(cellule_csv(cellule));
        }
        lignes.append(cellules.join(separateur));
    }
    return lignes;
}

} // namespace vorek
