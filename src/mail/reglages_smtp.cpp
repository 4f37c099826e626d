#include "reglages_smtp.h"

#include <QSettings>

namespace vorek {

namespace {

const char* const section = "Envoi_SMTP/";
const char* const mots_securite[] = {"auto", "starttls", "tls", "aucune"};

QString cle(const char* nom) {
    return QLatin1String(section) + QLatin1String(nom);
}

SecuriteSmtp securite_depuis(const QString& mot) {
    for (int i = 0; i < int(std::size(mots_securite)); ++i) {
        if (mot == QLatin1String(mots_securite[i])) {
            return SecuriteSmtp(i);
        }
    }
    return SecuriteSmtp::automatique;
}

} // namespace

ReglagesSmtp lire_reglages_smtp(const QSettings& ini) {
    ReglagesSmtp r;
    r.serveur = ini.value(cle("Serveur")).toString().trimmed();
    r.port = ini.value(cle("Port")).toString().trimmed();
    r.securite = securite_depuis(ini.value(cle("Securite")).toString().trimmed());
    r.utilisateur = ini.value(cle("Utilisateur")).toString();
    r.verifier_certificat = ini.value(cle("VerifierCertificat")).toString().trimmed() != u"0";
    return r;
}

void ecrire_reglages_smtp(QSettings& ini, const ReglagesSmtp& r) {
    ini.setValue(cle("Serveur"), r.serveur);
    ini.setValue(cle("Port"), r.port);
    ini.setValue(cle("Securite"), QLatin1String(mots_securite[int(r.securite)]));
    ini.setValue(cle("Utilisateur"), r.utilisateur);
    ini.setValue(cle("VerifierCertificat"),
                 QStringLiteral("%1").arg(r.verifier_certificat ? 1 : 0));
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

} // namespace vorek
