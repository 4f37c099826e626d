#include "reglages_smtp.h"

#include "base/fichier_reglages.h"

namespace vorek {

namespace {

const char* const mots_securite[] = {"auto", "starttls", "tls", "aucune"};

} // namespace

QString mot_securite(SecuriteSmtp securite) {
    return QLatin1String(mots_securite[int(securite)]);
}

std::optional<SecuriteSmtp> securite_du_mot(const QString& mot) {
    for (int i = 0; i < int(std::size(mots_securite)); ++i) {
        if (mot == QLatin1String(mots_securite[i])) {
            return SecuriteSmtp(i);
        }
    }
    return std::nullopt;
}

ReglagesSmtp lire_reglages_smtp(const FichierReglages& ini) {
    ReglagesSmtp r;
    r.serveur = ini.texte(Cle::smtp_serveur, QString()).trimmed();
    r.port = ini.texte(Cle::smtp_port, QString()).trimmed();
    r.securite = securite_du_mot(ini.texte(Cle::smtp_securite, QString()).trimmed())
                     .value_or(SecuriteSmtp::automatique);
    r.utilisateur = ini.texte(Cle::smtp_utilisateur, QString());
    r.verifier_certificat = ini.texte(Cle::smtp_verifier_certificat, QString()).trimmed() != u"0";
    return r;
}

void ecrire_reglages_smtp(FichierReglages& ini, const ReglagesSmtp& r) {
    ini.ecrire(Cle::smtp_serveur, r.serveur);
    ini.ecrire(Cle::smtp_port, r.port);
    ini.ecrire(Cle::smtp_securite, mot_securite(r.securite));
    ini.ecrire(Cle::smtp_utilisateur, r.utilisateur);
    ini.ecrire(Cle::smtp_verifier_certificat, r.verifier_certificat ? 1 : 0);
}

ReglagesSmtp reglages_proposes(const ReglagesSmtp& memorises, const QString& serveur_table,
                               const QString& port_table) {
    if (serveur_table.isEmpty()) {
        return memorises;
    }
    ReglagesSmtp r = serveur_table == memorises.serveur ? memorises : ReglagesSmtp{};
    r.serveur = serveur_table;
    r.port = port_table;
    return r;
}

ReglagesSmtp reglages_a_garder(const ReglagesSmtp& memorises, const ReglagesSmtp& courants) {
    ReglagesSmtp r = courants;
    if (courants.serveur.trimmed().isEmpty()) {
        r.serveur = memorises.serveur;
        r.port = memorises.port;
    }
    return r;
}

ParametresSmtp parametres_envoi(const ReglagesSmtp& reglages, const QString& mot_de_passe) {
    ParametresSmtp p;
    p.serveur = reglages.serveur;
    p.port = reglages.port;
    p.securite = reglages.securite;
    p.utilisateur = reglages.utilisateur;
    p.mot_de_passe = mot_de_passe;
    p.verifier_certificat = reglages.verifier_certificat;
    p.delais = delais_smtp();
    return p;
}

} // namespace vorek
