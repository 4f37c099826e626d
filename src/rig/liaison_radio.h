#pragma once

#include <QString>
#include <QtGlobal>

#include <optional>

struct s_rig;

namespace vorek {

// How the rig is reached. Model 0 means no radio, the default.
struct ReglagesRadio {
    int modele = 0;
    QString port; // serial device, or host:port for a network model; empty: Hamlib's default
    int vitesse_bauds = 0; // 0: the model's own default speed
    bool operator==(const ReglagesRadio&) const = default;
};

// What one reading of the rig gives.
struct EtatRadio {
    qint64 frequence_hz = 0;
    QString mode; // Hamlib's name of the mode ("CW", "USB", ...); empty when the rig cannot tell
    std::optional<QString> bande; // the contest band of the frequency, none outside every band
    bool en_cw() const;
    bool operator==(const EtatRadio&) const = default;
};

// "14 025,50 kHz".
QString texte_frequence(qint64 hz);

// The radio as the status area shows it: "14 025,50 kHz CW", or "Radio non connectée".
QString texte_radio(bool connectee, const EtatRadio& etat);

// One open rig through Hamlib. Every call blocks until the rig answers or Hamlib gives up,
// so a window uses it through SuiviRadio, never directly. Failures come back as the French
// message to show, naming Hamlib's cause.
class LiaisonRadio {
  public:
    LiaisonRadio() = default;
    ~LiaisonRadio();
    LiaisonRadio(const LiaisonRadio&) = delete;
    LiaisonRadio& operator=(const LiaisonRadio&) = delete;

    std::optional<QString> ouvrir(const ReglagesRadio& reglages);
    void fermer();
    bool ouverte() const { return rig_ != nullptr; }

    std::optional<QString> lire(EtatRadio& etat);
    std::optional<QString> regler_frequence(qint64 hz);

    // The rig's own keyer.
    std::optional<QString> envoyer_morse(const QString& texte);
    std::optional<QString> arreter_morse();
    std::optional<QString> regler_vitesse_morse(int wpm);

  private:
    // The message, and Hamlib's own text for the code, go to the diagnostic log once while
    // the failure stays the same (a rig away is tried again and again).
    QString dire_echec(const QString& message, int code = 0);
    std::optional<QString> resultat(int code);

    s_rig* rig_ = nullptr;
    QString dernier_echec_;
};

} // namespace vorek
