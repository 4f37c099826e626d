#include "contexte_cli.h"

#include "base/dates.h"
#include "entry/chargement.h"
#include "refdata/referentiel.h"

#include <QFileInfo>

namespace vorek {

void charger_pour_cli(ContexteCli& contexte, const Referentiel& referentiel,
                      const QString& chemin) {
    // On the command line a relative path is relative to the current folder.
    const QString complet = QFileInfo(chemin).absoluteFilePath();
    Etat& etat = contexte.etat;
    etat.fichier_courant = complet;
    charger_fichier(etat, complet,
                    actions_chargement(etat, referentiel, contexte.dialogues, QString(),
                                       annee_courante(contexte.aujourdhui)));
    contexte.dialogues.arreter_si_erreur();
}

int commande_resume(ContexteCli& contexte) {
    const Referentiel referentiel(contexte.etat.rep_cfg, contexte.etat.rep_BD);
    charger_pour_cli(contexte, referentiel, contexte.arguments.positionnels[0]);
    const Etat& etat = contexte.etat;
    contexte.sortie << "colonnes=" << etat.table.nb_colonnes() << '\n'
                    << "lignes=" << etat.table.nb_lignes() << '\n'
                    << "ligne_suivante=" << etat.ligne_suivante << '\n'
                    << "qso=" << compter_QSO(etat.table) << '\n'
                    << "indicatif=" << etat.station.station_call << '\n';
    return 0;
}

} // namespace vorek
