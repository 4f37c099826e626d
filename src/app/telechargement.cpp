#include "app/telechargement.h"

#include "app/serveurs.h"
#include "log/erreur.h"
#include "log/fichier_texte.h"
#include "refdata/conversion_pays.h"
#include "refdata/noms_fichiers.h"
#include "refdata/suivi_fichier.h"

#include <QFile>

#include <curl/curl.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace vorek {

namespace {

// Far above any member list or country file; a server that streams forever is cut off.
constexpr curl_off_t taille_max = 64 * 1024 * 1024;

void initialiser_curl() {
    static const bool fait = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)fait;
}

struct Ecriture {
    std::FILE* fichier = nullptr;
    curl_off_t ecrits = 0;
    int erreur = 0;
};

size_t ecrire(char* octets, size_t taille, size_t nombre, void* donnees) {
    auto* ecriture = static_cast<Ecriture*>(donnees);
    const size_t n = taille * nombre;
    ecriture->ecrits += curl_off_t(n);
    if (ecriture->ecrits > taille_max) {
        return 0;
    }
    errno = 0;
    if (std::fwrite(octets, 1, n, ecriture->fichier) != n) {
        ecriture->erreur = errno;
        return 0;
    }
    return n;
}

using Easy = std::unique_ptr<CURL, void (*)(CURL*)>;
using Entetes = std::unique_ptr<curl_slist, void (*)(curl_slist*)>;

void regler(CURL* curl, const QByteArray& url, curl_slist* entetes, Ecriture& ecriture,
            const DelaisTelechargement& delais) {
    curl_easy_setopt(curl, CURLOPT_URL, url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_REDIR_PROTOCOLS_STR, "http,https");
    curl_easy_setopt(curl, CURLOPT_FOLLOWLOCATION, 1L);
    curl_easy_setopt(curl, CURLOPT_MAXREDIRS, 5L);
    curl_easy_setopt(curl, CURLOPT_FAILONERROR, 1L);
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(delais.connexion.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(delais.total.count()));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, taille_max);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, entetes);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Challenge_VOREK");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &ecrire);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &ecriture);
}

QString message_curl(CURLcode code, const char* detail) {
    return QStringLiteral("Échec du téléchargement : ") +
           QString::fromUtf8(*detail != '\0' ? detail : curl_easy_strerror(code));
}

// Runs the transfer into an open file; the result says whether it is complete.
ResultatTelechargement transferer(const QString& url, std::FILE* fichier,
                                  const DelaisTelechargement& delais) {
    initialiser_curl();
    ResultatTelechargement resultat;
    Easy curl(curl_easy_init(), &curl_easy_cleanup);
    Entetes entetes(curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"),
                                      "Pragma: no-cache"),
                    &curl_slist_free_all);
    if (!curl || !entetes) {
        resultat.erreur = QStringLiteral("Échec du téléchargement : mémoire insuffisante");
        return resultat;
    }
    Ecriture ecriture{fichier};
    char detail[CURL_ERROR_SIZE] = {};
    regler(curl.get(), url.toUtf8(), entetes.get(), ecriture, delais);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, detail);
    const CURLcode code = curl_easy_perform(curl.get());
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &resultat.statut_http);
    if (ecriture.erreur != 0) {
        resultat.erreur = message_erreur_es(ecriture.erreur);
    } else if (code != CURLE_OK) {
        resultat.erreur = message_curl(code, detail);
    } else if (resultat.statut_http < 200 || resultat.statut_http > 299) {
        resultat.erreur =
            QStringLiteral("Échec du téléchargement : réponse HTTP %1").arg(resultat.statut_http);
    } else if (ecriture.ecrits == 0) {
        resultat.erreur = QStringLiteral("Échec du téléchargement : fichier vide");
    } else {
        resultat.reussi = true;
    }
    return resultat;
}

bool remplacer(const QString& source, const QString& cible) {
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(cible).constData()) !=
        0) {
        QFile::remove(source);
        return false;
    }
    return true;
}

bool contient_des_prefixes(const QString& chemin) {
    static const QStringList continents{"AF", "AN", "AS", "EU", "NA", "OC", "SA"};
    try {
        for (const QString& ligne : convertir_lignes_pays(lire_lignes(chemin)).lignes_dxcc) {
            if (continents.contains(ligne.section(QLatin1Char(','), 3, 3))) {
                return true;
            }
        }
    } catch (const Erreur&) {
    }
    return false;
}

} // namespace

ResultatTelechargement telecharger(const QString& url, const QString& chemin,
                                   const DelaisTelechargement& delais) {
    errno = 0;
    std::FILE* fichier = std::fopen(QFile::encodeName(chemin).constData(), "wb");
    if (fichier == nullptr) {
        return {false, 0, message_erreur_es(errno)};
    }
    ResultatTelechargement resultat = transferer(url, fichier, delais);
    errno = 0;
    bool sur_disque = std::fflush(fichier) == 0 && ::fsync(fileno(fichier)) == 0;
    int code = errno;
    if (std::fclose(fichier) != 0 && sur_disque) {
        sur_disque = false;
        code = errno;
    }
    if (!sur_disque && resultat.reussi) {
        resultat = {false, resultat.statut_http, message_erreur_es(code)};
    }
    if (!resultat.reussi) {
        QFile::remove(chemin);
    }
    return resultat;
}

bool telecharger_base_membres(const QString& rep_BD, const ConfigServeurs& config,
                              const DelaisTelechargement& delais) {
    const QString site = rep_BD + QLatin1Char('/') + nom_base_membres_site;
    if (!telecharger(url_base_membres(config), site, delais).reussi) {
        return false;
    }
    return remplacer(site, rep_BD + QLatin1Char('/') + nom_base_membres);
}

bool telecharger_fichier_pays(const QString& rep_cfg, const ConfigServeurs& config,
                              const DelaisTelechargement& delais) {
    const QString cible = rep_cfg + QLatin1Char('/') + nom_fichier_pays;
    if (!trouver_sans_casse(cible).isEmpty()) {
        return false;
    }
    const QString partiel = cible + QStringLiteral(".part");
    if (!telecharger(url_fichier_pays(config), partiel, delais).reussi) {
        return false;
    }
    // A page that is not a country file (a portal's login page, say) would stay in place
    // and never be fetched again.
    if (!contient_des_prefixes(partiel)) {
        QFile::remove(partiel);
        return false;
    }
    return remplacer(partiel, cible);
}

} // namespace vorek
