#pragma once

#include "cluster/carte_bandes.h"
#include "contexte.h"
#include "entry/saisie.h"
#include "rig/reglages_rig.h"

#include <QMainWindow>
#include <QPointer>

#include <optional>

class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimer;
class QToolButton;

namespace vorek {

class PanneauSaisie;
class RadioPrincipale;
class FenetreAide;

// The main window: tool bar, entry panel (PanneauSaisie, which owns its fields), button bar
// and the log grid; this class places them and wires them together. The grid, report, radio
// and band map handlers live in their own files (tform_main_grille.cpp,
// tform_main_rapports.cpp, tform_main_radio.cpp, tform_main_cluster.cpp).
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
    // The entry panel's state; created with the window's FormCreate.
    EntreeQSO& entree() { return *contexte_.entree; }

    RadioPrincipale& radio() const { return *radio_; }
    // Restarts the rig link and the keyer with these settings.
    void appliquer_reglages_radio(const ReglagesRig& reglages);

    // After the station window's OK: title, the window in front, the call field, the clock.
    void reprendre_saisie();
    // The band of the last session, chosen as the operator would; a text that is no band
    // changes nothing.
    void choisir_bande(const QString& bande);
    // A first start's column widths: each column as wide as its header and its usual content
    // (a date, a name) in the grid's font.
    void colonnes_au_contenu();
    // The grid's cursor on this log row's call, the window in front (the report check).
    void selectionner_ligne(int ligne);
    // The call field's place on the screen, which the windows shown beside this one leave in
    // sight.
    QRect place_indicatif() const;

    // A spot taken from the band map: the rig tuned to it when connected, its band chosen,
    // its call put in the call field as if typed; the focus in the call field.
    void prendre_spot(const vorek::SpotCarte& spot);
    // The spot the band map shows as chosen by Ctrl+Up/Down: Return takes it.
    void designer_spot(const vorek::SpotCarte& spot);

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
    // The member database was fetched again: the station window's date label.
    void date_base_changee(const QString& libelle);
    // The country file was fetched again and its DXCC list rebuilt (Etat::liste_dxcc).
    void liste_dxcc_changee();

  protected:
    void closeEvent(QCloseEvent* evenement) override;
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    // tform_main_disposition.cpp
    void construire_barre_outils();
    void construire_barre_boutons();
    void construire_grilles();
    void construire_menus();
    void partager_actions();
    void disposer();
    // tform_main_statistiques.cpp
    void construire_menu_statistiques();
    // tform_main.cpp
    void connecter();
    void connecter_clavier();
    void afficher_score();
    void afficher_mode_temps(const QString& texte, const QColor& couleur);
    void appliquer_libelles(const Libelles& libelles);
    void appliquer_largeurs();
    void etirer_notes();
    // tform_main_radio.cpp
    void construire_radio();
    void demarrer_radio();
    // tform_main_cluster.cpp
    void construire_carte();
    bool touche_spot(Champ champ, int touche, Qt::KeyboardModifiers modificateurs);

    // Navigation and file commands.
    void RetourAccueil1Click();
    void Ouvrir1Click();
    void Enregistrer1Click();
    void Enregistrersous1Click();
    void SpeedButton1Click();
    void BitBtn_byeClick();
    void CTYdatfichierdespays1Click();
    void Fichiersreference1Click();

    // The log grid and the button bar (tform_main_grille.cpp).
    void connecter_grille();
    int ligne_courante() const;
    void GrilleDblClick();
    void GrilleExit();
    // A cell typed in place and left (Tab, Return, a click elsewhere).
    void GrilleSetEditText(int colonne, int ligne, const QString& texte);
    void surveiller_grille(QWidget* ancien, QWidget* nouveau);
    void BitBtn_insererClick();
    void BitBtn_effacerClick();
    void BitBtn_calculClick();
    void SpeedButton_tri_ZTCClick();
    void SpeedButton_tri_CALLClick();
    void SpeedButton_tri_DATEClick();

    // Reports and exports (tform_main_rapports.cpp).
    void connecter_rapports();
    void EcrireLogClick();
    void ExportADIF1Click();
    void ExportTXT1Click();

    Contexte& contexte_;
    // Made at its first opening.
    QPointer<FenetreAide> aide_;
    // Set while the notes column is widened to the window: no width of the operator's.
    bool etirement_ = false;
    RadioPrincipale* radio_ = nullptr;
    PanneauSaisie* panneau_ = nullptr;
    // Chosen in the band map by Ctrl+Up/Down, taken by the next Return in the call field.
    std::optional<SpotCarte> spot_designe_;

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

    // Menus; an item that a tool bar button also has shares its action with the button.
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
    QMenu* Radio1;
    QAction* RadioManipulateur1;
    QAction* CarteBandes1;
};

inline const char* const titre_initial_principal = "Challenge d'été VOREK  : Fichier SANS NOM ";

} // namespace vorek
