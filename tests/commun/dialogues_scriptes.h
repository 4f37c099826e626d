#pragma once

#include "base/dialogues.h"

#include <QList>
#include <QStringList>

// A dialogs double for the tests: records every text shown and gives planned answers in
// order. An unplanned question is answered Cancel and an unplanned file dialog is
// cancelled, and both are recorded, so a test sees them.
class DialoguesScriptes : public vorek::Dialogues {
  public:
    struct Message {
        vorek::TypeMessage type;
        QString texte;
    };

    void message(vorek::TypeMessage type, const QString& texte) override;
    vorek::Reponse question(const QString& texte, bool avec_annuler) override;
    // Recorded with the questions; a planned oui is OK, anything else Cancel.
    bool confirmer(const QString& texte) override;
    QString fichier_a_ouvrir(const vorek::DemandeFichier& demande) override;
    QString fichier_a_enregistrer(const vorek::DemandeFichier& demande) override;
    // Planned with prevoir_fichier, as the files.
    QString dossier_a_ouvrir(const vorek::DemandeFichier& demande) override;

    void prevoir_reponse(vorek::Reponse reponse) { reponses.append(reponse); }
    void prevoir_fichier(const QString& chemin) { fichiers.append(chemin); }
    QStringList textes() const;

    QList<Message> messages;
    QStringList questions;
    QList<vorek::DemandeFichier> demandes;
    QList<vorek::Reponse> reponses;
    QStringList fichiers;
};
