#pragma once

#include <QString>

// Every operator-facing text of the report e-mail, blanks included (UTF-8).

namespace vorek::textes_mail {

inline QString texte(const char* utf8) {
    return QString::fromUtf8(utf8);
}

inline const char* const prefixe_objet = "CHALLENGE_VOREK_";
inline const char* const corps_ligne1 = " Fichiers compte rendu du Challenge VOREK     ";
inline const char* const corps_ligne2 = "73 de ";
inline const char* const marge_piece_jointe = "        ";

inline const char* const destinataire_invalide =
    "    L'adresse du destinataire (le correcteur) ne semble pas valide, corrigez";
inline const char* const erreur_adresse = "Erreur d'adresse email";
inline const char* const envoi_reussi =
    "         Vos fichiers compte rendus ont été envoyés au  correcteur";
inline const char* const envoi_echoue = "         L'envoi n'a pas pu se faire           ";

// Refusals before any connection.
inline const char* const serveur_absent = "Aucun serveur SMTP n'est indiqué.";
inline const char* const serveur_incorrect = "Le nom du serveur SMTP « %1 » est incorrect.";
inline const char* const port_incorrect =
    "Le port du serveur SMTP doit être un nombre décimal entre 1 et 65535 (« %1 »).";
inline const char* const adresse_refusee =
    "L'adresse %1 « %2 » n'est pas une adresse e-mail utilisable : l'envoi est refusé.";
inline const char* const role_expediteur = "de l'expéditeur";
inline const char* const role_destinataire = "du destinataire";
inline const char* const role_copie = "de copie";
inline const char* const utilisateur_incorrect =
    "Le nom d'utilisateur SMTP contient un caractère de contrôle : l'envoi est refusé.";
inline const char* const mot_de_passe_incorrect =
    "Le mot de passe SMTP contient un caractère de contrôle : l'envoi est refusé.";

// Failures of the exchange; the server's own reply follows when there is one.
inline const char* const connexion_impossible = "Connexion impossible au serveur SMTP %1:%2 : %3";
inline const char* const serveur_introuvable = "Serveur SMTP introuvable : %1";
inline const char* const serveur_muet = "Le serveur SMTP %1:%2 ne répond pas (délai dépassé)";
inline const char* const certificat_refuse = "Le certificat du serveur SMTP est refusé : %1";
inline const char* const tls_echoue = "La connexion chiffrée avec le serveur SMTP a échoué";
inline const char* const tls_absent =
    "Le serveur SMTP ne propose pas de connexion chiffrée (STARTTLS)";
inline const char* const identification_refusee =
    "Identification refusée par le serveur SMTP : nom d'utilisateur ou mot de passe refusé";
inline const char* const refus_serveur = "Le serveur SMTP a refusé l'envoi";
inline const char* const envoi_interrompu = "Envoi interrompu";
inline const char* const echec_smtp = "Échec de l'envoi SMTP : %1";
inline const char* const reponse_serveur = "Réponse du serveur : %1";
inline const char* const lecture_piece_jointe = "Lecture de la pièce jointe %1 : %2";

// libcurl's failures, in our own words (its English texts never reach the operator).
namespace causes {
inline const char* const protocole = "protocole non pris en charge";
inline const char* const adresse = "adresse du serveur incorrecte";
inline const char* const mandataire_introuvable = "serveur mandataire (proxy) introuvable";
inline const char* const mandataire = "erreur du serveur mandataire (proxy)";
inline const char* const nom_introuvable =
    "nom du serveur introuvable (vérifiez le nom et l'accès à Internet)";
inline const char* const connexion_refusee = "le serveur refuse la connexion sur ce port";
inline const char* const reseau_inaccessible = "réseau inaccessible (vérifiez l'accès à Internet)";
inline const char* const hote_inaccessible = "serveur inaccessible";
inline const char* const connexion_sans_reponse = "le serveur ne répond pas à la connexion";
inline const char* const connexion = "connexion impossible";
inline const char* const reponse_incomprise = "réponse du serveur incompréhensible";
inline const char* const acces_refuse = "accès refusé par le serveur";
inline const char* const erreur_http = "le serveur a répondu par une erreur";
inline const char* const ecriture = "écriture des données reçues impossible";
inline const char* const envoi_refuse = "le serveur a refusé les données envoyées";
inline const char* const lecture = "lecture des données à envoyer impossible";
inline const char* const memoire = "mémoire insuffisante";
inline const char* const delai = "délai dépassé : le serveur ne répond pas";
inline const char* const incomplet = "transfert incomplet";
inline const char* const tls = "la négociation de la connexion chiffrée (TLS) a échoué";
inline const char* const interrompu = "interrompu";
inline const char* const redirections = "trop de redirections";
inline const char* const rien_recu = "le serveur n'a rien répondu";
inline const char* const coupure_envoi = "la connexion a été coupée pendant l'envoi";
inline const char* const coupure_reception = "la connexion a été coupée pendant la réception";
inline const char* const chiffrement = "aucun chiffrement commun avec le serveur";
inline const char* const contenu = "contenu compressé illisible";
inline const char* const trop_gros = "fichier trop gros";
inline const char* const tls_absent = "le serveur ne propose pas de connexion chiffrée";
inline const char* const identification = "nom d'utilisateur ou mot de passe refusé";
inline const char* const autorites = "fichier des autorités de certification illisible";
inline const char* const methode = "aucune méthode d'identification commune avec le serveur";
inline const char* const initialisation = "bibliothèque réseau inutilisable";
inline const char* const inconnue = "erreur réseau (code libcurl %1)";
// The certificate check.
inline const char* const certificat = "certificat du serveur non reconnu";
inline const char* const auto_signe = "certificat auto-signé";
inline const char* const chaine_auto_signee = "chaîne de certificats auto-signée";
inline const char* const autorite_inconnue = "certificat signé par une autorité inconnue";
inline const char* const signature = "signature du certificat invérifiable";
inline const char* const expire = "certificat expiré";
inline const char* const pas_encore_valide = "certificat pas encore valide";
inline const char* const autre_nom = "le certificat est celui d'un autre nom de serveur";
} // namespace causes
inline const char* const detail = "Détail : %1";

// The e-mail window beyond the plain exchange.
inline const char* const titre_fenetre = "Envoi du Compte Rendu";
inline const char* const ligne_titre = "ENVOI DU COMPTE RENDU";
inline const char* const libelle_serveur = "Serveur";
inline const char* const libelle_securite = "Sécurité";
inline const char* const libelle_utilisateur = "Utilisateur";
inline const char* const libelle_mot_de_passe = "Mot de passe";
inline const char* const bulle_utilisateur =
    "Utilisateur|Nom d'utilisateur du serveur SMTP ; vide : pas d'identification";
inline const char* const bulle_mot_de_passe =
    "Mot de passe|Pour cet envoi seulement : il n'est jamais enregistré";
inline const char* const verifier_certificat = "Vérifier le certificat du serveur";
inline const char* const bulle_piece_jointe = "Ouvrir la pièce jointe dans l'éditeur de texte";
inline const char* const progression_envoi = "Envoi en cours : %p %";
inline const char* const piece_jointe_absente = "La pièce jointe « %1 » n'existe pas.";
inline const char* const editeur_impossible =
    "Impossible d'ouvrir la pièce jointe « %1 » dans l'éditeur de texte.";

// The command line.
inline const char* const mot_de_passe_absent =
    "Mot de passe absent : avec --utilisateur, il est lu sur l'entrée standard.";
inline const char* const mot_de_passe_trop_long =
    "Mot de passe illisible : l'entrée standard doit le donner sur une ligne d'au plus 1 Ko.";

// The security choices, in the order of SecuriteSmtp.
inline const char* const libelles_securite[] = {
    "Automatique (TLS sur le port 465, sinon STARTTLS si proposé)",
    "STARTTLS exigé",
    "TLS dès la connexion",
    "Sans chiffrement",
};

} // namespace vorek::textes_mail
