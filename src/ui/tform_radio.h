#pragma once

#include "contexte.h"

#include "cluster/reglages_cluster.h"
#include "rig/modeles_radio.h"
#include "rig/saisie_rig.h"

#include <QWidget>

#include <array>

class QButtonGroup;
class QCheckBox;
class QComboBox;
class QPlainTextEdit;
class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QRadioButton;
class QSpinBox;

namespace vorek {

// "Radio et manipulateur": the rig model from Hamlib's list, where it is plugged in, the keyer,
// the CW speed and the texts of F1 to F8. OK stores them in the settings file and the main
// window follows them at once.
class TForm_radio : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_radio(Contexte& contexte);

    // The fields filled from these settings.
    void afficher(const ReglagesRig& reglages);
    void afficher_cluster(const ReglagesCluster& reglages);
    // The choice of the kind of keyer with this word ("aucun" for a word no kind has).
    QRadioButton* bouton_manipulateur(const QString& nom) const;

    QLineEdit* Edit_recherche;
    QListWidget* ListBox_modeles;
    QLabel* Label_modele;
    QLabel* Label_port;
    QLineEdit* Edit_port;
    QComboBox* ComboBox_vitesse;
    // One a kind of keyer, named "RadioButton_" and the kind's word.
    QList<QRadioButton*> RadioButtons_manipulateur;
    QLineEdit* Edit_adresse_manipulateur;
    QSpinBox* SpinEdit_wpm;
    std::array<QLineEdit*, nb_messages_cw> Edit_messages;
    // The cluster of the band map (tform_radio_cluster.cpp).
    QLineEdit* Edit_cluster_hote;
    QSpinBox* SpinEdit_cluster_port;
    QLineEdit* Edit_cluster_indicatif;
    QPlainTextEdit* Memo_cluster_commandes;
    QCheckBox* CheckBox_cw_seulement;
    QCheckBox* CheckBox_membres_seulement;
    QSpinBox* SpinEdit_cluster_duree;
    QPushButton* BitBtn_OK;
    QPushButton* BitBtn_annuler;

  public slots:
    void Edit_rechercheChange(const QString& texte);
    void BitBtn_OKClick();

  signals:
    // Stored in the settings file; the link is to restart with them.
    void reglages_appliques(const vorek::ReglagesRig& reglages);
    void reglages_cluster_appliques(const vorek::ReglagesCluster& reglages);

  private:
    QWidget* construire_radio();
    QWidget* construire_manipulateur();
    QWidget* construire_messages();
    QWidget* construire_cluster();
    ReglagesCluster reglages_cluster() const;
    void choisir_modele(int numero);
    SaisieRig saisie() const;
    const SorteManipulateur& sorte_choisie() const;

    Contexte& contexte_;
    QList<ModeleRadio> modeles_;
    int modele_ = 0;
    QButtonGroup* types_;
};

} // namespace vorek
