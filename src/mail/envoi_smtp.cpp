#include "envoi_smtp.h"

#include "echange_smtp.h"
#include "erreurs_curl.h"
#include "hote_smtp.h"
#include "octets_message.h"
#include "textes_mail.h"

#include "base/journal_diagnostic.h"

#include <QSysInfo>

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <memory>

namespace vorek {

namespace {

using textes_mail::texte;

void initialiser_curl() {
    static const bool fait = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)fait;
}

// The name given with EHLO: this machine's, when it is a plain host name.
QByteArray nom_client() {
    const QByteArray nom = QSysInfo::machineHostName().toLatin1();
    const bool sur = !nom.isEmpty() && std::all_of(nom.begin(), nom.end(), [](char c) {
        return std::isalnum(uchar(c)) || c == '.' || c == '-';
    });
    return sur ? nom : QByteArray("localhost");
}

bool reponse_negative(const QString& reponse) {
    return reponse.startsWith(QLatin1Char('4')) || reponse.startsWith(QLatin1Char('5'));
}

// The failures the operator can act on have words of their own; a refusal by the server is
// told by the server's reply, which follows.
QString texte_echec(const EchecCurl& e, bool delai_depasse, bool refus, const QString& hote,
                    int port) {
    if (e.code == CURLE_OPERATION_TIMEDOUT ||
        (e.code == CURLE_ABORTED_BY_CALLBACK && delai_depasse)) {
        return texte(textes_mail::serveur_muet).arg(hote).arg(port);
    }
    switch (e.code) {
    case CURLE_COULDNT_CONNECT:
        return texte(textes_mail::connexion_impossible).arg(hote).arg(port).arg(cause_curl(e));
    case CURLE_COULDNT_RESOLVE_HOST:
        return texte(textes_mail::serveur_introuvable).arg(hote);
    case CURLE_PEER_FAILED_VERIFICATION:
        return texte(textes_mail::certificat_refuse).arg(cause_curl(e));
    case CURLE_USE_SSL_FAILED:
        return texte(textes_mail::tls_absent);
    case CURLE_LOGIN_DENIED:
        return texte(textes_mail::identification_refusee);
    case CURLE_ABORTED_BY_CALLBACK:
        return texte(textes_mail::envoi_interrompu);
    default:
        break;
    }
    if (refus) {
        return texte(textes_mail::refus_serveur);
    }
    if (e.code == CURLE_SSL_CONNECT_ERROR) {
        return texte(textes_mail::tls_echoue);
    }
    return texte(textes_mail::echec_smtp).arg(cause_curl(e));
}

ResultatEnvoi resultat(CURL* curl, CURLcode code, const char* tampon, const Echange& e,
                       const ParametresSmtp& p) {
    ResultatEnvoi r;
    r.reussi = code == CURLE_OK;
    r.reponse_serveur = derniere_reponse(e.reponses);
    if (r.reussi) {
        return r;
    }
    const EchecCurl echec = lire_echec_curl(curl, code, tampon);
    r.detail_bibliotheque = echec.texte_brut;
    const bool refus = reponse_negative(r.reponse_serveur);
    r.erreur = texte_echec(echec, e.delai_depasse, refus, p.serveur.trimmed(),
                           lire_port(p.port).value_or(0));
    if (refus) {
        r.erreur += QLatin1Char('\n') + texte(textes_mail::reponse_serveur).arg(r.reponse_serveur);
    } else if (code == CURLE_SSL_CONNECT_ERROR || cause_generique(echec)) {
        // What went wrong in the handshake is only in libcurl's words.
        const QString detail = detail_curl(echec);
        r.erreur += detail.isEmpty() ? QString() : QLatin1Char('\n') + detail;
    }
    return r;
}

// libcurl's own words, never shown to the operator, are kept here.
ResultatEnvoi dire(const ResultatEnvoi& r) {
    if (r.reussi) {
        qCInfo(journal_smtp) << "message accepté";
    } else {
        qCWarning(journal_smtp).noquote()
            << r.erreur
            << (r.detail_bibliotheque.isEmpty()
                    ? QString()
                    : QStringLiteral("[libcurl : %1]").arg(r.detail_bibliotheque));
    }
    return r;
}

using Easy = std::unique_ptr<CURL, void (*)(CURL*)>;
using Liste = std::unique_ptr<curl_slist, void (*)(curl_slist*)>;

// Strings handed to libcurl must live until the exchange ends.
struct Chaines {
    QByteArray url, de, utilisateur, mot_de_passe, fichier_ac;
};

Chaines chaines(const ParametresSmtp& p, const MessageCR& m, const ModeConnexion& mode) {
    const QByteArray schema = mode.tls_implicite ? "smtps://" : "smtp://";
    return {schema + *hote_pour_url(p.serveur) + ':' + QByteArray::number(*lire_port(p.port)) +
                '/' + nom_client(),
            '<' + m.de.toUtf8() + '>', p.utilisateur.toUtf8(), p.mot_de_passe.toUtf8(),
            p.fichier_ac.toUtf8()};
}

// One RCPT TO for To and one for Cc, even when they are the same address.
Liste destinataires(const MessageCR& m) {
    Liste liste(nullptr, &curl_slist_free_all);
    for (const QString& adresse : {m.a, m.cc}) {
        curl_slist* suite =
            curl_slist_append(liste.get(), ('<' + adresse.toUtf8() + '>').constData());
        if (suite == nullptr) {
            return Liste(nullptr, &curl_slist_free_all);
        }
        liste.release();
        liste.reset(suite);
    }
    return liste;
}

void regler_securite(CURL* curl, const ParametresSmtp& p, const ModeConnexion& mode,
                     const Chaines& c) {
    static const long niveaux[] = {CURLUSESSL_NONE, CURLUSESSL_TRY, CURLUSESSL_ALL};
    curl_easy_setopt(curl, CURLOPT_USE_SSL, niveaux[int(mode.niveau)]);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYPEER, p.verifier_certificat ? 1L : 0L);
    curl_easy_setopt(curl, CURLOPT_SSL_VERIFYHOST, p.verifier_certificat ? 2L : 0L);
    if (!c.fichier_ac.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_CAINFO, c.fichier_ac.constData());
    }
    if (!c.utilisateur.isEmpty() && !c.mot_de_passe.isEmpty()) {
        curl_easy_setopt(curl, CURLOPT_USERNAME, c.utilisateur.constData());
        curl_easy_setopt(curl, CURLOPT_PASSWORD, c.mot_de_passe.constData());
        curl_easy_setopt(curl, CURLOPT_LOGIN_OPTIONS, "AUTH=PLAIN;AUTH=LOGIN");
    }
}

