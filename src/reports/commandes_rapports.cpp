#include "commandes_rapports.h"

#include "redacteurs.h"

#include "base/erreur.h"
#include "log/etat.h"
#include "refdata/referentiel.h"
#include "rules/textes_regles.h"

namespace vorek {

namespace {

void signaler_base_absente(bool absente, const QString& message, Dialogues& dialogues) {
    // Once per command: every row's look-up would tell the same.
    if (absente) {
        dialogues.message(TypeMessage::simple, message);
    }
}

} // namespace

CompteRendu executer_ecrire_log(ContexteRapport& contexte) {
    CompteRendu compte_rendu;
    const OperationReferentiel operation(contexte.referentiel);
    try {
        for (const RedacteurRapport* redacteur : redacteurs_compte_rendu()) {
            const EcritureRapport ecriture = redacteur->ecrire(contexte, QString());
            compte_rendu.base_membres_absente |= ecriture.base_membres_absente;
            compte_rendu.chemins.append(ecriture.chemin);
        }
    } catch (const Erreur& e) {
        compte_rendu.erreur = e.message();
    }
    return compte_rendu;
}

QString message_ecrire_log() {
    return QStringLiteral("Les fichiers Compte Rendu CABRILLO (*.LOG) et ADIF (*.ADI)\n\r"
                          "sont enregistrés sous le répertoire \"Fichier_Challenge\" ");
}

bool ecrire_log(ContexteRapport& contexte, Dialogues& dialogues) {
    return signaler_compte_rendu(executer_ecrire_log(contexte), dialogues);
}

bool signaler_compte_rendu(const CompteRendu& compte_rendu, Dialogues& dialogues) {
    // The text report rescored the log from its own member numbers.
    signaler_base_absente(compte_rendu.base_membres_absente, textes::base_membres_absente_score(),
                          dialogues);
    if (!compte_rendu.erreur.isEmpty()) {
        dialogues.message(TypeMessage::erreur, compte_rendu.erreur);
        return false;
    }
    dialogues.message(TypeMessage::simple,
                      message_ecrire_log() + QStringLiteral("\r\r") +
                          emplacements(QStringLiteral("Fichiers écrits :"), compte_rendu.chemins));
    return true;
}

bool commande_exporter(const RedacteurRapport& redacteur, ContexteRapport& contexte,
                       Dialogues& dialogues) {
    QString nom;
    if (const std::optional<DemandeFichier> demande = redacteur.demande()) {
        nom = dialogues.fichier_a_enregistrer(*demande);
        if (nom.isEmpty()) {
            return false;
        }
    }
    try {
        const EcritureRapport ecriture = redacteur.ecrire(contexte, nom);
        signaler_base_absente(ecriture.base_membres_absente,
                              QString::fromLatin1(message_base_membres_absente), dialogues);
        dialogues.message(TypeMessage::simple, redacteur.annonce(contexte.etat, ecriture.chemin));
        return true;
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

} // namespace vorek
