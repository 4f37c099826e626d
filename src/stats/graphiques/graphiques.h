#pragma once

#include <QImage>
#include <QSize>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace vorek {

struct Statistiques;

// QSOs per hour as bars and the score at the end of each hour as a line, over the contest
// period. The caller owns the chart.
QChart* graphique_horaire(const Statistiques& stats);

// The points of each band as bars.
QChart* graphique_bandes(const Statistiques& stats);

// The saved image: the hourly plot above the band plot.
inline constexpr QSize taille_image_graphiques{1200, 900};

// Both plots drawn without a screen (a QApplication must exist, any platform).
QImage image_graphiques(const Statistiques& stats, QSize taille = taille_image_graphiques);

// The image as a PNG file; throws Erreur when it cannot be written.
void enregistrer_png(const Statistiques& stats, const QString& chemin);

} // namespace vorek
