#pragma once

#include "liaison_radio.h"

#include <QObject>
#include <QPointer>

#include <chrono>

class QThread;

namespace vorek {

class TravailleurRadio;

struct IntervallesRadio {
    std::chrono::milliseconds lecture{300};  // between two readings of an open rig
    std::chrono::milliseconds reprise{3000}; // between two attempts to open a lost rig
    // How long arreter() waits for a rig call in progress before leaving it to end alone.
    std::chrono::milliseconds attente_arret{500};
};

// Follows the rig from a worker thread of its own: reads frequency and mode at every
// interval, says when the link is lost and opens it again until it returns. No call of this
// object waits for the rig, so typing and logging by hand go on whatever the radio does.
class SuiviRadio : public QObject {
    Q_OBJECT

  public:
    explicit SuiviRadio(QObject* parent = nullptr);
    ~SuiviRadio() override;

    // Follows the rig these settings name, after stopping any previous one. Model 0 (no radio)
    // follows nothing and says nothing.
    void demarrer(const ReglagesRadio& reglages, const IntervallesRadio& intervalles = {});
    // Returns at once even when the rig is in the middle of a slow call.
    void arreter();

    bool actif() const;
    bool connectee() const { return connectee_; }
    const EtatRadio& etat() const { return etat_; }

    // Through the rig's own keyer, in the order asked. The rig's refusals come back through
    // erreur_morse; false, said there too, when no rig is followed.
    bool envoyer_morse(const QString& texte);
    void arreter_morse();
    void regler_vitesse_morse(int wpm);
    // Tunes the rig followed (nothing when none); a refusal comes back through
    // erreur_frequence.
    void regler_frequence(qint64 hz);

  signals:
    // A new frequency or mode.
    void etat_change(const vorek::EtatRadio& etat);
    // The rig has moved into this contest band (also its band at the first reading and after a
    // return of the link). Leaving every band says nothing: the band stays as it was.
    void bande_changee(const QString& bande);
    // message: why the link is down (Hamlib's cause), empty when connected.
    void connexion_changee(bool connectee, const QString& message);
    void erreur_morse(const QString& message);
    void erreur_frequence(const QString& message);

  private:
    void recevoir_etat(const vorek::EtatRadio& etat);
    void recevoir_connexion(bool connectee, const QString& message);

    QPointer<QThread> fil_;
    QPointer<TravailleurRadio> travailleur_;
    std::chrono::milliseconds attente_arret_{0};
    bool connectee_ = false;
    EtatRadio etat_;
    std::optional<QString> bande_;
};

} // namespace vorek
