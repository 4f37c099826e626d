#pragma once

#include "contexte.h"
#include "stats/statistiques.h"

#include <QWidget>

class QChartView;
class QComboBox;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace vorek {

// "Statistiques": the table per day and band, the members and hourly counts, the two plots
// and their PNG. Non-modal; while shown it follows every rescoring, and the clock for the
// hourly counts. The rate plot shows every day holding QSOs, or the hours of the day chosen.
class TForm_statistiques : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_statistiques(Contexte& contexte);

    QTabWidget* Onglets;
    QTableWidget* Grille_stats;
    QLabel* Label_resume;
    QLabel* Label_jour;
    QComboBox* ComboBox_jour;
    QChartView* Graphique_horaire;
    QChartView* Graphique_bandes;
    QPushButton* BitBtn_png;
    // Where the last PNG went.
    QLabel* Label_png;
    QPushButton* BitBtn_fermer;

    // The day the rate plot shows; invalid for every day.
    QDate jour_choisi() const;

  public slots:
    void rafraichir();
    void BitBtn_pngClick();
    void ComboBox_jourChange();

  protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

  private:
    void construire();
    QWidget* construire_onglet_horaire();
    void afficher_tableau();
    // The days holding QSOs now, the day chosen kept when it still holds some.
    void remplir_jours();

    Contexte& contexte_;
    Statistiques stats_;
    QTimer* minute_;
};

} // namespace vorek
