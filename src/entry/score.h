#pragma once

#include <QString>

namespace vorek {

class Etat;
struct Referentiel;

struct ResultatScore {
    int score_total = 0;
    // The member database was missing: the caller shows its message once.
    bool base_membres_absente = false;
};

// Rescores every row that has a call: column 6 from the member database, column 7 the
// points, column 9 the remark; sets etat.score_total. bande_selectionnee is the entry's
// band (empty without an entry window), annee_courante the clock's year for the remark.
// Throws Erreur with the conversion text when a date cannot be read; rows above keep
// their new values.
ResultatScore calculer_score(Etat& etat, const Referentiel& referentiel,
                             const QString& bande_selectionnee, const QString& annee_courante);

// The same, filling resultat as it goes: when a date stops the recomputation the caller
// still knows whether the member database was missing.
void calculer_score(Etat& etat, const Referentiel& referentiel, const QString& bande_selectionnee,
                    const QString& annee_courante, ResultatScore& resultat);

// Points of a QSO that passed every rule, before the club-station bonus.
int points_bande(const QString& bande, bool meme_continent);

} // namespace vorek
