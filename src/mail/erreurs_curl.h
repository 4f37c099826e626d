#pragma once

#include <QString>

namespace vorek {

// What libcurl said of a failed transfer: its code and the numbers behind it.
struct EchecCurl {
    int code = 0;              // CURLcode
    long erreur_systeme = 0;   // errno of the failed connection (CURLINFO_OS_ERRNO)
    long verification_tls = 0; // the certificate check's result (CURLINFO_SSL_VERIFYRESULT)
    // libcurl's own English words: never shown as such, kept for the diagnostics.
    QString texte_brut;
};

// The failure of the transfer handle `curl` (a CURL*) that ended with `code`; `tampon` is
// its error buffer.
EchecCurl lire_echec_curl(void* curl, int code, const char* tampon);

// The cause in French words of our own, e.g. "le serveur refuse la connexion sur ce port".
QString cause_curl(const EchecCurl& echec);

// Whether cause_curl has only generic words for this failure (a code this program does not
// know): libcurl's own text then helps.
bool cause_generique(const EchecCurl& echec);

// "Détail : " and libcurl's words, control characters removed; empty without words.
QString detail_curl(const EchecCurl& echec);

} // namespace vorek
