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

// A log loaded with calls that hold a blank: each row named, the first ten.
inline QString indicatifs_avec_blanc_charges() {
    return QStringLiteral("Un indicatif ne contient jamais de blanc : corrigez dans la grille ");
}
inline QString ligne_indicatif() {
    return QStringLiteral("la ligne %1 (« %2 »)");
}
inline QString autres_lignes() {
    return QStringLiteral("et %1 autres lignes");
}

// The preview of a QSO's points and the marks of the partial check.
inline QString apercu_points(const QString& points) {
    return QStringLiteral("Points : ") + points;
}
inline QString marque_jour() {
    return QStringLiteral("J");
}
inline QString marque_bande() {
    return QStringLiteral("B");
}
inline QString titre_partiels() {
    return QStringLiteral("Membres (Ctrl+1 à 9)   J : ce jour   B : cette bande");
}
inline QString aide_partiels() {
    return QStringLiteral("Clic ou Ctrl+1 à Ctrl+9 : indicatif dans la saisie. "
                          "J : déjà contacté ce jour, B : déjà contacté sur cette bande.");
}

} // namespace textes

} // namespace vorek
