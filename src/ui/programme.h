#pragma once

#include "contexte.h"
#include "parametres_fenetres.h"

#include <QObject>

#include <memory>

namespace vorek {

class TForm_Infos;
class TForm_main;
class TForm_choix_ADIF;
class TForm_infoCR;
class TForm_statistiques;
class TForm_verification;
class TForm_radio;
class TForm_carte;

// The running program: its four windows created in order, each creation doing its part of
// the start-up, then the station window shown. It alone knows every window: it shows the
// one a window asks for and keeps their places in the settings file.
class Programme : public QObject {
    Q_OBJECT

  public:
    Programme(Etat& etat, Dialogues& dialogues, const Horloge& horloge, FenetreAttente& attente,
              OptionsProgramme options);
    ~Programme() override;

    bool termine() const { return termine_; }

    TForm_Infos* Form_Infos() const { return Form_Infos_; }
    TForm_main* Form_main() const { return Form_main_; }
    TForm_choix_ADIF* Form_choix_ADIF() const { return Form_choix_ADIF_; }
    TForm_infoCR* Form_infoCR() const { return Form_infoCR_; }
    // Created when first asked for.
    TForm_radio* Form_radio() const { return Form_radio_; }
    TForm_carte* Form_carte() const { return Form_carte_; }

  signals:
    // The program has ended: every window is closed.
    void fin();

  private:
    void relier();
    void relier_statistiques();
    FenetresParametres fenetres_parametres();
    void lire_parametres();
    void ecrire_parametres();
    void reprendre_derniere_seance();
    void afficher_station();
    void afficher_choix_ADIF();
    void afficher_envoi_CR();
    void afficher_radio();
    void afficher_carte();
    void placer_carte();
    void terminer();

    Contexte contexte_;
    TForm_Infos* Form_Infos_ = nullptr;
    TForm_main* Form_main_ = nullptr;
    TForm_choix_ADIF* Form_choix_ADIF_ = nullptr;
    TForm_infoCR* Form_infoCR_ = nullptr;
    std::unique_ptr<TForm_statistiques> Form_statistiques_;
    std::unique_ptr<TForm_verification> Form_verification_;
    TForm_radio* Form_radio_ = nullptr;
    TForm_carte* Form_carte_ = nullptr;
    PlaceRetenue place_infoCR_;
    PlaceRetenue place_statistiques_;
    PlaceRetenue place_verification_;
    bool termine_ = false;
    // Where the last session left off, as the settings file keeps it.
    QString dernier_fichier_;
    QString derniere_bande_;
};

} // namespace vorek
