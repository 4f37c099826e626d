#pragma once

#include <QList>
#include <QString>

namespace vorek {

enum class Alignement { gauche, droite };

// One column of a fixed-width line: its text in exactly largeur characters, blank-filled or
// cut (a left-aligned text loses its end, a right-aligned one its beginning), then
// blancs_apres blanks.
struct ColonneFixe {
    QString texte;
    int largeur = 0;
    Alignement alignement = Alignement::gauche;
    int blancs_apres = 0;
};

QString formater(const ColonneFixe& colonne);

// The columns one after the other: every fixed-width line of the reports.
QString formater_ligne(const QList<ColonneFixe>& colonnes);

} // namespace vorek
