#include "echange_smtp.h"

#include "base/journal_diagnostic.h"

#include <algorithm>
#include <cstring>

namespace vorek {

namespace {

// A reply line may hold 512 characters; a reply of more lines than this is a hostile one.
constexpr qsizetype longueur_max_ligne = 512;
constexpr qsizetype lignes_max_reponse = 40;

Echange& echange(void* donnees) {
    return *static_cast<Echange*>(donnees);
}

QString sans_mot_de_passe(const Echange& e, const QByteArray& octets) {
    QByteArray texte = octets;
    if (!e.mot_de_passe.isEmpty()) {
        texte.replace(e.mot_de_passe, "****");
    }
    return texte_serveur(QString::fromUtf8(texte)).trimmed();
}

void dire_commande(Echange& e, const QByteArray& commande) {
    QByteArray dite = commande;
    if (commande.startsWith("AUTH ")) {
        e.authentification = true;
        const QByteArrayList mots = commande.split(' ');
        dite = "AUTH " + mots.value(1) + (mots.size() > 2 ? " ****" : "");
    } else if (e.authentification) {
        dite = "****";
    }
    qCInfo(journal_smtp).noquote() << "->" << sans_mot_de_passe(e, dite);
}

} // namespace

Echange::Echange(const QByteArray& message, const SuiviEnvoi& suivi_envoi, const DelaisSmtp& delais)
    : octets(message), suivi(suivi_envoi), fin(Horloge::now() + delais.total), adieu(delais.adieu) {
}

QString texte_serveur(const QString& ligne) {
    QString propre;
    propre.reserve(qMin(ligne.size(), longueur_max_ligne));
    for (const QChar c : ligne) {
        if (propre.size() == longueur_max_ligne) {
            break;
        }
        if (c.category() != QChar::Other_Control && c.category() != QChar::Other_Format) {
            propre.append(c);
        }
    }
    return propre;
}

QString derniere_reponse(const QStringList& reponses) {
    for (auto r = reponses.crbegin(); r != reponses.crend(); ++r) {
        if (!r->startsWith(QStringLiteral("221"))) {
            return *r;
        }
    }
    return {};
}

size_t lire_message(char* tampon, size_t taille, size_t nombre, void* donnees) {
    Echange& e = echange(donnees);
    const qsizetype n = qMin(qsizetype(taille * nombre), e.octets.size() - e.lus);
    std::memcpy(tampon, e.octets.constData() + e.lus, size_t(n));
    e.lus += n;
    return size_t(n);
}

// libcurl hands every reply line of the server to the header callback.
size_t recevoir_ligne(char* octets, size_t taille, size_t nombre, void* donnees) {
    Echange& e = echange(donnees);
    const size_t n = taille * nombre;
    const QString ligne = QString::fromUtf8(octets, qsizetype(n));
    // A line "250-..." announces more lines; its code and dash stand before any cleaning.
    const bool suite = ligne.size() >= 4 && ligne[3] == QLatin1Char('-');
    if (e.lignes.size() < lignes_max_reponse) {
        e.lignes.append(texte_serveur(ligne));
    }
    if (!suite) {
        e.reponses.append(e.lignes.join(QLatin1Char('\n')));
        e.lignes.clear();
        // 334 asks for more of the credentials; any other reply ends their exchange.
        e.authentification = e.authentification && e.reponses.last().startsWith(u"334");
        qCInfo(journal_smtp).noquote() << "<-" << e.reponses.last();
    }
    return n;
}

size_t ignorer(char*, size_t taille, size_t nombre, void*) {
    return taille * nombre;
}

int suivre_progres(void* donnees, curl_off_t, curl_off_t, curl_off_t total, curl_off_t envoyes) {
    Echange& e = echange(donnees);
    if (Echange::Horloge::now() >= e.fin) {
        e.delai_depasse = true;
        return 1;
    }
    return !e.suivi || e.suivi(qint64(envoyes), qint64(total)) ? 0 : 1;
}

int voir_commande(CURL*, curl_infotype type, char* octets, size_t taille, void* donnees) {
    Echange& e = echange(donnees);
    const QByteArray texte(octets, qsizetype(taille));
    if (type == CURLINFO_HEADER_OUT) {
        if (texte.startsWith("QUIT")) {
            e.fin = std::min(e.fin, Echange::Horloge::now() + e.adieu);
        }
        for (const QByteArray& commande : texte.split('\n')) {
            if (!commande.trimmed().isEmpty()) {
                dire_commande(e, commande.trimmed());
            }
        }
    } else if (type == CURLINFO_TEXT) {
        qCDebug(journal_smtp).noquote() << "libcurl :" << sans_mot_de_passe(e, texte);
    }
    return 0;
}

} // namespace vorek
