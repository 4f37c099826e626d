#pragma once

#include <QPixmap>

namespace vorek {

// The club logo (89 x 89) and the station window's banner (297 x 49), drawn by the program.
QPixmap logo_club();
QPixmap banniere();

} // namespace vorek
