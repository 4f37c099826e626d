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

// Failures of the exchange; the server's own reply follows when there is one.
inline const char* const connexion_impossible = "Connexion impossible au serveur SMTP %1:%2 (%3)";
inline const char* const serveur_introuvable = "Serveur SMTP introuvable : %1";
inline const char* const serveur_muet = "Le serveur SMTP %1:%2 ne répond pas (délai dépassé)";
inline const char* const certificat_refuse = "Le certificat du serveur SMTP est refusé (%1)";
inline const char* const tls_echoue = "La connexion chiffrée avec le serveur SMTP a échoué (%1)";
inline const char* const tls_absent =
    "Le serveur SMTP ne propose pas de connexion chiffrée (STARTTLS)";
inline const char* const identification_refusee = "Identification refusée par le serveur SMTP (%1)";
inline const char* const envoi_interrompu = "Envoi interrompu";
inline const char* const echec_smtp = "Échec de l'envoi SMTP (%1)";
inline const char* const reponse_serveur = "Réponse du serveur : %1";
inline const char* const lecture_piece_jointe = "Lecture de la pièce jointe %1 : %2";

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

// The security choices, in the order of SecuriteSmtp.
inline const char* const libelles_securite[] = {
    "Automatique (TLS sur le port 465, sinon STARTTLS si proposé)",
    "STARTTLS exigé",
    "TLS dès la connexion",
    "Sans chiffrement",
};

} // namespace vorek::textes_mail
