#pragma once

#include "contexte.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QPushButton;

namespace vorek {

// The window that composes and sends the report e-mail.
class TForm_infoCR : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_infoCR(Contexte& contexte);

    // Stops the entry's clock and has the settings file read.
    void FormCreate();

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
    QLabel* Image1;
    QLabel* Label1;
    QPlainTextEdit* Memo1;
    QPushButton* Button_envoi;
    QPushButton* BitBtn_annuler;

  public slots:
    // Filled by the report e-mail work.
    void FormActivate();
    void Edit_Ad_DestinataireChange(const QString& texte);
    void Button_envoiClick();
    void BitBtn_annulerClick();

  signals:
    // The settings file is to be applied to the windows, or written from them.
    void parametres_a_lire();
    void parametres_a_ecrire();

  protected:
    bool event(QEvent* evenement) override;
    void closeEvent(QCloseEvent* evenement) override;

  private:
    void construire();

    Contexte& contexte_;
};

} // namespace vorek
