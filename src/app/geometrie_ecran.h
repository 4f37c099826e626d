#pragma once

#include "app/parametres.h"

#include <QList>
#include <QMargins>
#include <QRect>
#include <QSize>

namespace vorek {

// A window as the settings file stores it, brought onto the screens there are now. zones are
// the screens' available areas (without task bars), the primary screen first. The stored
// top-left corner is that of the frame, the stored size that of the inside; cadre is what the
// frame adds around it. minimum is the smallest inside the window's controls need.
//
// The window goes to the screen it overlaps most, or to the primary screen when it overlaps
// none (a screen unplugged since). Its size is kept where it fits and shrunk where it does
// not, never below minimum unless the screen itself is smaller; then it is moved the least
// that puts the whole frame on that screen, its top-left corner first.
Geometrie ajuster_geometrie(const Geometrie& stockee, const QList<QRect>& zones,
                            const QMargins& cadre = {}, const QSize& minimum = {});

// Where a window shown for the first time goes: beside the main window's frame (principale)
// on the main window's screen, to its right when the whole frame fits, else to its left, else
// against the screen's right edge, its top level with the main window's. Against the edge it
// leaves a_laisser_voir (the call field) in sight, narrowed between the field and the edge,
// as long as largeur_minimum fits there. taille is the inside, cadre the frame around it.
// ajuster_geometrie then keeps it inside the screen.
Geometrie a_cote(const QRect& principale, const QSize& taille, const QList<QRect>& zones,
                 const QMargins& cadre = {}, const QRect& a_laisser_voir = {},
                 int largeur_minimum = 0);

} // namespace vorek
