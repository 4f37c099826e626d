#pragma once

#include <QString>

namespace vorek {

// simple: a plain box, no icon, with its OK button.
enum class TypeMessage { simple, information, avertissement, erreur, confirmation };
enum class Reponse { oui, non, annuler };

struct DemandeFichier {
    QString titre;
    QString filtre;
    QString extension_defaut;
    QString dossier_initial;
    QString nom_initial;
};

// Everything the program asks or tells the operator goes through here: message boxes,
// confirmations and file dialogs. The windows use real boxes, the tests a scripted double.
class Dialogues {
  public:
    virtual ~Dialogues() = default;
    virtual void message(TypeMessage type, const QString& texte) = 0;
    // Yes/No, or Yes/No/Cancel when avec_annuler; closing the box answers annuler.
    virtual Reponse question(const QString& texte, bool avec_annuler) = 0;
    // A confirmation with OK and Cancel: true for OK.
    virtual bool confirmer(const QString& texte) = 0;
    // An empty path means the dialog was cancelled.
    virtual QString fichier_a_ouvrir(const DemandeFichier& demande) = 0;
    virtual QString fichier_a_enregistrer(const DemandeFichier& demande) = 0;
    // A folder that exists (titre and dossier_initial are used); empty when cancelled.
    virtual QString dossier_a_ouvrir(const DemandeFichier& demande) = 0;
};

} // namespace vorek
