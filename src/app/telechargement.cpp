#include "app/telechargement.h"

#include "app/serveurs.h"
#include "base/erreur.h"
#include "base/fichier_texte.h"
#include "base/journal_diagnostic.h"
#include "mail/erreurs_curl.h"
#include "refdata/conversion_pays.h"
#include "refdata/membres.h"
#include "refdata/noms_fichiers.h"
#include "refdata/suivi_fichier.h"
#include "refdata/textes_refdata.h"

#include <QFile>
#include <QUrl>

#include <curl/curl.h>

#include <cerrno>
#include <cstdio>
#include <memory>
#include <unistd.h>

namespace vorek {

namespace {

// Far above any member list or country file; a server that streams forever is cut off.
constexpr curl_off_t taille_max = 64 * 1024 * 1024;
// The longest the follow-up (and the window behind it) waits between two calls.
constexpr int attente_max_ms = 100;

namespace textes {

QString echec(const QString& detail) {
    return QStringLiteral("Échec du téléchargement : ") + detail;
}
QString abandon() {
    return QStringLiteral("Téléchargement abandonné");
}
QString refus(const QString& url, const QString& raison) {
    return QStringLiteral("Téléchargement refusé : le fichier %1 reçu du serveur %2.\r"
                          "Il n'a pas été enregistré.")
        .arg(QUrl(url).fileName(), raison);
}
QString vide() {
    return QStringLiteral("est vide");
}
QString incomplet() {
    return QStringLiteral("est incomplet");
}
QString trop_gros() {
    return QStringLiteral("dépasse 64 Mo");
}
QString pas_un_fichier_pays(const QString& raison) {
    return QStringLiteral("n'est pas un fichier des pays (%1)").arg(raison);
}

} // namespace textes

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
using Multi = std::unique_ptr<CURLM, CURLMcode (*)(CURLM*)>;
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
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(curl, CURLOPT_LOW_SPEED_TIME, long(delais.immobile.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT, long(delais.total.count()));
    curl_easy_setopt(curl, CURLOPT_MAXFILESIZE_LARGE, taille_max);
    curl_easy_setopt(curl, CURLOPT_HTTPHEADER, entetes);
    curl_easy_setopt(curl, CURLOPT_USERAGENT, "Challenge_VOREK");
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &ecrire);
    curl_easy_setopt(curl, CURLOPT_WRITEDATA, &ecriture);
}

qint64 taille_annoncee(CURL* curl) {
    curl_off_t taille = -1;
    curl_easy_getinfo(curl, CURLINFO_CONTENT_LENGTH_DOWNLOAD_T, &taille);
    return taille > 0 ? qint64(taille) : 0;
}

// Drives the transfer in short waits so that the follow-up is called often, whether bytes
// arrive or not: the window can answer and its "Passer" stop a silent server at once.
CURLcode executer(CURL* curl, const Ecriture& ecriture, const SuiviTelechargement& suivi,
                  bool& abandonne) {
    Multi multi(curl_multi_init(), &curl_multi_cleanup);
    if (!multi || curl_multi_add_handle(multi.get(), curl) != CURLM_OK) {
        return CURLE_OUT_OF_MEMORY;
    }
    int actifs = 1;
    CURLcode code = CURLE_OK;
    while (curl_multi_perform(multi.get(), &actifs) == CURLM_OK && actifs > 0) {
        if (suivi && !suivi(qint64(ecriture.ecrits), taille_annoncee(curl))) {
            abandonne = true;
            break;
        }
        curl_multi_poll(multi.get(), nullptr, 0, attente_max_ms, nullptr);
    }
    int restants = 0;
    const CURLMsg* message = curl_multi_info_read(multi.get(), &restants);
    if (abandonne) {
        code = CURLE_ABORTED_BY_CALLBACK;
    } else if (message == nullptr || message->msg != CURLMSG_DONE) {
        code = CURLE_RECV_ERROR;
    } else {
        code = message->data.result;
    }
    curl_multi_remove_handle(multi.get(), curl);
    return code;
}

// Our own words for libcurl's failure; its text follows only when ours are generic.
QString message_curl(const EchecCurl& echec) {
    QString message = textes::echec(cause_curl(echec));
    if (cause_generique(echec) && !echec.texte_brut.isEmpty()) {
        message += QLatin1Char('\n') + detail_curl(echec);
    }
    return message;
}

ResultatTelechargement refuser(ResultatTelechargement resultat, const QString& url,
                               const QString& raison) {
    resultat.reussi = false;
    resultat.refus = textes::refus(url, raison);
    resultat.erreur = resultat.refus;
    return resultat;
}

// What a finished transfer amounts to. Bytes that arrived and are no whole file are said;
// a server that gave nothing at all is not.
ResultatTelechargement bilan(const QString& url, const EchecCurl& echec, const Ecriture& ecriture,
                             long statut, bool abandonne) {
    const CURLcode code = CURLcode(echec.code);
    ResultatTelechargement resultat;
    resultat.statut_http = statut;
    resultat.detail_bibliotheque = code == CURLE_OK ? QString() : echec.texte_brut;
    if (ecriture.erreur != 0) {
        resultat.erreur = message_erreur_es(ecriture.erreur);
    } else if (abandonne) {
        resultat.erreur = textes::abandon();
    } else if (ecriture.ecrits > taille_max || code == CURLE_FILESIZE_EXCEEDED) {
        resultat = refuser(resultat, url, textes::trop_gros());
    } else if (code != CURLE_OK) {
        resultat.erreur = message_curl(echec);
        if (ecriture.ecrits > 0) {
            resultat.refus = textes::refus(url, textes::incomplet());
        }
    } else if (statut < 200 || statut > 299) {
        resultat.erreur = textes::echec(QStringLiteral("réponse HTTP %1").arg(statut));
    } else if (ecriture.ecrits == 0) {
        resultat = refuser(resultat, url, textes::vide());
    } else {
        resultat.reussi = true;
    }
    return resultat;
}

// Runs the transfer into an open file; the result says whether it is complete.
ResultatTelechargement transferer(const QString& url, std::FILE* fichier,
                                  const DelaisTelechargement& delais,
                                  const SuiviTelechargement& suivi) {
    initialiser_curl();
    Easy curl(curl_easy_init(), &curl_easy_cleanup);
    Entetes entetes(curl_slist_append(curl_slist_append(nullptr, "Cache-Control: no-cache"),
                                      "Pragma: no-cache"),
                    &curl_slist_free_all);
    if (!curl || !entetes) {
        return {false, 0, textes::echec(QStringLiteral("mémoire insuffisante")), {}, {}};
    }
    Ecriture ecriture{fichier};
    char tampon[CURL_ERROR_SIZE] = {};
    regler(curl.get(), url.toUtf8(), entetes.get(), ecriture, delais);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, tampon);
    bool abandonne = false;
    const CURLcode code = executer(curl.get(), ecriture, suivi, abandonne);
    long statut = 0;
    curl_easy_getinfo(curl.get(), CURLINFO_RESPONSE_CODE, &statut);
    return bilan(url, lire_echec_curl(curl.get(), code, tampon), ecriture, statut, abandonne);
}

