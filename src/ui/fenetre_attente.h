#pragma once

#include "app/demarrage.h"

#include <QPointer>
#include <QWidget>

class QLabel;
class QProgressBar;

namespace vorek {

// The red, always-on-top window of the fetches: which file, how far, and "Passer" to go on
// without it.
class FenetreAttenteQt : public FenetreAttente {
  public:
    FenetreAttenteQt() = default;
    ~FenetreAttenteQt() override { fermer(); }
    FenetreAttenteQt(const FenetreAttenteQt&) = delete;
    FenetreAttenteQt& operator=(const FenetreAttenteQt&) = delete;
    void ouvrir(const QString& fichier) override;
    bool avancer(qint64 recus, qint64 attendus) override;
    void fermer() override;
    // For the tests: the window while it is shown.
    QWidget* fenetre() const { return fenetre_; }
    int ouvertures() const { return ouvertures_; }

  private:
    QPointer<QWidget> fenetre_;
    QPointer<QProgressBar> barre_;
    bool passe_ = false;
    int ouvertures_ = 0;
};

inline const char* const legende_attente =
    "La Base de Données ZTC est en cours de chargement..... QRX !";
inline const char* const legende_attente_pays =
    "Le fichier des pays est en cours de chargement..... QRX !";
inline const char* const texte_fichier_attente = "Téléchargement de ";
inline const char* const texte_passer = "Passer";

} // namespace vorek
