#pragma once

#include <QString>

namespace vorek {

// The operator-facing texts of the cluster and the band map, exactly as shown.
namespace textes_cluster {

inline QString non_connecte() {
    return QStringLiteral("Cluster non connecté");
}
// %1 host:port.
inline QString connexion_en_cours() {
    return QStringLiteral("Connexion au cluster %1...");
}
// %1 host:port.
inline QString connecte() {
    return QStringLiteral("Cluster connecté : %1");
}
// %1 the cause, %2 host:port, %3 seconds before the next attempt.
inline QString perdu() {
    return QStringLiteral("Cluster non connecté : %1 (%2), nouvel essai dans %3 s");
}
// %1 host:port, %2 the cause.
inline QString connexion_impossible() {
    return QStringLiteral("Impossible de se connecter au cluster %1 : %2");
}
inline QString hote_introuvable() {
    return QStringLiteral("hôte introuvable");
}
inline QString connexion_refusee() {
    return QStringLiteral("connexion refusée");
}
inline QString connexion_fermee() {
    return QStringLiteral("connexion fermée par le cluster");
}
inline QString delai_depasse() {
    return QStringLiteral("pas de réponse dans le délai");
}
inline QString reseau_injoignable() {
    return QStringLiteral("réseau injoignable");
}
inline QString erreur_reseau() {
    return QStringLiteral("erreur du réseau");
}
// %1 what was given.
inline QString adresse_incorrecte() {
    return QStringLiteral("Adresse du cluster incorrecte : %1 (HOTE:PORT attendu)");
}
inline QString indicatif_manquant() {
    return QStringLiteral("Indicatif de connexion manquant");
}
inline QString pas_de_cluster() {
    return QStringLiteral("Pas de cluster : son adresse se règle dans \"Radio et manipulateur\"");
}

// The band map.
inline QString titre_carte() {
    return QStringLiteral("Carte des bandes");
}
inline QString minutes() {
    return QStringLiteral("%1 min");
}
inline QString non_membre() {
    return QStringLiteral("non membre");
}

} // namespace textes_cluster

} // namespace vorek
