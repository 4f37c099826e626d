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

} // namespace vorek
