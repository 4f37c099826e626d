#include "envoi_smtp.h"

#include "hote_smtp.h"
#include "octets_message.h"
#include "textes_mail.h"

#include <QSysInfo>

#include <curl/curl.h>

#include <algorithm>
#include <cctype>
#include <cstring>
#include <memory>

namespace vorek {

namespace {

using textes_mail::texte;

void initialiser_curl() {
    static const bool fait = curl_global_init(CURL_GLOBAL_DEFAULT) == CURLE_OK;
    (void)fait;
}

// What the callbacks share during one exchange.
struct Echange {
    const QByteArray& octets;
    const SuiviEnvoi& suivi;
    qsizetype lus = 0;
    QStringList lignes;   // the reply being received
    QStringList reponses; // complete replies, lines joined by "\n"
};

size_t lire(char* tampon, size_t taille, size_t nombre, void* donnees) {
    auto* e = static_cast<Echange*>(donnees);
    const qsizetype n = qMin(qsizetype(taille * nombre), e->octets.size() - e->lus);
    std::memcpy(tampon, e->octets.constData() + e->lus, size_t(n));
    e->lus += n;
    return size_t(n);
}

// libcurl hands every reply line of the server to the header callback.
size_t recevoir(char* octets, size_t taille, size_t nombre, void* donnees) {
    auto* e = static_cast<Echange*>(donnees);
    const size_t n = taille * nombre;
    QString ligne = QString::fromUtf8(octets, qsizetype(n));
    while (ligne.endsWith(QLatin1Char('\n')) || ligne.endsWith(QLatin1Char('\r'))) {
        ligne.chop(1);
    }
    e->lignes.append(ligne);
    if (ligne.size() < 4 || ligne[3] != QLatin1Char('-')) {
        e->reponses.append(e->lignes.join(QLatin1Char('\n')));
        e->lignes.clear();
    }
    return n;
}

size_t ignorer(char*, size_t taille, size_t nombre, void*) {
    return taille * nombre;
}

int progres(void* donnees, curl_off_t, curl_off_t, curl_off_t total, curl_off_t envoyes) {
    const auto* e = static_cast<Echange*>(donnees);
    return !e->suivi || e->suivi(qint64(envoyes), qint64(total)) ? 0 : 1;
}

// The name given with EHLO: this machine's, when it is a plain host name.
QByteArray nom_client() {
    const QByteArray nom = QSysInfo::machineHostName().toLatin1();
    const bool sur = !nom.isEmpty() && std::all_of(nom.begin(), nom.end(), [](char c) {
        return std::isalnum(uchar(c)) || c == '.' || c == '-';
    });
    return sur ? nom : QByteArray("localhost");
}

// The reply that answered the message: the goodbye to QUIT does not count.
QString derniere_reponse(const QStringList& reponses) {
    for (auto r = reponses.crbegin(); r != reponses.crend(); ++r) {
        if (!r->startsWith(QStringLiteral("221"))) {
            return *r;
        }
    }
    return {};
}

QString texte_echec(CURLcode code, const QString& detail, const QString& hote, int port) {
    switch (code) {
    case CURLE_COULDNT_CONNECT:
        return texte(textes_mail::connexion_impossible).arg(hote).arg(port).arg(detail);
    case CURLE_COULDNT_RESOLVE_HOST:
        return texte(textes_mail::serveur_introuvable).arg(hote);
    case CURLE_OPERATION_TIMEDOUT:
        return texte(textes_mail::serveur_muet).arg(hote).arg(port);
    case CURLE_PEER_FAILED_VERIFICATION:
        return texte(textes_mail::certificat_refuse).arg(detail);
    case CURLE_SSL_CONNECT_ERROR:
        return texte(textes_mail::tls_echoue).arg(detail);
    case CURLE_USE_SSL_FAILED:
        return texte(textes_mail::tls_absent);
    case CURLE_LOGIN_DENIED:
        return texte(textes_mail::identification_refusee).arg(detail);
    case CURLE_ABORTED_BY_CALLBACK:
        return texte(textes_mail::envoi_interrompu);
    default:
        return texte(textes_mail::echec_smtp).arg(detail);
    }
}

ResultatEnvoi resultat(CURLcode code, const char* detail, const Echange& e,
                       const ParametresSmtp& p) {
    ResultatEnvoi r;
    r.reussi = code == CURLE_OK;
    r.reponse_serveur = derniere_reponse(e.reponses);
    if (r.reussi) {
        return r;
    }
    const QString precision =
        QString::fromUtf8(*detail != '\0' ? detail : curl_easy_strerror(code));
    r.erreur = texte_echec(code, precision, p.serveur.trimmed(), lire_port(p.port).value_or(0));
    if (r.reponse_serveur.startsWith(QLatin1Char('4')) ||
        r.reponse_serveur.startsWith(QLatin1Char('5'))) {
        r.erreur += QLatin1Char('\n') + texte(textes_mail::reponse_serveur).arg(r.reponse_serveur);
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
    const long total_s = long((p.delais.total.count() + 999) / 1000);
    curl_easy_setopt(curl, CURLOPT_URL, c.url.constData());
    curl_easy_setopt(curl, CURLOPT_PROTOCOLS_STR, "smtp,smtps");
    curl_easy_setopt(curl, CURLOPT_NOSIGNAL, 1L);
    // QUIT is sent within the exchange, under its time limits.
    curl_easy_setopt(curl, CURLOPT_FORBID_REUSE, 1L);
    curl_easy_setopt(curl, CURLOPT_CONNECTTIMEOUT_MS, long(p.delais.connexion.count()));
    curl_easy_setopt(curl, CURLOPT_TIMEOUT_MS, long(p.delais.total.count()));
    curl_easy_setopt(curl, CURLOPT_SERVER_RESPONSE_TIMEOUT, total_s);
    curl_easy_setopt(curl, CURLOPT_MAIL_FROM, c.de.constData());
    curl_easy_setopt(curl, CURLOPT_MAIL_RCPT, rcpt);
    curl_easy_setopt(curl, CURLOPT_UPLOAD, 1L);
    curl_easy_setopt(curl, CURLOPT_INFILESIZE_LARGE, curl_off_t(e.octets.size()));
    curl_easy_setopt(curl, CURLOPT_READFUNCTION, &lire);
    curl_easy_setopt(curl, CURLOPT_READDATA, &e);
    curl_easy_setopt(curl, CURLOPT_HEADERFUNCTION, &recevoir);
    curl_easy_setopt(curl, CURLOPT_HEADERDATA, &e);
    curl_easy_setopt(curl, CURLOPT_WRITEFUNCTION, &ignorer);
    curl_easy_setopt(curl, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(curl, CURLOPT_XFERINFOFUNCTION, &progres);
    curl_easy_setopt(curl, CURLOPT_XFERINFODATA, &e);
}

} // namespace

ResultatEnvoi envoyer_message(const ParametresSmtp& p, const MessageCR& message,
                              const SuiviEnvoi& suivi) {
    if (const QString refus = verifier_envoi(p, message); !refus.isEmpty()) {
        return {false, refus, {}};
    }
    initialiser_curl();
    const bool authentification = !p.utilisateur.isEmpty() && !p.mot_de_passe.isEmpty();
    const ModeConnexion mode = mode_connexion(p.securite, *lire_port(p.port), authentification);
    const Chaines c = chaines(p, message, mode);
    const QByteArray octets = octets_message(message);
    Easy curl(curl_easy_init(), &curl_easy_cleanup);
    Liste rcpt = destinataires(message);
    Echange e{octets, suivi, 0, {}, {}};
    char detail[CURL_ERROR_SIZE] = {};
    if (!curl || !rcpt) {
        return resultat(CURLE_OUT_OF_MEMORY, detail, e, p);
    }
    regler_echange(curl.get(), p, c, rcpt.get(), e);
    regler_securite(curl.get(), p, mode, c);
    curl_easy_setopt(curl.get(), CURLOPT_ERRORBUFFER, detail);
    const CURLcode code = curl_easy_perform(curl.get());
    return resultat(code, detail, e, p);
}

} // namespace vorek
