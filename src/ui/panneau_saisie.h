#pragma once

#include "contexte.h"
#include "entry/saisie.h"

#include <QWidget>

#include <functional>
#include <utility>

class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTableWidget;
class QTimeEdit;

namespace vorek {

// The entry panel: the QSO's fields, the band grid and the panel's buttons, the preview of
// the points, and beside them the earlier QSOs and the partial check. It alone copies its
// fields into the entry state (EntreeQSO) and shows the entry back: each event reads the
// fields once, runs, and shows the result once.
class PanneauSaisie : public QWidget {
    Q_OBJECT

  public:
    PanneauSaisie(Contexte& contexte, QWidget* parent);

    // Once the entry state exists: the band list (item 0 chosen), the DXCC prefixes (none
    // chosen), the fields shown.
    void demarrer();
    // The DXCC prefixes taken again from the station's list; the one shown stays chosen.
    void renouveler_prefixes();

    // An entry event: the fields copied into the entry, the action run (an error is told in
    // its box), the entry shown back, then the focus moved where the entry asks. Nothing is
    // run, and false returned, before the entry exists or while another event runs.
    bool executer(const std::function<void()>& action);
    // The preview and the partial check after a change that runs no entry event.
    void afficher_apercu();

    // A band text chosen as the operator would; a text that is no band changes nothing.
    void choisir_bande(const QString& bande);
    // The rig's band taken as a choice in the band combo would be; false, and nothing done,
    // while an entry event runs.
    bool suivre_bande(const QString& bande);
    // A call put into the call field as if typed there, the focus in it.
    void prendre_indicatif(const QString& indicatif);
    void aller_a_l_indicatif();
    // The call and the sent report as typed, for the CW messages.
    QString indicatif() const;
    QString report_envoye() const;
    // The call field's place on the screen.
    QRect place_indicatif() const;
    // The filter sees the keys of the fields before the panel does.
    void surveiller_touches(QObject* filtre);
    // The entry field this control is (the band combo's text is the combo's); none for any
    // other control.
    Champ champ_de(const QObject* objet) const;
    // In the Tab order, the earlier QSOs come right after this control.
    void placer_precedents_apres(QWidget* controle);

  public slots:
    // In real time, the pickers follow the clock.
    void Timer1Timer();
    void passer_temps_reel();
    void SpeedButton_temps_differeClick();

  signals:
    // What a commit gave the score and count labels and the window title.
    void libelles_a_afficher(const Libelles& libelles);
    // The time mode (real or deferred) as the tool bar shows it.
    void mode_temps_affiche(const QString& texte, const QColor& couleur);
    // An entry event has run: the entry and the correction state may have changed.
    void saisie_traitee();

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    EntreeQSO& entree() const { return *contexte_.entree; }

    // panneau_saisie_disposition.cpp
    void construire_champs();
    void construire_bandes();
    void dimensionner_bandes();
    void construire_precedents();
    QGridLayout* disposer_champs();
    void disposer(QGridLayout* champs);
    void ordonner_tabulation();
    void connecter();
    // panneau_saisie_apercu.cpp
    void construire_apercu(QGridLayout* champs, QHBoxLayout* zone);
    void montrer_apercu();
    void choisir_partiel(int rang);
    // panneau_saisie_clavier.cpp
    void connecter_clavier();
    void aller_au_selecteur(QDateTimeEdit* selecteur);
    void deplacer_focus(Champ champ);
    QWidget* controle(Champ champ) const;
    bool touche_saisie(Champ champ);
    void focus_entre(Champ champ);
    void focus_sort(Champ champ);

    void lire_saisie();
    void afficher_saisie();
    void afficher_Grille_prec();
    void afficher_bande();

    void Edit_callChange(const QString& texte);
    void BitBtn_validerClick();
    void BitBtn_efface_saisieClick();
    void ComboBox_bandChange(const QString& texte);
    void StringGrid_HFSelectCell(int ligne, int colonne);

    Contexte& contexte_;
    // Set while an entry event runs: the focus changes and boxes it causes are its own.
    bool occupe_ = false;
    // The band grid's marked cell as last painted (row, column): a keystroke that leaves it
    // costs the grid no repaint.
    std::pair<int, int> marque_peinte_{-1, -1};

    QFrame* Panel6;
    QLineEdit* Edit_Pays;
    QLineEdit* Edit_call;
    QLineEdit* Edit_RSTS;
    QLineEdit* Edit_RSTR;
    QLineEdit* Edit_Notes;
    QComboBox* ComboBox_band;
    QComboBox* ComboBox_PFX;
    QLineEdit* Edit_continent;
    QPushButton* BitBtn_valider;
    QLineEdit* Edit_NrZTC;
    QLineEdit* Edit_nomZTC;
    QPushButton* BitBtn_efface_saisie;
    QDateEdit* DateTimePicker_date;
    QTimeEdit* DateTimePicker_time;
    QTableWidget* StringGrid_HF;
    QTableWidget* Grille_prec;
    QLabel* Label_apercu;
    QListWidget* Liste_partiel;
};

} // namespace vorek
