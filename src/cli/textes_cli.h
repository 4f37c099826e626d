#pragma once

#include <QString>

namespace vorek {

// The command-line tool's own words, as printed.
namespace textes_cli {

inline QString usage() {
    return QStringLiteral("usage : vorek");
}
// %1 the option as typed.
inline QString option_inconnue() {
    return QStringLiteral("option inconnue : %1");
}
inline QString option_repetee() {
    return QStringLiteral("option donnée deux fois : %1");
}
inline QString valeur_manquante() {
    return QStringLiteral("valeur manquante pour %1");
}
// %1 the option, %2 its value.
inline QString valeur_incorrecte() {
    return QStringLiteral("valeur incorrecte pour %1 : %2");
}
inline QString option_manquante() {
    return QStringLiteral("option manquante : %1");
}
// %1 the options, comma-separated.
inline QString options_incompatibles() {
    return QStringLiteral("options incompatibles : %1");
}
inline QString options_ensemble() {
    return QStringLiteral("options à donner ensemble : %1");
}
// %1 the argument's name in the usage.
inline QString argument_manquant() {
    return QStringLiteral("argument manquant : %1");
}
// %1 the argument as typed.
inline QString argument_en_trop() {
    return QStringLiteral("argument en trop : %1");
}
inline QString commande_inconnue() {
    return QStringLiteral("commande inconnue : %1");
}
inline QString date_incorrecte() {
    return QStringLiteral("date incorrecte : %1");
}
inline QString indicatif_vide() {
    return QStringLiteral("indicatif vide");
}
inline QString bande_inconnue() {
    return QStringLiteral("bande inconnue : %1");
}
inline QString moment_incorrect() {
    return QStringLiteral("moment incorrect : %1");
}
inline QString modele_incorrect() {
    return QStringLiteral("modèle incorrect : %1");
}
// %1 and %2 the bounds, %3 the speed as typed.
inline QString vitesse_cw_incorrecte() {
    return QStringLiteral("vitesse CW incorrecte (de %1 à %2 mots/min) : %3");
}
inline QString heure_incorrecte() {
    return QStringLiteral("heure incorrecte : %1");
}
inline QString arguments() {
    return QStringLiteral("arguments :");
}
inline QString options() {
    return QStringLiteral("options :");
}
inline QString commandes() {
    return QStringLiteral("commandes :");
}
inline QString aide_commande() {
    return QStringLiteral("vorek COMMANDE --aide : l'aide d'une commande.");
}
// %1 the file's path.
inline QString fichier_journal() {
    return QStringLiteral("Journal de diagnostic : %1 (les deux précédents à côté)");
}

} // namespace textes_cli

} // namespace vorek
