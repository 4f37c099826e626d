#pragma once

#include <QString>

// What the reference files tell the operator.
namespace vorek {

inline const char* const message_base_membres_absente =
    "          Fichier BD Membres absent        ";

inline const char* const message_liste_dxcc_absente =
    "Fichier DXCC.CSV absent : les pays et les continents des indicatifs ne seront pas "
    "reconnus.";

namespace textes_refdata {

// Why a country file gives no DXCC list; completes "… est refusé : ".
inline QString pays_sans_entite() {
    return QStringLiteral("aucune entité DXCC n'y a été trouvée");
}
inline QString champ_trop_long(qsizetype ligne, qsizetype longueur_max) {
    return QStringLiteral("l'entité qui finit à la ligne %1 a un champ de plus de %2 caractères")
        .arg(ligne)
        .arg(longueur_max);
}

inline QString pays_refuse(const QString& fichier, const QString& raison) {
    return QStringLiteral("Le fichier des pays %1 est refusé : %2.").arg(fichier, raison);
}
inline QString liste_dxcc_conservee() {
    return QStringLiteral("\rLa liste DXCC actuelle est conservée.");
}
inline QString fichier_pays_livre_utilise() {
    return QStringLiteral("\rLe fichier des pays livré avec le programme est utilisé à sa place.");
}

// Why a file is not a member database; completes "le fichier … ".
inline QString base_sans_membre() {
    return QStringLiteral("ne contient aucun membre");
}
inline QString pas_une_base_membres() {
    return QStringLiteral("n'est pas une base de données des membres");
}

} // namespace textes_refdata

} // namespace vorek
