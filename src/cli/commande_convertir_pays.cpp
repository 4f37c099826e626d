#include "contexte_cli.h"

#include "app/serveurs.h"
#include "app/telechargement.h"
#include "refdata/conversion_pays.h"

#include <QDir>

#include <cstdio>

namespace vorek {

int commande_convertir_pays(ContexteCli& contexte) {
    const QString rep_cfg = contexte.etat.rep_cfg;
    QDir().mkpath(rep_cfg);
    const ConfigServeurs serveurs = lire_config_serveurs(rep_cfg);
    const ResultatConversion resultat =
        convertir_fichier_pays(rep_cfg, [&] { telecharger_fichier_pays(rep_cfg, serveurs); });
    for (const QString& entite : resultat.entites) {
        contexte.sortie << entite << '\n';
    }
    if (!resultat.avertissement.isEmpty()) {
        contexte.sortie.flush();
        std::fprintf(stderr, "%s\n", resultat.avertissement.toUtf8().constData());
        return 1;
    }
    return 0;
}

} // namespace vorek
