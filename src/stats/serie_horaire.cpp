#include "serie_horaire.h"

#include "statistiques.h"

#include <algorithm>

namespace vorek {

namespace {

constexpr int heures_par_jour = 24;

// The hours are counted from the period's first one; plain arithmetic, free of time zones.
QDate jour_de_l_heure(const Statistiques& stats, qsizetype heure) {
    return stats.debut_heures.date().addDays((stats.debut_heures.time().hour() + heure) /
                                             heures_par_jour);
}

qsizetype heure_du_jour(const Statistiques& stats, const QDate& jour, int h) {
    return stats.debut_heures.date().daysTo(jour) * heures_par_jour + h -
           stats.debut_heures.time().hour();
}

// The score at the end of an hour, outside the period as it stands on its nearest side.
int score_a(const Statistiques& stats, qsizetype heure) {
    if (heure < 0 || stats.score_cumule.isEmpty()) {
        return 0;
    }
    return stats.score_cumule[std::min(heure, stats.score_cumule.size() - 1)];
}

SerieHoraire serie_du_jour(const Statistiques& stats, const QDate& jour) {
    SerieHoraire serie;
    for (int h = 0; h < heures_par_jour; ++h) {
        const qsizetype heure = heure_du_jour(stats, jour, h);
        const bool dans_la_periode = heure >= 0 && heure < stats.qso_par_heure.size();
        serie.categories.append(QString::number(h));
        serie.qso.append(dans_la_periode ? stats.qso_par_heure[heure] : 0);
        serie.score.append(score_a(stats, heure));
    }
    return serie;
}

SerieHoraire serie_par_jour(const Statistiques& stats) {
    SerieHoraire serie;
    QDate precedent;
    for (qsizetype heure = 0; heure < stats.qso_par_heure.size(); ++heure) {
        if (stats.qso_par_heure[heure] == 0) {
            continue;
        }
        const QDate jour = jour_de_l_heure(stats, heure);
        if (jour != precedent) {
            precedent = jour;
            serie.categories.append(jour.toString(QStringLiteral("dd/MM")));
            serie.qso.append(0);
            serie.score.append(0);
        }
        serie.qso.last() += stats.qso_par_heure[heure];
        // Only hours with QSOs add points: the day's last one gives its score.
        serie.score.last() = stats.score_cumule[heure];
    }
    return serie;
}

} // namespace

QList<QDate> jours_avec_qso(const Statistiques& stats) {
    QList<QDate> jours;
    for (qsizetype heure = 0; heure < stats.qso_par_heure.size(); ++heure) {
        const QDate jour = jour_de_l_heure(stats, heure);
        if (stats.qso_par_heure[heure] > 0 && (jours.isEmpty() || jours.last() != jour)) {
            jours.append(jour);
        }
    }
    return jours;
}

SerieHoraire serie_horaire(const Statistiques& stats, const QDate& jour) {
    return jour.isValid() ? serie_du_jour(stats, jour) : serie_par_jour(stats);
}

} // namespace vorek
