#pragma once

#include <QColor>
#include <QFontMetrics>
#include <QHeaderView>
#include <QPalette>
#include <QString>
#include <QTableView>
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

// The wider of a grid column's header and its usual content, in the grid's fonts, with the
// room a header section and a cell add around their texts.
inline int largeur_au_contenu(const QTableView* vue, const QString& entete, const char* contenu) {
    constexpr int marge_entete = 14;
    constexpr int marge_cellule = 8;
    return std::max(vue->horizontalHeader()->fontMetrics().horizontalAdvance(entete) + marge_entete,
                    vue->fontMetrics().horizontalAdvance(QString::fromUtf8(contenu)) +
                        marge_cellule);
}

// The design's 18-pixel grid rows, more when the grid's font is taller.
inline int hauteur_ligne(const QWidget* grille) {
    return std::max(18, grille->fontMetrics().height() + 4);
}

} // namespace vorek
