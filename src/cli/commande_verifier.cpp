#include "contexte_cli.h"

#include "app/parametres.h"
#include "app/station.h"
#include "base/dates.h"
#include "refdata/referentiel.h"
#include "stats/verification.h"

namespace vorek {

// "Vérifier le compte rendu" without the windows: the report written, read back and
// checked, one finding a line. The station's e-mail address comes from the settings file,
// as the station window takes it at start.
int commande_verifier(ContexteCli& contexte) {
    if (contexte.arguments.size() != 1 || contexte.arguments[0].startsWith(QStringLiteral("--"))) {
        throw ErreurUsage{QStringLiteral("usage : vorek verifier FICHIER.VRK")};
    }
    Etat& etat = contexte.etat;
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments[0]);
    etat.station.email_saisi =
        lire_parametres(chemin_parametres(etat), etat.table.nb_colonnes()).email;
    email_station(etat, etat.station.email_saisi);
    const ResultatVerification resultat =
        verifier_compte_rendu(etat, referentiel, annee_courante(contexte.aujourdhui));
    for (const Constat& constat : resultat.constats) {
        contexte.sortie << constat.ligne << '\t' << constat.code << '\t' << constat.texte << '\n';
    }
    return resultat.constats.isEmpty() ? 0 : 1;
}

} // namespace vorek
