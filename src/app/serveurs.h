#pragma once

#include <QString>

namespace vorek {

// Where the reference files come from and where the report goes. Compiled-in defaults,
// overridden by cfg/serveurs.ini:
//   [serveurs]
//   club=club.example.org            (or a base address such as http://127.0.0.1:8080)
//   pays=www.country-files.com
//   [comite]
//   email=correction@example.org
struct ConfigServeurs {
    QString serveur_club; // base address, scheme included, no trailing "/"
    QString serveur_pays;
    QString email_comite;
};

inline const char* const nom_fichier_serveurs = "serveurs.ini";

ConfigServeurs config_serveurs_defaut();

// A missing file or key keeps the default. A bare host name gets the file's usual scheme
// (plain HTTP for the club, HTTPS for the country file).
ConfigServeurs lire_config_serveurs(const QString& rep_cfg);

QString url_base_membres(const ConfigServeurs& config);
QString url_fichier_pays(const ConfigServeurs& config);

} // namespace vorek
