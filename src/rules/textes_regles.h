#pragma once

#include <QString>

namespace vorek {

// The texts the contest's rules write into the log or give the operator, exactly as shown.
namespace textes {

// The remarks a rescoring puts after the operator's note of a row with no points.
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

// The member number of a non-member.
inline QString non_membre() {
    return QStringLiteral("NM");
}

// Once per rescoring without the member database.
inline QString base_membres_absente_score() {
    return QStringLiteral("Fichier BD Membres absent : les n° ZTC inscrits dans le journal sont "
                          "conservés et servent au calcul des points.");
}

// A call refused because it holds a blank; the row prefix names the log row.
inline QString indicatif_avec_blanc() {
    return QStringLiteral("L'indicatif « %1 » contient un blanc : un indicatif n'en contient "
                          "jamais (le report se tape dans son propre champ). Rien n'a été "
                          "enregistré.");
}
inline QString ligne_du_journal() {
    return QStringLiteral("Ligne %1 du journal : ");
}

} // namespace textes

} // namespace vorek
