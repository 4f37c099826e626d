#include "commandes_fichier.h"

#include "base/dialogues.h"
#include "base/erreur.h"
#include "etat.h"

#include <QFileInfo>

namespace vorek {

namespace {

bool sauver_en_signalant(Etat& etat, const QString& chemin, Dialogues& dialogues) {
    try {
        sauver_fichier(etat, chemin);
        return true;
    } catch (const Erreur& e) {
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

} // namespace

DemandeFichier demande_ouverture_challenge(const Etat& etat) {
    return {QString(), QStringLiteral("Challenge VOREK  |*.VRK"), QStringLiteral("VRK"),
            etat.rep_challenge, QString()};
}

DemandeFichier demande_enregistrement_challenge(const Etat& etat) {
    return {QString(), QStringLiteral("Challenge VOREK |*.VRK"), QStringLiteral("VRK"),
            etat.rep_challenge, QString()};
}

bool enregistrer(Etat& etat, Dialogues& dialogues) {
    return sauver_en_signalant(etat, etat.fichier_courant, dialogues);
}

bool enregistrer_sous(Etat& etat, Dialogues& dialogues) {
    const QString choisi = dialogues.fichier_a_enregistrer(demande_enregistrement_challenge(etat));
    if (choisi.isEmpty()) {
        return false;
    }
    // The full path: a bare name would send the next saves back to the work folder and
    // leave the log spread over two files.
    const QString chemin = QFileInfo(chemin_dans_challenge(etat, choisi)).absoluteFilePath();
    if (!sauver_en_signalant(etat, chemin, dialogues)) {
        return false;
    }
    etat.fichier_courant = chemin;
    emit etat.annonces.fichier_courant_change();
    return true;
}

bool ouvrir(Etat& etat, Dialogues& dialogues, const ActionsChargement& actions) {
    if (!demander_sauvegarde(etat, dialogues)) {
        return false;
    }
    const QString choisi = dialogues.fichier_a_ouvrir(demande_ouverture_challenge(etat));
    if (choisi.isEmpty()) {
        return false;
    }
    // The load replaces nothing when the file is bad, so the current file comes back too.
    const QString precedent = etat.fichier_courant;
    etat.fichier_courant = choisi;
    try {
        charger_fichier(etat, choisi, actions);
        return true;
    } catch (const Erreur& e) {
        etat.fichier_courant = precedent;
        dialogues.message(TypeMessage::erreur, e.message());
        return false;
    }
}

bool fermer(Etat& etat, Dialogues& dialogues) {
    return sauver_en_signalant(etat, etat.fichier_courant, dialogues);
}

bool fermeture_autorisee(Etat& etat, Dialogues& dialogues) {
    return demander_sauvegarde(etat, dialogues);
}

} // namespace vorek
