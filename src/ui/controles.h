#pragma once

#include <QColor>
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

} // namespace vorek
