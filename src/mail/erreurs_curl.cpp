#include "erreurs_curl.h"

#include "encodage_mime.h"
#include "textes_mail.h"

#include <curl/curl.h>

#include <cerrno>

namespace vorek {

namespace {

namespace c = textes_mail::causes;

const char* cause_connexion(long erreur_systeme) {
    switch (erreur_systeme) {
    case ECONNREFUSED:
        return c::connexion_refusee;
    case ENETUNREACH:
    case ENETDOWN:
        return c::reseau_inaccessible;
    case EHOSTUNREACH:
        return c::hote_inaccessible;
    case ETIMEDOUT:
        return c::connexion_sans_reponse;
    default:
        return c::connexion;
    }
}

// The certificate check's verdict, numbered as OpenSSL numbers it (x509_vfy.h); 0 with a
// refused certificate is libcurl's own check of the server's name.
const char* cause_certificat(long verification) {
    switch (verification) {
    case 0:
    case 62: // X509_V_ERR_HOSTNAME_MISMATCH
        return c::autre_nom;
    case 18: // X509_V_ERR_DEPTH_ZERO_SELF_SIGNED_CERT
        return c::auto_signe;
    case 19: // X509_V_ERR_SELF_SIGNED_CERT_IN_CHAIN
        return c::chaine_auto_signee;
    case 2:  // X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT
    case 20: // X509_V_ERR_UNABLE_TO_GET_ISSUER_CERT_LOCALLY
        return c::autorite_inconnue;
    case 21: // X509_V_ERR_UNABLE_TO_VERIFY_LEAF_SIGNATURE
    case 7:  // X509_V_ERR_CERT_SIGNATURE_FAILURE
        return c::signature;
    case 9: // X509_V_ERR_CERT_NOT_YET_VALID
        return c::pas_encore_valide;
    case 10: // X509_V_ERR_CERT_HAS_EXPIRED
        return c::expire;
    default:
        return nullptr;
    }
}

const char* cause_reseau(int code) {
    switch (code) {
    case CURLE_UNSUPPORTED_PROTOCOL:
        return c::protocole;
    case CURLE_URL_MALFORMAT:
        return c::adresse;
    case CURLE_COULDNT_RESOLVE_PROXY:
        return c::mandataire_introuvable;
    case CURLE_PROXY:
        return c::mandataire;
    case CURLE_COULDNT_RESOLVE_HOST:
        return c::nom_introuvable;
    case CURLE_WEIRD_SERVER_REPLY:
        return c::reponse_incomprise;
    case CURLE_REMOTE_ACCESS_DENIED:
        return c::acces_refuse;
    case CURLE_HTTP_RETURNED_ERROR:
        return c::erreur_http;
    case CURLE_OPERATION_TIMEDOUT:
        return c::delai;
    case CURLE_PARTIAL_FILE:
        return c::incomplet;
    case CURLE_TOO_MANY_REDIRECTS:
        return c::redirections;
    case CURLE_GOT_NOTHING:
        return c::rien_recu;
    case CURLE_SEND_ERROR:
        return c::coupure_envoi;
    case CURLE_RECV_ERROR:
        return c::coupure_reception;
    default:
        return nullptr;
    }
}

const char* cause_locale(int code) {
    switch (code) {
    case CURLE_FAILED_INIT:
        return c::initialisation;
    case CURLE_WRITE_ERROR:
        return c::ecriture;
    case CURLE_UPLOAD_FAILED:
        return c::envoi_refuse;
    case CURLE_READ_ERROR:
        return c::lecture;
    case CURLE_OUT_OF_MEMORY:
        return c::memoire;
    case CURLE_ABORTED_BY_CALLBACK:
        return c::interrompu;
    case CURLE_BAD_CONTENT_ENCODING:
        return c::contenu;
    case CURLE_FILESIZE_EXCEEDED:
        return c::trop_gros;
    default:
        return nullptr;
    }
}

const char* cause_securite(int code) {
    switch (code) {
    case CURLE_SSL_CONNECT_ERROR:
        return c::tls;
    case CURLE_SSL_CIPHER:
        return c::chiffrement;
    case CURLE_USE_SSL_FAILED:
        return c::tls_absent;
    case CURLE_LOGIN_DENIED:
        return c::identification;
    case CURLE_SSL_CACERT_BADFILE:
        return c::autorites;
    case CURLE_AUTH_ERROR:
        return c::methode;
    default:
        return nullptr;
    }
}

// Our own words for the failure, nullptr when this program has none for it.
const char* cause_connue(const EchecCurl& e) {
    if (e.code == CURLE_COULDNT_CONNECT) {
        return cause_connexion(e.erreur_systeme);
    }
    if (e.code == CURLE_PEER_FAILED_VERIFICATION) {
        return cause_certificat(e.verification_tls);
    }
    for (const auto table : {&cause_reseau, &cause_locale, &cause_securite}) {
        if (const char* cause = table(e.code)) {
            return cause;
        }
    }
    return nullptr;
}

} // namespace

EchecCurl lire_echec_curl(void* curl, int code, const char* tampon) {
    EchecCurl e;
    e.code = code;
    if (curl != nullptr) {
        curl_easy_getinfo(curl, CURLINFO_OS_ERRNO, &e.erreur_systeme);
        curl_easy_getinfo(curl, CURLINFO_SSL_VERIFYRESULT, &e.verification_tls);
    }
    const bool tampon_vide = tampon == nullptr || *tampon == '\0';
    e.texte_brut =
        QString::fromUtf8(tampon_vide ? curl_easy_strerror(CURLcode(code)) : tampon).trimmed();
    return e;
}

QString cause_curl(const EchecCurl& echec) {
    if (const char* cause = cause_connue(echec)) {
        return QString::fromUtf8(cause);
    }
    if (echec.code == CURLE_PEER_FAILED_VERIFICATION) {
        return QString::fromUtf8(c::certificat);
    }
    return QString::fromUtf8(c::inconnue).arg(echec.code);
}

bool cause_generique(const EchecCurl& echec) {
    return cause_connue(echec) == nullptr;
}

QString detail_curl(const EchecCurl& echec) {
    if (echec.texte_brut.isEmpty()) {
        return {};
    }
    return QString::fromUtf8(textes_mail::detail).arg(sans_controle(echec.texte_brut));
}

} // namespace vorek