void regler_echange(CURL* curl, const ParametresSmtp& p, const Chaines& c, curl_slist* rcpt,
                    Echange& e) {
    curl_easy_setopt(curl, CURLOPT_URL, c.url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // QUIT is sent within the exchange, under its time limits.
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(p.delais.connexion.count()));
    // libcurl applies this neither to the answer to the message nor to QUIT, each of which it
    // would await 120 s: the progress callback holds the whole exchange to it.
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(p.delais.total.count()));
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, c.de.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(e.octets.size()));
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &lire_message);
    curl_easy_setopt(curl, CURLOPT_READDATA, &e);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &recevoir_ligne);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &e);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &ignorer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &suivre_progres);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &e);
    // The commands sent, to bound the wait for the answer to QUIT.
    curl_easy_setopt(curl, CURLOPT_VERBOSE, 1L);
    curl_easy_setopt(curl, CURLOPT_DEBUGFUNCTION, &voir_commande);
    curl_easy_setopt(curl, CURLOPT_DEBUGDATA, &e);
}

} // namespace

DelaisSmtp delais_smtp() {
    DelaisSmtp delais;
    const QList<QByteArray> valeurs = qgetenv("VOREK_DELAIS_SMTP").split(',');
    std::chrono::milliseconds* bornes[] = {&delais.connexion, &delais.total, &delais.adieu};
    for (qsizetype i = 0; i < valeurs.size() && i < 3; ++i) {
        bool ok = false;
        const int ms = valeurs[i].trimmed().toInt(&ok);
        if (ok && ms > 0) {
            *bornes[i] = std::chrono::milliseconds(ms);
        }
    }
    return delais;
}

ResultatEnvoi envoyer_message(const ParametresSmtp& p, const MessageCR& message,
                              const SuiviEnvoi& suivi) {
    if (const QString refus = verifier_envoi(p, message); !refus.isEmpty()) {
        return {false, refus, {}, {}};
    }
    initialiser_curl();
    const bool authentification = !p.utilisateur.isEmpty() && !p.mot_de_passe.isEmpty();
    const ModeConnexion mode = mode_connexion(p.securite, *lire_port(p.port), authentification);
    const Chaines c = chaines(p, message, mode);
    const QByteArray octets = octets_message(message);
    Easy curl(curl_easy_init(), &curl_easy_cleanup);
    Liste rcpt = destinataires(message);
    Echange e(octets, suivi, p.delais);
    e.mot_de_passe = c.mot_de_passe;
    char tampon[CURL_ERROR_SIZE] = {};
    if (!curl || !rcpt) {
        return resultat(curl.get(), CURLE_OUT_OF_MEMORY, tampon, e, p);
    }
    regler_echange(curl.get(), p, c, rcpt.get(), e);
    regler_securite(curl.get(), p, mode, c);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, tampon);
    qCInfo(journal_smtp).noquote() << "envoi par" << c.url << p.utilisateur;
    const CURLcode code = curl_easy_perform(curl.get());
    return dire(resultat(curl.get(), code, tampon, e, p));
}

} // namespace vorek
