#include "contexte_cli.h"

#include "base/erreur.h"
#include "refdata/referentiel.h"
#include "reports/commandes_rapports.h"
#include "reports/redacteurs.h"
#include "rules/textes_regles.h"

namespace vorek {

void avertir_base_membres_absente(ContexteCli& contexte, bool absente) {
    if (absente) {
        contexte.dialogues.message(TypeMessage::simple,
                                   QString::fromUtf8(message_base_membres_absente));
    }
}

int commande_rapport(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    // One command, one look at each reference file.
    const OperationReferentiel operation(referentiel);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    ContexteRapport rapport{contexte.etat, referentiel, contexte.aujourdhui, QString()};
    const CompteRendu compte_rendu = executer_ecrire_log(rapport);
    for (const QString& chemin : compte_rendu.chemins) {
        contexte.sortie << chemin << '\n';
    }
    // As the window's report command says it: the rescoring used the log's own numbers.
    if (compte_rendu.base_membres_absente) {
        contexte.dialogues.message(TypeMessage::simple, textes::base_membres_absente_score());
    }
    if (!compte_rendu.erreur.isEmpty()) {
        throw Erreur(compte_rendu.erreur);
    }
    return 0;
}

int exporter_cli(ContexteCli& contexte, const RedacteurRapport& redacteur) {
    const QStringList& arguments = contexte.arguments.positionnels;
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, arguments[0]);
    ContexteRapport rapport{contexte.etat, referentiel, contexte.aujourdhui, QString()};
    // An export the operator names takes its name from the command line.
    const QString nom_choisi = redacteur.demande() ? arguments.value(1) : QString();
    const EcritureRapport ecriture = redacteur.ecrire(rapport, nom_choisi);
    contexte.sortie << ecriture.chemin << '\n';
    avertir_base_membres_absente(contexte, ecriture.base_membres_absente);
    return 0;
}

} // namespace vorek
