#pragma once

// The scoring read literally: every rule scans the rows above, every look-up reads the
// reference files again from the top. Slow on purpose; the fast scoring must equal it.
// Without the member database every row stands for its own column 6.

#include <QString>

namespace vorek {
class Etat;
}

namespace litteral {

// Rows and score as the literal reading leaves them; throws vorek::Erreur like the
// program.
void calculer_score(vorek::Etat& etat, const QString& chemin_dxcc, const QString& chemin_base,
                    const QString& bande_selectionnee, const QString& annee_courante);

// One row alone, read the same way against the points the rows above hold: its columns 6
// and 9 rewritten, its points returned.
QString points_ligne(vorek::Etat& etat, const QString& chemin_dxcc, const QString& chemin_base,
                     const QString& bande_selectionnee, const QString& annee_courante, int ligne);

} // namespace litteral
