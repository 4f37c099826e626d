#pragma once

#include <QList>
#include <QString>

namespace vorek {

// The text left-aligned in exactly largeur characters: blank-filled or cut.
QString champ_gauche(const QString& texte, int largeur);

// The last four characters right-aligned in four places, then one blank.
QString champ_droite(const QString& texte);

// One column of a fixed-width line.
struct Champ {
    QString texte;
    int largeur = 0;
};

// Every field with champ_gauche, each followed by suffixe.
QString aligner(const QList<Champ>& champs, const QString& suffixe = QString());

} // namespace vorek
