#pragma once

#include <QDate>
#include <QDateTime>
#include <QList>
#include <QStringList>

namespace vorek {

class Etat;

struct Compte {
    int qso = 0;
    int points = 0;
    bool operator==(const Compte&) const = default;
};

struct JourStats {
    // Invalid for the rows whose date does not read.
    QDate jour;
    // In the order of Statistiques::bandes.
    QList<Compte> par_bande;
    Compte total;
    // Distinct members worked that day, and those worked for the first time.
    int membres = 0;
    int nouveaux_membres = 0;
};

// Where the score comes from: QSOs and points per day and band, the members, the rate.
// Every row with a call counts, with the points of its last rescoring.
struct Statistiques {
    // The bands of the log: those of the band list in its order, then any other text.
    QStringList bandes;
    // In date order, the unreadable dates last.
    QList<JourStats> jours;
    QList<Compte> total_par_bande;
    Compte total;
    int membres = 0;
    // QSOs logged in the clock's current hour and in the hour before it (log times are UTC).
    int qso_heure_courante = 0;
    int qso_heure_precedente = 0;
    // Hour by hour over the contest period, from its first hour: the QSOs of the hour and
    // the score at its end.
    QDateTime debut_heures;
    QList<int> qso_par_heure;
    QList<int> score_cumule;
};

Statistiques calculer_statistiques(const Etat& etat, const QDateTime& maintenant_utc);

} // namespace vorek
