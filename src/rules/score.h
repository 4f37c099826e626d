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
// points, column 9 the operator's note followed by the remark; sets etat.score_total.
// Without the member database column 6 stays as it stands and the rows score from it.
// bande_selectionnee is the entry's band (empty without an entry window), annee_courante
// the clock's year for the remark. Throws Erreur with the conversion text when a date
// cannot be read; rows above keep their new values.
ResultatScore calculer_score(Etat& etat, const Referentiel& referentiel,
                             const QString& bande_selectionnee, const QString& annee_courante);

// The same, filling resultat as it goes: when a date stops the recomputation the caller
// still knows whether the member database was missing.
void calculer_score(Etat& etat, const Referentiel& referentiel, const QString& bande_selectionnee,
                    const QString& annee_courante, ResultatScore& resultat);

// A row's own member number: column 6 without its "*" marks, trimmed. It stands in for
// the member database's answer when the database is missing.
QString numero_de_la_ligne(const QString& cellule_ztc);

// The operator's note of a notes cell: the cell without the remark a rescoring put at its
// end. A cell holding only a remark (with or without its leading blank) has no note.
QString note_operateur(const QString& cellule_notes);

} // namespace vorek
