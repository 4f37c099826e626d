#include "comptes_import.h"

#include "textes_import.h"

#include <array>

namespace vorek {

QString texte_comptes_import(const LectureAdif& lecture, FormeComptes forme) {
    const std::array<std::pair<const char*, qsizetype>, 7> comptes{{
        {"qso_importes", lecture.nb_pris},
        {"enregistrements_ecartes", lecture.ecartes.size()},
        {"non_cw", lecture.nb_ecartes(RaisonEcart::mode_non_cw)},
        {"non_membres", lecture.nb_ecartes(RaisonEcart::non_membre)},
        {"sans_indicatif", lecture.nb_ecartes(RaisonEcart::sans_indicatif)},
        {"date_heure_illisible", lecture.nb_ecartes(RaisonEcart::date_heure_illisible)},
        {"inacheves", lecture.nb_ecartes(RaisonEcart::inacheve)},
    }};
    const QStringList libelles = textes_import::libelles_comptes();
    QStringList lignes;
    for (size_t i = 0; i < comptes.size(); ++i) {
        const auto& [cle, nombre] = comptes[i];
        lignes.append(forme == FormeComptes::cles
                          ? QLatin1String(cle) + QLatin1Char('=') + QString::number(nombre)
                          : libelles.value(qsizetype(i)) + QStringLiteral(" : ") +
                                QString::number(nombre));
    }
    return lignes.join(QLatin1Char('\n'));
}

} // namespace vorek
