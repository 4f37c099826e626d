#include "champs.h"

namespace vorek {

QString champ_gauche(const QString& texte, int largeur) {
    return texte.leftJustified(largeur, QLatin1Char(' '), true);
}

QString champ_droite(const QString& texte) {
    return texte.right(4).rightJustified(4, QLatin1Char(' ')) + QLatin1Char(' ');
}

QString aligner(const QList<Champ>& champs, const QString& suffixe) {
    QString ligne;
    for (const Champ& champ : champs) {
        ligne += champ_gauche(champ.texte, champ.largeur) + suffixe;
    }
    return ligne;
}

} // namespace vorek
