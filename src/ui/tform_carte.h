#pragma once

#include "contexte.h"

#include "cluster/carte_bandes.h"
#include "cluster/connexion_cluster.h"
#include "cluster/reglages_cluster.h"

#include <QWidget>

#include <memory>

class QLabel;
class QPlainTextEdit;
class QTableWidget;
class QTableWidgetItem;
class QTimer;

namespace vorek {

// "Carte des bandes": the spots of the cluster, one column per contest band by frequency,
// each with its call, member, age and the points a QSO would score now; the cluster's other
// lines in a small console below. It reads the spots from the core at most four times a
// second, so a flood of spots never slows the entry.
class TForm_carte : public QWidget {
    Q_OBJECT

  public:
    // delais: the link's waits (the tests shorten them).
    TForm_carte(Contexte& contexte, const DelaisCluster& delais = {});

    // Connects (again) as these settings say, or says why it cannot.
    void appliquer(const ReglagesCluster& reglages);
    CarteBandes& carte() { return *carte_; }
    // The bands of the columns, in order.
    const QStringList& bandes_colonnes() const { return bandes_; }

    QLabel* Label_etat;
    QTableWidget* Grille_carte;
    QPlainTextEdit* Memo_console;

  public slots:
    // The next (1) or previous (-1) spot of the entry's band, shown chosen and told through
    // spot_designe; the first or last when none of that band is chosen.
    void parcourir(int sens);

  signals:
    // Double-click, or Return in the map.
    void spot_choisi(const vorek::SpotCarte& spot);
    void spot_designe(const vorek::SpotCarte& spot);

  protected:
    bool eventFilter(QObject* objet, QEvent* evenement) override;

  private:
    void construire();
    void tic();
    void afficher();
    void retrecir_colonnes_vides();
    void remplir(QTableWidgetItem* item, const SpotCarte& spot) const;
    void prendre(int ligne, int colonne);
    void etat_change(bool connectee, const QString& message);

    Contexte& contexte_;
    DelaisCluster delais_;
    ConnexionCluster* connexion_;
    std::unique_ptr<CarteBandes> carte_;
    QTimer* minuterie_;
    QStringList bandes_;
    // What the grid shows, column by column.
    QList<QList<SpotCarte>> colonnes_;
    // The columns narrowed for having no spot: the others keep the operator's widths.
    QList<bool> colonnes_vides_;
    quint64 version_affichee_ = 0;
    int tics_sans_affichage_ = 0;
};

} // namespace vorek
