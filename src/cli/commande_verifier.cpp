#include "contexte_cli.h"

#include "app/parametres.h"
#include "base/dates.h"
#include "refdata/referentiel.h"
#include "stats/avant_envoi.h"

namespace vorek {

// "Vérifier le compte rendu" without the windows: the report written, read back and
// checked, one finding a line. The station's e-mail address is the settings file's, which
// the station window shows at start.
int commande_verifier(ContexteCli& contexte) {
    Etat& etat = contexte.etat;
    const Referentiel referentiel(etat.rep_cfg, etat.rep_BD);
    // One command, one look at each reference file.
    const OperationReferentiel operation(referentiel);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    etat.station.email_saisi =
        lire_parametres(chemin_parametres(etat), etat.table.nb_colonnes()).email;
    const ResultatVerification resultat =
        verifier_compte_rendu(etat, referentiel, annee_courante(contexte.aujourdhui));
    for (const Constat& constat : resultat.constats) {
        contexte.sortie << constat.ligne << '\t' << constat.code << '\t' << constat.texte << '\n';
    }
    return resultat.constats.isEmpty() ? 0 : 1;
}

void avertir_avant_envoi(ContexteCli& contexte, const MessageCR& message) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    for (const Constat& constat : verifier_piece_jointe(
             message, {contexte.etat, referentiel, annee_courante(contexte.aujourdhui)})) {
        contexte.dialogues.message(TypeMessage::avertissement, texte_constat(constat));
    }
}

} // namespace vorek
