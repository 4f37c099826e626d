#include "colonnes_fixes.h"

namespace vorek {

QString formater(const ColonneFixe& colonne) {
    const QString texte =
        colonne.alignement == Alignement::gauche
            ? colonne.texte.leftJustified(colonne.largeur, QLatin1Char(' '), true)
            : colonne.texte.right(colonne.largeur).rightJustified(colonne.largeur);
    return texte + QString(colonne.blancs_apres, QLatin1Char(' '));
}

QString formater_ligne(const QList<ColonneFixe>& colonnes) {
    QString ligne;
    for (const ColonneFixe& colonne : colonnes) {
        ligne += formater(colonne);
    }
    return ligne;
}

} // namespace vorek
