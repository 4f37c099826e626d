#pragma once

#include "liaison_radio.h"

#include <QObject>

#include <chrono>

class QTimer;

namespace vorek {

// The rig's side of SuiviRadio: lives in the worker thread and is the only one to touch the
// rig there. Its slots are called through queued connections.
class TravailleurRadio : public QObject {
    Q_OBJECT

  public:
    TravailleurRadio(const ReglagesRadio& reglages, std::chrono::milliseconds lecture,
                     std::chrono::milliseconds reprise);

    void demarrer();
    void envoyer_morse(const QString& texte);
    void arreter_morse();
    void regler_vitesse_morse(int wpm);
    // Then read back at once, so that the band follows without waiting for the next reading.
    void regler_frequence(qint64 hz);

  signals:
    void etat_lu(const vorek::EtatRadio& etat);
    void connexion(bool connectee, const QString& message);
    void erreur_morse(const QString& message);
    void erreur_frequence(const QString& message);

  private:
    void tic();
    void ouvrir();
    void lire();
    void signaler(bool connectee, const QString& message);

    ReglagesRadio reglages_;
    std::chrono::milliseconds lecture_;
    std::chrono::milliseconds reprise_;
    LiaisonRadio liaison_;
    QTimer* minuterie_ = nullptr;
    std::optional<EtatRadio> dernier_;
    std::optional<QString> message_signale_;
};

} // namespace vorek