// Empty on success; the source is removed on failure.
QString remplacer(const QString& source, const QString& cible) {
    errno = 0;
    if (std::rename(QFile::encodeName(source).constData(), QFile::encodeName(cible).constData()) !=
        0) {
        const int code = errno;
        QFile::remove(source);
        return message_erreur_es(code);
    }
    return {};
}

// Why a downloaded file is not what it should be; empty when it is.
QString raison_base_membres(const QString& chemin) {
    try {
        return refus_base_membres(lire_lignes(chemin));
    } catch (const Erreur&) {
        return textes_refdata::pas_une_base_membres();
    }
}

QString raison_fichier_pays(const QString& chemin) {
    try {
        const QString refus = convertir_lignes_pays(lire_lignes(chemin)).refus;
        return refus.isEmpty() ? QString() : textes::pas_un_fichier_pays(refus);
    } catch (const Erreur& e) {
        return textes::pas_un_fichier_pays(e.message());
    }
}

// The downloaded file at provisoire becomes cible once it passes the check.
ResultatTelechargement installer(ResultatTelechargement resultat, const QString& url,
                                 const QString& provisoire, const QString& cible,
                                 const std::function<QString(const QString&)>& verifier) {
    if (!resultat.reussi) {
        return resultat;
    }
    const QString raison = verifier(provisoire);
    if (!raison.isEmpty()) {
        qCWarning(journal_telechargement).noquote() << url << "refusé :" << raison;
        QFile::remove(provisoire);
        return refuser(resultat, url, raison);
    }
    resultat.erreur = remplacer(provisoire, cible);
    resultat.reussi = resultat.erreur.isEmpty();
    return resultat;
}

