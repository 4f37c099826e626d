#pragma once

#include <QDate>
#include <QImage>
#include <QSize>
#include <QString>

QT_BEGIN_NAMESPACE
class QChart;
QT_END_NAMESPACE

namespace vorek {

struct Statistiques;

// The QSOs as bars and the score as a line: each hour of a day, or without one each day that
// holds QSOs (serie_horaire). The caller owns the chart.
QChart* graphique_horaire(const Statistiques& stats, const QDate& jour = QDate());

// The points of each band as bars.
QChart* graphique_bandes(const Statistiques& stats);

// The saved image: the rate plot (of that day, or of every day) above the band plot.
inline constexpr QSize taille_image_graphiques{1200, 900};

// Both plots drawn without a screen (a QApplication must exist, any platform).
QImage image_graphiques(const Statistiques& stats, const QDate& jour = QDate(),
                        QSize taille = taille_image_graphiques);

// The image as a PNG file; throws Erreur when it cannot be written.
void enregistrer_png(const Statistiques& stats, const QString& chemin, const QDate& jour = QDate());

} // namespace vorek
