#pragma once

#include "base/dialogues.h"

#include <QStringList>
#include <QTextStream>

namespace vorek {

// The tool has no boxes: a message goes to stderr, each text once per run (the load and the
// report would both tell of the missing member database); an error box ends the command,
// which fails with the first one's text. Nothing is ever asked: questions are cancelled.
class DialoguesCli : public Dialogues {
  public:
    explicit DialoguesCli(QTextStream& sortie) : sortie_(sortie) {}

    void message(TypeMessage type, const QString& texte) override;
    Reponse question(const QString&, bool) override { return Reponse::annuler; }
    bool confirmer(const QString&) override { return false; }
    QString fichier_a_ouvrir(const DemandeFichier&) override { return QString(); }
    QString fichier_a_enregistrer(const DemandeFichier&) override { return QString(); }
    QString dossier_a_ouvrir(const DemandeFichier&) override { return QString(); }

    // Throws Erreur with the first error box's text, once there was one.
    void arreter_si_erreur() const;

  private:
    QTextStream& sortie_;
    QStringList dits_;
    QString erreur_;
};

} // namespace vorek
