#include "contexte_cli.h"
#include "textes_cli.h"

#include "app/parametres.h"
#include "base/erreur.h"
#include "rig/liaison_radio.h"
#include "rig/saisie_rig.h"
#include "rig/sortes_manipulateur.h"

namespace vorek {

// One reading of the rig, opened as the settings file says or as the options say.
int commande_radio(ContexteCli& contexte) {
    const ArgumentsLus& options = contexte.arguments;
    SaisieRig saisie = saisie_de(lire_reglages_rig(chemin_parametres(contexte.etat)));
    // Only the radio matters here: a keyer set up is neither checked nor used.
    saisie.type = sans_manipulateur().nom;
    if (options.contient(QStringLiteral("--modele"))) {
        bool ok = false;
        saisie.modele = options.valeur(QStringLiteral("--modele")).toInt(&ok);
        if (!ok || saisie.modele < 0) {
            throw ErreurUsage{
                textes_cli::modele_incorrect().arg(options.valeur(QStringLiteral("--modele")))};
        }
    }
    saisie.port = options.valeur(QStringLiteral("--port"), saisie.port);
    saisie.vitesse = options.valeur(QStringLiteral("--vitesse"), saisie.vitesse);
    const ReglagesSaisis lu = lire_saisie_rig(saisie);
    if (!lu.erreur.isEmpty()) {
        throw Erreur(lu.erreur);
    }
    LiaisonRadio liaison;
    EtatRadio etat;
    if (auto erreur = liaison.ouvrir(lu.reglages.radio)) {
        throw Erreur(*erreur);
    }
    if (auto erreur = liaison.lire(etat)) {
        throw Erreur(*erreur);
    }
    contexte.sortie << etat.frequence_hz << '\t' << etat.mode << '\t'
                    << etat.bande.value_or(QString()) << '\n';
    return 0;
}

} // namespace vorek
