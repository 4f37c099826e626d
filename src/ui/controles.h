#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QPalette>
#include <QString>
#include <QWidget>

namespace vorek {

// A control of the given kind, named as the windows' code and the tests look it up.
template <typename T> T* creer(QWidget* parent, const char* nom) {
    auto* controle = new T(parent);
    controle->setObjectName(QString::fromLatin1(nom));
    return controle;
}

inline void colorer(QWidget* controle, QPalette::ColorRole role, const QColor& couleur) {
    QPalette palette = controle->palette();
    palette.setColor(role, couleur);
    controle->setPalette(palette);
}

// The widest of the texts in the control's font, with the room a label or a cell adds.
inline int largeur_texte(const QWidget* controle, std::initializer_list<QString> textes) {
    int largeur = 0;
    for (const QString& texte : textes) {
        largeur = std::max(largeur, controle->fontMetrics().horizontalAdvance(texte));
    }
    return largeur + 4;
}

// The design's 18-pixel grid rows, more when the grid's font is taller.
inline int hauteur_ligne(const QWidget* grille) {
    return std::max(18, grille->fontMetrics().height() + 4);
}

} // namespace vorek
