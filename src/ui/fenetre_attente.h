#pragma once

#include "app/demarrage.h"

#include <QPointer>
#include <QWidget>

namespace vorek {

// The red, borderless, always-on-top window of the member-database fetch.
class FenetreAttenteQt : public FenetreAttente {
  public:
    void ouvrir() override;
    void fermer() override;
    // For the tests: the window while it is shown.
    QWidget* fenetre() const { return fenetre_; }
    int ouvertures() const { return ouvertures_; }

  private:
    QPointer<QWidget> fenetre_;
    int ouvertures_ = 0;
};

inline const char* const legende_attente =
    "La Base de Données ZTC est en cours de chargement..... QRX !";

} // namespace vorek
