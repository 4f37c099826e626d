#pragma once

class QAction;
class QComboBox;
class QDateEdit;
class QFrame;
class QLabel;
class QLineEdit;
class QListWidget;
class QObject;
class QPushButton;
class QTableView;
class QTableWidget;
class QTimeEdit;
class QTimer;
class QToolButton;

namespace vorek {
class PanneauSaisie;
class TForm_main;
} // namespace vorek

// The main window's controls, found by the object names the program gives them, as the tests
// drive them. A name the window no longer has stops the test at once, naming it.
struct ControlesPrincipale {
    explicit ControlesPrincipale(vorek::TForm_main* principale);

    vorek::TForm_main* fenetre;

  private:
    template <typename T> T* trouver(const char* nom) const;

  public:
    vorek::PanneauSaisie* panneau = trouver<vorek::PanneauSaisie>("Zone_saisie");

    QFrame* Panel9 = trouver<QFrame>("Panel9");
    QToolButton* BitBtn_retour = trouver<QToolButton>("BitBtn_retour");
    QToolButton* OpenBtn = trouver<QToolButton>("OpenBtn");
    QToolButton* SaveBtn = trouver<QToolButton>("SaveBtn");
    QPushButton* BitBtn_ADIF = trouver<QPushButton>("BitBtn_ADIF");
    QPushButton* BitBtn_export_ADIF = trouver<QPushButton>("BitBtn_export_ADIF");
    QToolButton* SpeedButton_temps_reel = trouver<QToolButton>("SpeedButton_temps_reel");
    QToolButton* SpeedButton_temps_differe = trouver<QToolButton>("SpeedButton_temps_differe");
    QLabel* Label_temps_reel = trouver<QLabel>("Label_temps_reel");
    QToolButton* EcrireLog = trouver<QToolButton>("EcrireLog");
    QPushButton* Info_CR = trouver<QPushButton>("Info_CR");
    QToolButton* SpeedButton1 = trouver<QToolButton>("SpeedButton1");
    QPushButton* BitBtn_bye = trouver<QPushButton>("BitBtn_bye");

    QLineEdit* Edit_Pays = trouver<QLineEdit>("Edit_Pays");
    QLineEdit* Edit_call = trouver<QLineEdit>("Edit_call");
    QLineEdit* Edit_RSTS = trouver<QLineEdit>("Edit_RSTS");
    QLineEdit* Edit_RSTR = trouver<QLineEdit>("Edit_RSTR");
    QLineEdit* Edit_Notes = trouver<QLineEdit>("Edit_Notes");
    QComboBox* ComboBox_band = trouver<QComboBox>("ComboBox_band");
    QComboBox* ComboBox_PFX = trouver<QComboBox>("ComboBox_PFX");
    QLineEdit* Edit_continent = trouver<QLineEdit>("Edit_continent");
    QPushButton* BitBtn_valider = trouver<QPushButton>("BitBtn_valider");
    QLineEdit* Edit_NrZTC = trouver<QLineEdit>("Edit_NrZTC");
    QLineEdit* Edit_nomZTC = trouver<QLineEdit>("Edit_nomZTC");
    QPushButton* BitBtn_efface_saisie = trouver<QPushButton>("BitBtn_efface_saisie");
    QDateEdit* DateTimePicker_date = trouver<QDateEdit>("DateTimePicker_date");
    QTimeEdit* DateTimePicker_time = trouver<QTimeEdit>("DateTimePicker_time");
    QTableWidget* StringGrid_HF = trouver<QTableWidget>("StringGrid_HF");
    QTableWidget* Grille_prec = trouver<QTableWidget>("Grille_prec");
    QLabel* Label_apercu = trouver<QLabel>("Label_apercu");
    QListWidget* Liste_partiel = trouver<QListWidget>("Liste_partiel");

    QFrame* Panel3 = trouver<QFrame>("Panel3");
    QPushButton* BitBtn_inserer = trouver<QPushButton>("BitBtn_inserer");
    QPushButton* BitBtn_effacer = trouver<QPushButton>("BitBtn_effacer");
    QToolButton* SpeedButton_tri_ZTC = trouver<QToolButton>("SpeedButton_tri_ZTC");
    QToolButton* SpeedButton_tri_CALL = trouver<QToolButton>("SpeedButton_tri_CALL");
    QToolButton* SpeedButton_tri_DATE = trouver<QToolButton>("SpeedButton_tri_DATE");
    QPushButton* BitBtn_calcul = trouver<QPushButton>("BitBtn_calcul");
    QLabel* Label_score = trouver<QLabel>("Label_score");
    QLabel* Label_nbrQSO = trouver<QLabel>("Label_nbrQSO");
    QTableView* Grille = trouver<QTableView>("Grille");
    QTimer* Timer1 = trouver<QTimer>("Timer1");

    QAction* RetourAccueil1 = trouver<QAction>("RetourAccueil1");
    QAction* Ouvrir1 = trouver<QAction>("Ouvrir1");
    QAction* Enregistrer1 = trouver<QAction>("Enregistrer1");
    QAction* Enregistrersous1 = trouver<QAction>("Enregistrersous1");
    QAction* Quitter1 = trouver<QAction>("Quitter1");
    QAction* ImportADIF1 = trouver<QAction>("ImportADIF1");
    QAction* ExportADIF1 = trouver<QAction>("ExportADIF1");
    QAction* ExportTXT1 = trouver<QAction>("ExportTXT1");
    QAction* CTYdatfichierdespays1 = trouver<QAction>("CTYdatfichierdespays1");
    QAction* Fichiersreference1 = trouver<QAction>("Fichiersreference1");
    QAction* AfficherStatistiques1 = trouver<QAction>("AfficherStatistiques1");
    QAction* VerifierCR1 = trouver<QAction>("VerifierCR1");
    QAction* CorrectionCR1 = trouver<QAction>("CorrectionCR1");
    QAction* RadioManipulateur1 = trouver<QAction>("RadioManipulateur1");
    QAction* CarteBandes1 = trouver<QAction>("CarteBandes1");
};
