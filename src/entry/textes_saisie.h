#pragma once

#include <QString>

namespace vorek {

// The operator-facing texts of the entry and the commit, exactly as shown. The scoring's
// remarks and the member number of a non-member are the rules' (rules/textes_regles.h).
namespace textes {

inline QString saisie_insuffisante() {
    return QStringLiteral("  Saisie insuffisante pour être enregistrée  ");
}
inline QString report_envoye_incorrect() {
    return QStringLiteral("  Le report envoyé ne correspond pas à un QSO CW   ");
}
inline QString report_recu_incorrect() {
    return QStringLiteral("  Le report reçu ne correspond pas à un QSO CW   ");
}

inline QString modifier_date() {
    return QStringLiteral(" Pour modifier la date, vous devez passer en temps différé");
}
inline QString modifier_heure() {
    return QStringLiteral(" Pour modifier l'heure, vous devez passer en temps différé");
}

inline QString temps_reel() {
    return QStringLiteral("Temps réel");
}
inline QString temps_differe() {
    return QStringLiteral("Temps différé");
}
inline QString report_defaut() {
    return QStringLiteral("599");
}
inline QString suffixe_points() {
    return QStringLiteral(" points");
}

} // namespace textes

} // namespace vorek
