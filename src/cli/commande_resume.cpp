#include "contexte_cli.h"

#include "refdata/noms_fichiers.h"
#include "refdata/pays.h"

#include <QFileInfo>

#include <memory>

namespace vorek {

ActionsChargement actions_chargement_cli(ContexteCli& contexte) {
    ActionsChargement actions;
    auto pays =
        std::make_shared<DonneesPays>(contexte.etat.rep_cfg + QLatin1Char('/') + nom_liste_dxcc);
    actions.continent_de = [pays](const QString& indicatif) {
        return pays->trouver_pays(indicatif).dxcc_continent;
    };
    return actions;
}

void charger_pour_cli(ContexteCli& contexte, const QString& chemin) {
    // On the command line a relative path is relative to the current folder.
    const QString complet = QFileInfo(chemin).absoluteFilePath();
    contexte.etat.fichier_courant = complet;
    charger_fichier(contexte.etat, complet, actions_chargement_cli(contexte));
}

int commande_resume(ContexteCli& contexte) {
    if (contexte.arguments.size() != 1) {
        throw ErreurUsage{QStringLiteral("usage : vorek resume FICHIER.VRK")};
    }
    charger_pour_cli(contexte, contexte.arguments[0]);
    const Etat& etat = contexte.etat;
    contexte.sortie << "colonnes=" << etat.table.nb_colonnes() << '\n'
                    << "lignes=" << etat.table.nb_lignes() << '\n'
                    << "ligne_suivante=" << etat.ligne_suivante << '\n'
                    << "qso=" << compter_QSO(etat.table) << '\n'
                    << "indicatif=" << etat.station_call << '\n';
    return 0;
}

} // namespace vorek
