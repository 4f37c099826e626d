#pragma once

#include "cluster/carte_bandes.h"
#include "contexte.h"
#include "entry/saisie.h"
#include "rig/reglages_rig.h"

#include <QMainWindow>
#include <QPointer>

#include <functional>

class QAction;
class QComboBox;
class QDateEdit;
class QDateTimeEdit;
class QFrame;
class QGridLayout;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QListWidget;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimeEdit;
class QTimer;
class QToolButton;

namespace vorek {

class RadioPrincipale;
class FenetreAide;

// The main window: tool bar, entry panel with the earlier QSOs beside it, button bar and
// the log grid. The entry, grid and report handlers live in their own files
// (tform_main_saisie.cpp, tform_main_rapports.cpp).
class TForm_main : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm_main(Contexte& contexte);
    ~TForm_main() override;

    // Header row, companion grids, band list, pickers, UTC offset, DXCC copy, real time.
    void FormCreate();
    void maj_titre();
    // After a challenge file was read: title, score and QSO count.
    void apres_chargement();
    // After an ADIF import: the labels, the import's title, the cursor on the first row.
    void apres_import();
    // Column widths of Grille taken from the log table.
    void appliquer_largeurs();
    // The entry panel's state; created with the window's FormCreate.
    EntreeQSO& entree() { return *contexte_.entree; }
    // The log row of Grille's cursor (1 when the grid has none).
    int ligne_courante() const;

    // Tool bar (Panel9).
    QFrame* Panel9;
    QToolButton* BitBtn_retour;
    QToolButton* OpenBtn;
    QToolButton* SaveBtn;
    QPushButton* BitBtn_ADIF;
    QPushButton* BitBtn_export_ADIF;
    QToolButton* SpeedButton_temps_reel;
    QToolButton* SpeedButton_temps_differe;
    QLabel* Label_temps_reel;
    QToolButton* EcrireLog;
    QPushButton* Info_CR;
    QToolButton* SpeedButton1;
    QPushButton* BitBtn_bye;

    // Entry panel (Panel6), in tab order.
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
    // The preview of the QSO's points and the partial check (tform_main_apercu.cpp).
    QLabel* Label_apercu;
    QListWidget* Liste_partiel;

    // Button bar (Panel3).
    QFrame* Panel3;
    QPushButton* BitBtn_inserer;
    QPushButton* BitBtn_effacer;
    QToolButton* SpeedButton_tri_ZTC;
    QToolButton* SpeedButton_tri_CALL;
    QToolButton* SpeedButton_tri_DATE;
    QPushButton* BitBtn_calcul;
    QLabel* Label_score;
    QLabel* Label_nbrQSO;

    QTableView* Grille;
    QTableWidget* Grille_mem;
    QTimer* Timer1;

    // Menus.
    QMenu* Fichier1;
    QAction* RetourAccueil1;
    QAction* Ouvrir1;
    QAction* Enregistrer1;
    QAction* Enregistrersous1;
    QAction* Quitter1;
    QMenu* ImportExport1;
    QAction* ImportADIF1;
    QAction* ExportADIF1;
    QAction* ExportTXT1;
    QMenu* Misesajour1;
    QAction* CTYdatfichierdespays1;
    QAction* Fichiersreference1;
    QMenu* Statistiques1;
    QAction* AfficherStatistiques1;
    QAction* VerifierCR1;
    QAction* CorrectionCR1;

    // The radio and the keyer (tform_main_radio.cpp).
    QMenu* Radio1;
    QAction* RadioManipulateur1;
    RadioPrincipale& radio() const { return *radio_; }
    // Restarts the rig link and the keyer with these settings.
    void appliquer_reglages_radio(const ReglagesRig& reglages);
    // The rig's band taken as a choice in the band combo would be; false, and nothing done,
    // while an entry event runs.
    bool suivre_bande_radio(const QString& bande);

    // The band map's spots (tform_main_cluster.cpp).
    QAction* CarteBandes1;
    // A spot taken from the band map: the rig tuned to it when connected, its band chosen,
    // its call put in the call field as if typed; the focus in the call field.
    void prendre_spot(const vorek::SpotCarte& spot);
    // The spot the band map shows as chosen by Ctrl+Up/Down: Return takes it.
    void designer_spot(const vorek::SpotCarte& spot);

