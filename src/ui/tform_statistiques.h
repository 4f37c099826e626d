#pragma once

#include "contexte.h"
#include "stats/statistiques.h"

#include <QWidget>

class QChartView;
class QLabel;
class QPushButton;
class QTabWidget;
class QTableWidget;
class QTimer;

namespace vorek {

// "Statistiques": the table per day and band, the members and hourly counts, the two plots
// and their PNG. Non-modal; while shown it follows every rescoring, and the clock for the
// hourly counts.
class TForm_statistiques : public QWidget {
    Q_OBJECT

  public:
    explicit TForm_statistiques(Contexte& contexte);

    QTabWidget* Onglets;
    QTableWidget* Grille_stats;
    QLabel* Label_resume;
    QChartView* Graphique_horaire;
    QChartView* Graphique_bandes;
    QPushButton* BitBtn_png;

  public slots:
    void rafraichir();
    void BitBtn_pngClick();

  protected:
    void showEvent(QShowEvent* evenement) override;
    void hideEvent(QHideEvent* evenement) override;

  private:
    void construire();
    void afficher_tableau();

    Contexte& contexte_;
    Statistiques stats_;
    QTimer* minute_;
};

} // namespace vorek
