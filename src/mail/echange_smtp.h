#pragma once

// What libcurl's callbacks share during one SMTP exchange (used by envoi_smtp.cpp only).

#include "envoi_smtp.h"

#include <QByteArray>
#include <QStringList>

#include <curl/curl.h>

#include <chrono>
#include <cstddef>

namespace vorek {

struct Echange {
    using Horloge = std::chrono::steady_clock;

    Echange(const QByteArray& message, const SuiviEnvoi& suivi, const DelaisSmtp& delais);

    const QByteArray& octets;
    const SuiviEnvoi& suivi;
    qsizetype lus = 0;
    QStringList lignes;   // the reply being received
    QStringList reponses; // complete replies, lines joined by "\n", control characters removed
    // libcurl waits for some replies (the one to the message, the one to QUIT) beyond its own
    // time limit: the progress callback ends the exchange at this moment.
    Horloge::time_point fin;
    std::chrono::milliseconds adieu;
    bool delai_depasse = false;
    // From AUTH to the server's verdict, every command carries the password (in base64):
    // the diagnostic log gets none of them. The password itself is masked in libcurl's texts.
    bool authentification = false;
    QByteArray mot_de_passe;
};

// The server's text as it may be shown: no control or format character (an escape sequence
// would drive the terminal or hide text), and not longer than a reply line may be.
QString texte_serveur(const QString& ligne);

// The reply that answered the message: the goodbye to QUIT does not count.
QString derniere_reponse(const QStringList& reponses);

// libcurl's callbacks; the last argument is the Echange.
size_t lire_message(char* tampon, size_t taille, size_t nombre, void* echange);
size_t recevoir_ligne(char* octets, size_t taille, size_t nombre, void* echange);
size_t ignorer(char*, size_t taille, size_t nombre, void*);
int suivre_progres(void* echange, curl_off_t, curl_off_t, curl_off_t total, curl_off_t envoyes);
// Sees each command sent: once QUIT is on its way, its answer is awaited `adieu` at most.
// The commands, the replies and libcurl's texts go to the diagnostic log, without the password.
int voir_commande(CURL* curl, curl_infotype type, char* octets, size_t taille, void* echange);

} // namespace vorek
