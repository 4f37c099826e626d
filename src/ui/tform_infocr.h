#pragma once

#include "contexte.h"
#include "mail/message_cr.h"

#include <QWidget>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QProgressBar;
class QPushButton;
class QToolButton;

namespace vorek {

class EnvoiArrierePlan;
struct ResultatEnvoi;

// The window that composes and sends the report e-mail. The send runs on a worker thread:
// the windows stay alive, and one send at a time.
class TForm_infoCR : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_infoCR(Contexte& contexte);
    ~TForm_infoCR() override;

    // Stops the entry's clock and has the settings file read.
    void FormCreate();

    // The message composed at the last activation, with the operator's recipient.
    const MessageCR& message() const { return message_; }
    bool envoi_en_cours() const;

    QLabel* Label2;
    QLabel* Panel1;
    QLabel* Panel_de;
    QLabel* Panel2;
    QLineEdit* Edit_Ad_Destinataire;
    QLabel* Label_erreur;
    QLabel* Panel3;
    QLabel* Panel_CC;
    QLabel* Panel4;
    QLabel* Panel_objet;
    QLabel* Panel5;
    QLabel* Panel_PJ;
    QToolButton* Image1;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    // The mail server: where the station window says, with the security and the user name
    // kept in the settings file and a password for this send only.
    QLabel* Panel6;
    QLabel* Panel_serveur;
    QLabel* Label_securite;
    QComboBox* ComboBox_securite;
    QLabel* Label_utilisateur;
    QLineEdit* Edit_utilisateur;
    QLabel* Label_mot_de_passe;
    QLineEdit* Edit_mot_de_passe;
    QCheckBox* CheckBox_certificat;
    QProgressBar* ProgressBar_envoi;
    // Why the last send failed; the window stays open with what was typed.
    QLabel* Label_echec;
    QPushButton* Button_envoi;
    QPushButton* BitBtn_annuler;

  public slots:
    void FormActivate();
    void Edit_Ad_DestinataireChange(const QString& texte);
    void Button_envoiClick();
    void BitBtn_annulerClick();
    void Image1Click();

  signals:
    // The settings file is to be applied to the windows, or written from them.
    void parametres_a_lire();
    void parametres_a_ecrire();

  protected:
    bool event(QEvent* evenement) override;
    void showEvent(QShowEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void construire();
    void construire_serveur();
    void disposer();
    void connecter();
    void afficher_message(const QString& destinataire);
    void afficher_reglages();
    void envoi_progresse(qint64 envoyes, qint64 total);
    void envoi_termine(const ResultatEnvoi& resultat);

    Contexte& contexte_;
    MessageCR message_;
    EnvoiArrierePlan* envoi_;
    // Set when the window shows or another window of the program was active: the next
    // activation composes anew. Coming back from one of its own boxes does not.
    bool a_composer_ = true;
    // The operator closed the window during a send: its end closes it.
    bool fermer_apres_envoi_ = false;
};

} // namespace vorek