  public slots:
    // Navigation and file commands.
    void BitBtn_retourClick();
    void RetourAccueil1Click();
    void Ouvrir1Click();
    void Enregistrer1Click();
    void Enregistrersous1Click();
    void Quitter1Click();
    void ImportADIF1Click();
    void BitBtn_ADIFClick();
    void Info_CRClick();
    void SpeedButton1Click();
    void BitBtn_byeClick();
    void CTYdatfichierdespays1Click();
    void RadioManipulateur1Click();
    void Fichiersreference1Click();
    void passer_temps_reel();
    void Timer1Timer();
    // After the station window's OK: title, the window in front, the call field, the clock.
    void reprendre_saisie();
    // The band of the last session, chosen as the operator would; a text that is no band
    // changes nothing.
    void choisir_bande(const QString& bande);
    // A first start's column widths: each column as wide as its header and its usual content
    // (a date, a name) in the grid's font.
    void colonnes_au_contenu();

    // Entry and log grid (tform_main_saisie.cpp).
    void Edit_callChange(const QString& texte);
    void BitBtn_validerClick();
    void BitBtn_efface_saisieClick();
    void SpeedButton_temps_differeClick();
    void ComboBox_bandChange(const QString& texte);
    void StringGrid_HFSelectCell(int ligne, int colonne);
    void GrilleDblClick();
    void GrilleExit();
    // A cell typed in place and left (Tab, Return, a click elsewhere).
    void GrilleSetEditText(int colonne, int ligne, const QString& texte);
    void BitBtn_insererClick();
    void BitBtn_effacerClick();
    void BitBtn_calculClick();
    void SpeedButton_tri_ZTCClick();
    void SpeedButton_tri_CALLClick();
    void SpeedButton_tri_DATEClick();

    // Reports and exports (tform_main_rapports.cpp).
    void EcrireLogClick();
    void BitBtn_export_ADIFClick();
    void ExportADIF1Click();
    void ExportTXT1Click();

    // The statistics and the report check (tform_main_statistiques.cpp).
    void selectionner_ligne(int ligne);

  signals:
    // What only another window can do, which the program carries out.
    void retour_station_demande();
    void import_adif_demande();
    void envoi_cr_demande();
    void statistiques_demandees();
    void verification_demandee();
    void correction_demandee();
    void fermeture_demandee();
    // The windows' places and the e-mail address are to be written to the settings file.
    void parametres_a_ecrire();
    // The radio and keyer settings window is to be shown.
    void reglages_radio_demandes();
    // The band map is to be shown.
    void carte_demandee();
    // Ctrl+Down (1) or Ctrl+Up (-1) in the call field: the next spot of the entry's band.
    void spots_a_parcourir(int sens);
    // An entry event has run: the entry and the correction state may have changed.
    void saisie_traitee();
    // The member database was fetched again: the station window's date label.
    void date_base_changee(const QString& libelle);
    // The country file was fetched again and its DXCC list rebuilt (Etat::liste_dxcc).
    void liste_dxcc_changee();

  protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void construire_barre_outils();
    void construire_saisie();
    void construire_barre_boutons();
    void construire_grilles();
    void construire_menus();
    void dimensionner_bandes();
    void construire_menu_statistiques();
    void disposer();
    void connecter();
    void connecter_saisie();
    void connecter_rapports();
    void connecter_clavier();
    // Alt+D and Alt+H: the picker's first section ready for digits.
    void aller_au_selecteur(QDateTimeEdit* selecteur);
    void afficher_score();
    void construire_apercu(QGridLayout* champs, QHBoxLayout* zone_saisie);
    void afficher_apercu();
    void choisir_partiel(int rang);
    void construire_radio();
    void demarrer_radio();
    void etirer_notes();
    void construire_carte();
    bool touche_spot(Champ champ, int touche, Qt::KeyboardModifiers modificateurs);

    // Each entry event: the controls copied into the entry, the event run, the entry
    // shown back, then the focus moved where the entry asks.
    void executer(const std::function<void()>& action);
    void lire_saisie();
    void afficher_saisie();
    void afficher_Grille_prec();
    void afficher_bande();
    void appliquer_libelles(const Libelles& libelles);
    void deplacer_focus(Champ champ);
    QWidget* controle(Champ champ) const;
    Champ champ_de(const QObject* objet) const;
    bool touche_saisie(Champ champ);
    void focus_entre(Champ champ);
    void focus_sort(Champ champ);
    void surveiller_grille(QWidget* ancien, QWidget* nouveau);

    Contexte& contexte_;
    // Made at its first opening.
    QPointer<FenetreAide> aide_;
    // Set while the notes column is widened to the window: no width of the operator's.
    bool etirement_ = false;
    // Set while an entry event runs: the focus changes and boxes it causes are its own.
    bool occupe_ = false;
    RadioPrincipale* radio_ = nullptr;
    std::optional<SpotCarte> spot_designe_;
};

inline const char* const titre_initial_principal = "Challenge d'été VOREK  : Fichier SANS NOM ";

} // namespace vorek
