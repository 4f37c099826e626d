#pragma once

#include "rig/manipulateur.h"
#include "rig/reglages_rig.h"
#include "rig/suivi_radio.h"

#include <QObject>

#include <memory>
#include <optional>

class QLabel;
class QMainWindow;
class QTimer;

namespace vorek {

class Etat;
class PanneauSaisie;

// The radio and the keyer of the main window: the rig followed from its own thread, the band
// it gives taken into the entry, the status area, and the keys of the entry panel that key
// the CW (F1 to F8, Escape, Page Up, Page Down). With neither radio nor keyer set up it
// follows nothing, hides its status area and leaves every key to the entry.
class RadioPrincipale : public QObject {
    Q_OBJECT

  public:
    RadioPrincipale(QMainWindow& fenetre, PanneauSaisie& panneau, Etat& etat,
                    const IntervallesRadio& intervalles);
    ~RadioPrincipale() override;

    // Restarts the rig link and the keyer as these settings say.
    void appliquer(const ReglagesRig& reglages);

    SuiviRadio& suivi() { return *suivi_; }
    // Tunes the rig when one is connected (a spot taken); nothing otherwise.
    void regler_frequence(qint64 hz);
    // None when no keyer is set up.
    Manipulateur* manipulateur() const { return manipulateur_.get(); }

    QLabel* Label_radio;
    QLabel* Label_mode;
    QLabel* Label_manipulateur;
    QLabel* Label_message;

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void construire_etat();
    void creer_manipulateur();
    bool touche_cw(int code) const;
    bool peut_arreter() const;
    bool touche(int code);
    void envoyer_message(int numero);
    void dire(const QString& texte);
    void connexion_changee(bool connectee, const QString& message);
    void afficher_radio();
    void afficher_manipulateur();
    void vitesse_changee(int wpm);
    void prendre_bande();

    QMainWindow& fenetre_;
    PanneauSaisie& panneau_;
    Etat& etat_;
    IntervallesRadio intervalles_;
    ReglagesRig reglages_;
    SuiviRadio* suivi_;
    std::unique_ptr<Manipulateur> manipulateur_;
    // Retries the band the rig gives while the entry cannot take it, and gives it again once
    // a correction is over.
    QTimer* bande_a_prendre_;
    std::optional<QString> bande_voulue_;
    QString message_liaison_; // why the link is down
    bool correction_ = false;
};

} // namespace vorek
