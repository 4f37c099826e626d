#pragma once

#include <QString>

namespace vorek {

// The operator-facing texts of the radio and the keyer, exactly as shown.
namespace textes_rig {

inline QString radio_non_connectee() {
    return QStringLiteral("Radio non connectée");
}
inline QString pas_de_radio() {
    return QStringLiteral("Pas de radio");
}
// %1 the model number.
inline QString modele_inconnu() {
    return QStringLiteral("Modèle de radio inconnu de Hamlib : %1");
}
// %1 the model, %2 where it is plugged in, %3 the cause.
inline QString ouverture_impossible() {
    return QStringLiteral("Impossible d'ouvrir la radio %1 sur %2 : %3");
}
inline QString port_par_defaut() {
    return QStringLiteral("le port par défaut");
}
// %1 the cause.
inline QString lecture_impossible() {
    return QStringLiteral("La radio ne répond plus : %1");
}
inline QString radio_fermee() {
    return QStringLiteral("la liaison avec la radio n'est pas ouverte");
}
// %1 Hamlib's error number, for a code this program has no words for.
inline QString erreur_hamlib() {
    return QStringLiteral("erreur %1 de Hamlib");
}
inline QString frequence_illisible() {
    return QStringLiteral("fréquence illisible");
}
// %1 the cause, %2 the value the rig gave.
inline QString lecture_refusee() {
    return QStringLiteral("Lecture de la radio refusée : %1 (%2 Hz)");
}

inline QString manipulateur_non_verifie() {
    return QStringLiteral("non vérifié");
}
inline QString manipulateur_verifie() {
    return QStringLiteral("vérifié");
}
// %1 the host name, %2 the reason.
inline QString cwdaemon_introuvable() {
    return QStringLiteral("Manipulateur cwdaemon introuvable (%1) : %2");
}
// %1 the host, %2 the port.
inline QString cwdaemon_muet() {
    return QStringLiteral("cwdaemon (%1:%2) n'a pas répondu : rien ne montre que le message a "
                          "été envoyé (manipulateur non vérifié)");
}
// Why a name or a datagram did not go through, in words of our own (the system's text goes to
// the diagnostic log).
inline QString nom_inconnu() {
    return QStringLiteral("nom d'hôte inconnu");
}
inline QString recherche_nom_impossible() {
    return QStringLiteral("recherche du nom impossible");
}
inline QString reseau_injoignable() {
    return QStringLiteral("réseau injoignable");
}
inline QString acces_reseau_refuse() {
    return QStringLiteral("accès au réseau refusé par le système");
}
inline QString message_trop_long() {
    return QStringLiteral("message trop long pour le réseau");
}
inline QString erreur_reseau() {
    return QStringLiteral("erreur réseau");
}
// %1 the cause.
inline QString envoi_cw_impossible() {
    return QStringLiteral("Envoi CW impossible : %1");
}
// %1 the cause.
inline QString arret_cw_impossible() {
    return QStringLiteral("Arrêt CW impossible : %1");
}
// %1 the cause.
inline QString vitesse_cw_impossible() {
    return QStringLiteral("Vitesse CW non réglée : %1");
}
// %1 the frequency, %2 the cause.
inline QString frequence_impossible() {
    return QStringLiteral("Fréquence %1 non réglée : %2");
}
// %1 the name of the empty field.
inline QString champ_vide() {
    return QStringLiteral("Message non envoyé : le champ « %1 » est vide");
}
// %1 the macro as written.
inline QString macro_inconnue() {
    return QStringLiteral("Message non envoyé : macro inconnue %1");
}
inline QString champ_moi() {
    return QStringLiteral("Indicatif de la station");
}
inline QString champ_ind() {
    return QStringLiteral("Indicatif");
}
inline QString champ_num() {
    return QStringLiteral("N° ZTC de la station");
}
inline QString champ_rst() {
    return QStringLiteral("RST Env");
}

// %1 the speed as typed.
inline QString vitesse_bauds_incorrecte() {
    return QStringLiteral(
        "Vitesse de la radio incorrecte : « %1 » (un nombre de bauds est attendu)");
}
// %1 the address as typed.
inline QString adresse_radio_incorrecte() {
    return QStringLiteral("Adresse de la radio incorrecte : « %1 » (hôte:port attendu)");
}
// %1 the keyer's name, %2 the address as typed.
inline QString adresse_manipulateur_incorrecte() {
    return QStringLiteral("Adresse de %1 incorrecte : « %2 » (hôte:port attendu)");
}
// %1 the keyer's word.
inline QString manipulateur_sans_radio() {
    return QStringLiteral("Le manipulateur « %1 » demande une radio : choisissez son modèle");
}
inline QString aucun_manipulateur() {
    return QStringLiteral("Aucun manipulateur n'est réglé");
}
inline QString rien_a_envoyer() {
    return QStringLiteral("Message non envoyé : rien à envoyer");
}

// %1 the message as the keyer sends it.
inline QString envoi_en_cours() {
    return QStringLiteral("CW : %1");
}
// %1 where the keyer is, %2 its state, %3 the speed.
inline QString etat_manipulateur() {
    return QStringLiteral("Manipulateur %1 (%2), %3 mots/min");
}
inline QString nom_cwdaemon() {
    return QStringLiteral("cwdaemon");
}
inline QString nom_manipulateur_radio() {
    return QStringLiteral("de la radio");
}
// The settings window's choices.
inline QString libelle_aucun() {
    return QStringLiteral("Aucun");
}
inline QString libelle_radio() {
    return QStringLiteral("La radio");
}

} // namespace textes_rig

} // namespace vorek