// libcurl's own words, never shown to the operator, are kept here.
void dire(const QString& url, const QString& chemin, const ResultatTelechargement& resultat) {
    if (resultat.reussi) {
        qCInfo(journal_telechargement).noquote()
            << url << "->" << chemin << "HTTP" << resultat.statut_http;
        return;
    }
    qCWarning(journal_telechargement).noquote()
        << url << "HTTP" << resultat.statut_http << ":" << resultat.erreur
        << (resultat.detail_bibliotheque.isEmpty()
                ? QString()
                : QStringLiteral("[libcurl : %1]").arg(resultat.detail_bibliotheque));
}

} // namespace

ResultatTelechargement telecharger(const QString& url, const QString& chemin,
                                   const DelaisTelechargement& delais,
                                   const SuiviTelechargement& suivi) {
    errno = 0;
    std::FILE* fichier = std::fopen(QFile::encodeName(chemin).constData(), "wb");
    if (fichier == nullptr) {
        const ResultatTelechargement resultat{false, 0, message_erreur_es(errno), {}, {}};
        dire(url, chemin, resultat);
        return resultat;
    }
    ResultatTelechargement resultat = transferer(url, fichier, delais, suivi);
    errno = 0;
    bool sur_disque = std::fflush(fichier) == 0 && ::fsync(fileno(fichier)) == 0;
    int code = errno;
    if (std::fclose(fichier) != 0 && sur_disque) {
        sur_disque = false;
        code = errno;
    }
    if (!sur_disque && resultat.reussi) {
        resultat = {false, resultat.statut_http, message_erreur_es(code), {}, {}};
    }
    if (!resultat.reussi) {
        QFile::remove(chemin);
    }
    dire(url, chemin, resultat);
    return resultat;
}

ResultatTelechargement telecharger_base_membres(const QString& rep_BD, const ConfigServeurs& config,
                                                const DelaisTelechargement& delais,
                                                const SuiviTelechargement& suivi) {
    const QString url = url_base_membres(config);
    const QString site = rep_BD + QLatin1Char('/') + nom_base_membres_site;
    return installer(telecharger(url, site, delais, suivi), url, site,
                     rep_BD + QLatin1Char('/') + nom_base_membres, &raison_base_membres);
}

ResultatTelechargement telecharger_fichier_pays(const QString& rep_cfg,
                                                const ConfigServeurs& config,
                                                const DelaisTelechargement& delais,
                                                const SuiviTelechargement& suivi) {
    if (!trouver_sans_casse(rep_cfg + QLatin1Char('/') + nom_fichier_pays).isEmpty()) {
        return {};
    }
    return retelecharger_fichier_pays(rep_cfg, config, delais, suivi);
}

ResultatTelechargement retelecharger_fichier_pays(const QString& rep_cfg,
                                                  const ConfigServeurs& config,
                                                  const DelaisTelechargement& delais,
                                                  const SuiviTelechargement& suivi) {
    const QString trouve = trouver_sans_casse(rep_cfg + QLatin1Char('/') + nom_fichier_pays);
    const QString cible = trouve.isEmpty() ? rep_cfg + QLatin1Char('/') + nom_fichier_pays : trouve;
    const QString url = url_fichier_pays(config);
    const QString partiel = rep_cfg + QLatin1Char('/') + nom_fichier_pays + QStringLiteral(".part");
    // A page that is not a country file (a portal's login page, say) would stay in place
    // and never be fetched again.
    return installer(telecharger(url, partiel, delais, suivi), url, partiel, cible,
                     &raison_fichier_pays);
}

} // namespace vorek
