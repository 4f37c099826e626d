#include "dialogues_scriptes.h"

void DialoguesScriptes::message(vorek::TypeMessage type, const QString& texte) {
    messages.append({type, texte});
}

vorek::Reponse DialoguesScriptes::question(const QString& texte, bool) {
    questions.append(texte);
    return reponses.isEmpty() ? vorek::Reponse::annuler : reponses.takeFirst();
}

bool DialoguesScriptes::confirmer(const QString& texte) {
    return question(texte, true) == vorek::Reponse::oui;
}

QString DialoguesScriptes::fichier_a_ouvrir(const vorek::DemandeFichier& demande) {
    demandes.append(demande);
    return fichiers.isEmpty() ? QString() : fichiers.takeFirst();
}

QString DialoguesScriptes::fichier_a_enregistrer(const vorek::DemandeFichier& demande) {
    demandes.append(demande);
    return fichiers.isEmpty() ? QString() : fichiers.takeFirst();
}

QString DialoguesScriptes::dossier_a_ouvrir(const vorek::DemandeFichier& demande) {
    return fichier_a_enregistrer(demande);
}

QStringList DialoguesScriptes::textes() const {
    QStringList resultat;
    for (const Message& m : messages) {
        resultat.append(m.texte);
    }
    return resultat;
}
