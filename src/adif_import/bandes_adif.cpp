#include "bandes_adif.h"

#include "rules/bandes.h"

namespace vorek {

QString bande_de_mhz(int mhz) {
    for (const std::span<const Bande> liste : {table_bandes(), bandes_hors_liste()}) {
        for (const Bande& b : liste) {
            if (mhz >= b.adif_debut_mhz && mhz < b.adif_fin_mhz) {
                return QString::fromLatin1(b.texte);
            }
        }
    }
    return QStringLiteral("???");
}

} // namespace vorek
