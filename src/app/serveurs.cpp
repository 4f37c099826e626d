#include "app/serveurs.h"

#include "base/fichier_reglages.h"

#include <QFile>

namespace vorek {

namespace {

QString adresse_de_base(const QString& valeur, const QString& schema) {
    QString adresse = valeur.trimmed();
    while (adresse.endsWith(QLatin1Char('/'))) {
        adresse.chop(1);
    }
    if (!adresse.contains(QStringLiteral("://"))) {
        adresse.prepend(schema + QStringLiteral("://"));
    }
    return adresse;
}

QString lire_cle(const FichierReglages& reglages, Cle cle, const QString& defaut) {
    const QString valeur = reglages.texte(cle, QString()).trimmed();
    return valeur.isEmpty() ? defaut : valeur;
}

} // namespace

ConfigServeurs config_serveurs_defaut() {
    // The club has not named its server yet; ".invalid" never resolves.
    return {QStringLiteral("http://club.invalid"), QStringLiteral("https://www.country-files.com"),
            QStringLiteral("correction@club.invalid")};
}

ConfigServeurs lire_config_serveurs(const QString& rep_cfg) {
    ConfigServeurs config = config_serveurs_defaut();
    const QString chemin = rep_cfg + QLatin1Char('/') + QLatin1String(nom_fichier_serveurs);
    if (!QFile::exists(chemin)) {
        return config;
    }
    const FichierReglages reglages(chemin);
    config.serveur_club = adresse_de_base(
        lire_cle(reglages, Cle::serveur_club, config.serveur_club), QStringLiteral("http"));
    config.serveur_pays = adresse_de_base(
        lire_cle(reglages, Cle::serveur_pays, config.serveur_pays), QStringLiteral("https"));
    config.email_comite = lire_cle(reglages, Cle::email_comite, config.email_comite);
    return config;
}

QString url_base_membres(const ConfigServeurs& config) {
    return config.serveur_club + QStringLiteral("/Concours/ZTC_mini_2021.csv");
}

QString url_fichier_pays(const ConfigServeurs& config) {
    return config.serveur_pays + QStringLiteral("/cty/cty_wt.dat");
}

} // namespace vorek
