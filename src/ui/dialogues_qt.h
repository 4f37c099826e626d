#pragma once

#include "base/dialogues.h"

#include <QPointer>
#include <QWidget>

namespace vorek {

// The real message boxes and file dialogs, over the window that is active at the time.
class DialoguesQt : public Dialogues {
  public:
    void message(TypeMessage type, const QString& texte) override;
    Reponse question(const QString& texte, bool avec_annuler) override;
    bool confirmer(const QString& texte) override;
    QString fichier_a_ouvrir(const DemandeFichier& demande) override;
    QString fichier_a_enregistrer(const DemandeFichier& demande) override;
    QString dossier_a_ouvrir(const DemandeFichier& demande) override;
};

// "Challenge VOREK|*.VRK" (description, pattern, ...) as a Qt name filter; a description
// that already ends with its patterns, "Fichier ADIF (*.adi)", is shown as it stands.
QString filtre_qt(const QString& filtre);

} // namespace vorek
