#pragma once

#include <QString>

namespace vorek {

// The operator-facing texts of the entry, the commit and the scoring, exactly as shown.
namespace textes {

inline QString remarque_non_membre() {
    return QStringLiteral(" NM car non à jour");
}
inline QString remarque_hors_date() {
    return QStringLiteral(" Hors date pour ");
}
inline QString remarque_meme_jour() {
    return QStringLiteral(" >>>>>>>  Déjà QSO le même jour !  <<<<<<<<");
}
inline QString remarque_meme_bande() {
    return QStringLiteral(" Déjà QSO sur cette bande");
}

// Once per rescoring without the member database.
inline QString base_membres_absente_score() {
    return QStringLiteral("Fichier BD Membres absent : les n° ZTC inscrits dans le journal sont "
                          "conservés et servent au calcul des points.");
}

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
inline QString non_membre() {
    return QStringLiteral("NM");
}
inline QString suffixe_points() {
    return QStringLiteral(" points");
}

} // namespace textes

} // namespace vorek
