#pragma once

#include "contexte.h"

#include <QObject>

namespace vorek {

// The running program: its four windows created in order, each creation doing its part of
// the start-up, then the station window shown.
class Programme : public QObject {
    Q_OBJECT

  public:
    Programme(Etat& etat, Dialogues& dialogues, const Horloge& horloge, FenetreAttente& attente,
              OptionsProgramme options);
    ~Programme() override;

    Contexte& contexte() { return contexte_; }
    bool termine() const { return termine_; }

  signals:
    // The program has ended: every window is closed.
    void fin();

  private:
    void terminer();

    Contexte contexte_;
    bool termine_ = false;
};

} // namespace vorek
