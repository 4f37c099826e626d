#pragma once

#include "contexte.h"

#include <QMainWindow>

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStatusBar;

namespace vorek {

// The station characteristics window: the first window, and the application's main one
// (closing it ends the program).
class TForm_Infos : public QMainWindow {
    Q_OBJECT

  public:
    explicit TForm_Infos(Contexte& contexte);

    // The start-up: folders, member database, hint window, DXCC list, contest period,
    // version, country file.
    void FormCreate();

    QLabel* Logo_ZTC;
    QLabel* Image1;
    QLabel* Label2;
    QLabel* Label_call;
    QLineEdit* Edit_call;
    QLabel* Label_nr_club;
    QLineEdit* Edit_ZTC;
    QLabel* LabelDXCC;
    QComboBox* ComboBox_DXCC;
    QPushButton* BitBtn_charger;
    QPushButton* BitBtn_creer;
    QLabel* Label_nom;
    QLineEdit* Edit_nom;
    QLabel* Label_rue;
    QLineEdit* Edit_adresse1;
    QLabel* Label1;
    QLineEdit* Edit_adresse2;
    QLabel* Label3;
    QLineEdit* Edit_email;
    QLabel* Label4;
    QLineEdit* Edit_SMTP;
    QLabel* Label5;
    QLineEdit* Edit_port;
    // What the call's and the address's look-ups could not do (a reference file missing or
    // unreadable), said here and not in a box, which would take the next keystroke.
    QLabel* Label_avis;
    QLabel* Label_BD_ZTC;
    QLabel* Label_date_BD;
    QLabel* Label_fichier;
    QLabel* Label_nomfichier;
    QPushButton* BitBtn_OK;
    QPushButton* BitBtn_Exit;
    QStatusBar* StatusBar1;

  public slots:
    void Edit_callChange(const QString& texte);
    void Edit_ZTCChange(const QString& texte);
    void Edit_nomChange(const QString& texte);
    void Edit_adresse1Change(const QString& texte);
    void Edit_adresse2Change(const QString& texte);
    void ComboBox_DXCCChange(const QString& texte);
    void Edit_emailChange(const QString& texte);
    // The report e-mail reads the server and port as they stand here.
    void Edit_SMTPChange(const QString& texte);
    void Edit_portChange(const QString& texte);
    void BitBtn_OKClick();
    void BitBtn_creerClick();
    void BitBtn_chargerClick();
    void BitBtn_ExitClick();
    void ApplicationEvents1Hint(const QString& hint);
    // The settings file's address, put into Edit_email as typed (its handling runs).
    void afficher_email(const QString& adresse);
    // Label_date_BD after the member database was fetched again.
    void afficher_date_base(const QString& libelle);
    // ComboBox_DXCC after the country file was fetched again; the entity shown stays.
    void afficher_liste_dxcc();
    // "Charger Fichier" once the file is chosen: the log and the station record read, this
    // window filled. A file that does not read is said and changes nothing; false then.
    bool charger(const QString& chemin);

  signals:
    // OK went through: the main window takes over.
    void station_validee();
    // The windows' places and the e-mail address are to be written to the settings file.
    void parametres_a_ecrire();

  protected:
    bool event(QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void construire();
    void disposer();
    void fixer_textes();
    void connecter();
    void selectionner_dxcc(const QString& prefixe);
    // After a load: the file's station record and name.
    void afficher_journal_charge();
    // Label_nomfichier shows the current file's name.
    void afficher_nom_fichier();
    void afficher_avis();

    Contexte& contexte_;
    QString avis_indicatif_;
    QString avis_email_;
};

} // namespace vorek
