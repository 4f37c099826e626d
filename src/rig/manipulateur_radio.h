#pragma once

#include "manipulateur.h"

#include <QPointer>

namespace vorek {

class SuiviRadio;

// The rig's own keyer, reached through the rig link that SuiviRadio keeps in its thread.
// It is "vérifié" while that link is up.
class ManipulateurRadio : public Manipulateur {
    Q_OBJECT

  public:
    ManipulateurRadio(SuiviRadio& radio, int wpm, QObject* parent = nullptr);

    static const SorteManipulateur& declaration();

  protected:
    bool transmettre(const QString& texte) override;
    void interrompre() override;
    void appliquer_vitesse(int wpm) override;

  private:
    QPointer<SuiviRadio> radio_;
};

} // namespace vorek
