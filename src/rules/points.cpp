#include "points.h"

#include "bandes.h"

namespace vorek {

int points_bande(const QString& bande, bool meme_continent) {
    for (const std::span<const Bande> liste : {table_bandes(), bandes_hors_liste()}) {
        for (const Bande& b : liste) {
            if (bande == QLatin1String(b.texte)) {
                return meme_continent ? b.points_meme_continent : b.points_autre_continent;
            }
        }
    }
    return 0;
}

QString indicatif_station_club() {
    return QStringLiteral("F8ZTC");
}

} // namespace vorek
