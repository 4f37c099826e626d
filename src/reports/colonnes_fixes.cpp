#include "colonnes_fixes.h"

namespace vorek {

namespace {

void blancs(QString& ligne, qsizetype n) {
    ligne.resize(ligne.size() + n, QLatin1Char(' '));
}

// Appends the column to ligne, without a text of its own for it.
void ajouter(QString& ligne, const ColonneFixe& colonne) {
    const qsizetype largeur = std::max(colonne.largeur, 0);
    const qsizetype taille = colonne.texte.size();
    const qsizetype gardes = std::min(taille, largeur);
    if (colonne.alignement == Alignement::gauche) {
        ligne.append(QStringView(colonne.texte).first(gardes));
        blancs(ligne, largeur - gardes);
    } else {
        blancs(ligne, largeur - gardes);
        ligne.append(QStringView(colonne.texte).last(gardes));
    }
    blancs(ligne, std::max(colonne.blancs_apres, 0));
}

} // namespace

QString formater(const ColonneFixe& colonne) {
    QString texte;
    ajouter(texte, colonne);
    return texte;
}

QString formater_ligne(const QList<ColonneFixe>& colonnes) {
    qsizetype longueur = 0;
    for (const ColonneFixe& colonne : colonnes) {
        longueur += std::max(colonne.largeur, 0) + std::max(colonne.blancs_apres, 0);
    }
    QString ligne;
    ligne.reserve(longueur);
    for (const ColonneFixe& colonne : colonnes) {
        ajouter(ligne, colonne);
    }
    return ligne;
}

} // namespace vorek
