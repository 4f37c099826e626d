#pragma once

#include <QObject>
#include <QString>

#include <memory>

class QTimer;

namespace vorek {

class Manipulateur;
class SuiviRadio;
struct ReglagesManipulateur;

// What a kind of keyer can do. Each kind states it, so that the windows and the command line
// ask what a keyer can do and never which one it is.
struct CapacitesManipulateur {
    bool arret = false;         // stops a message in the middle
    bool demande_radio = false; // keys through the rig link, which must be set up and open
    bool adresse = false;       // reached at host:port (the settings' host and port)
    bool accuse = false;        // answers once a message is keyed
};

// One kind of keyer: its word in the settings file and on the command line, its names for the
// operator, what it can do and how it is made from the settings (nothing when it cannot be).
struct SorteManipulateur {
    QString nom;
    QString libelle;  // the settings window's choice
    QString nom_etat; // the status area's "Manipulateur %1 (...)"
    CapacitesManipulateur capacites;
    std::unique_ptr<Manipulateur> (*creer)(const ReglagesManipulateur&, SuiviRadio*) = nullptr;
};

// Whether the keyer has shown it is there. cwdaemon answers nothing unless asked: it stays
// "non vérifié" until it answers an echo request; the radio's keyer follows the rig link.
enum class EtatManipulateur { non_verifie, verifie };

QString texte_etat_manipulateur(EtatManipulateur etat);

// What sends the CW. The text goes through the Morse filter whatever the caller passes, and
// the speed stays within bounds.
class Manipulateur : public QObject {
    Q_OBJECT

  public:
    static constexpr int vitesse_min = 5;
    static constexpr int vitesse_max = 60;
    static constexpr int pas_vitesse = 2;
    static constexpr int vitesse_par_defaut = 24;

    static int vitesse_bornee(int wpm);

    // Nothing is sent for a text left empty by the filter.
    void envoyer(const QString& texte);
    // Stops the message being sent at once.
    void arreter();
    void regler_vitesse(int wpm);
    void accelerer() { regler_vitesse(vitesse_ + pas_vitesse); }
    void ralentir() { regler_vitesse(vitesse_ - pas_vitesse); }

    int vitesse() const { return vitesse_; }
    EtatManipulateur etat() const { return etat_; }
    const SorteManipulateur& sorte() const { return sorte_; }
    const CapacitesManipulateur& capacites() const { return sorte_.capacites; }
    // For a keyer that answers (capacites().accuse): the last message sent was answered for.
    bool envoi_accuse() const { return accuse_; }
    // For such a keyer, in French: what a missing answer means.
    virtual QString sans_accuse() const { return {}; }
    // The message being sent; empty when the keyer is idle.
    const QString& texte_en_cours() const { return en_cours_; }

  signals:
    void envoi_commence(const QString& texte);
    void envoi_fini();
    void accuse_recu();
    void vitesse_changee(int wpm);
    void etat_change(vorek::EtatManipulateur etat);
    void erreur(const QString& message);

  protected:
    // sorte outlives the keyer: each kind keeps its own.
    Manipulateur(const SorteManipulateur& sorte, int wpm, QObject* parent);

    // False when the text could not leave; the keyer has said why through erreur().
    virtual bool transmettre(const QString& texte) = 0;
    virtual void interrompre() = 0;
    virtual void appliquer_vitesse(int wpm) = 0;

    void marquer_etat(EtatManipulateur etat);
    // The keyer says the message is out (cwdaemon's echo): the end comes before the estimate.
    void accuser_envoi();
    void finir_envoi();

  private:
    const SorteManipulateur& sorte_;
    int vitesse_;
    EtatManipulateur etat_ = EtatManipulateur::non_verifie;
    QString en_cours_;
    bool accuse_ = false;
    QTimer* fin_estimee_;
};

} // namespace vorek
