// The statistics and report-check entries of the main window.

#include "tform_main.h"

#include "stats/textes_stats.h"

#include <QAction>
#include <QMenu>
#include <QMenuBar>
#include <QTableView>

namespace vorek {

void TForm_main::construire_menu_statistiques() {
    Statistiques1 = menuBar()->addMenu(textes_stats::menu_statistiques());
    Statistiques1->setObjectName(QStringLiteral("Statistiques1"));
    AfficherStatistiques1 = Statistiques1->addAction(textes_stats::titre_statistiques());
    AfficherStatistiques1->setObjectName(QStringLiteral("AfficherStatistiques1"));
    VerifierCR1 = Statistiques1->addAction(textes_stats::titre_verification());
    VerifierCR1->setObjectName(QStringLiteral("VerifierCR1"));
    connect(AfficherStatistiques1, &QAction::triggered, this, &TForm_main::statistiques_demandees);
    connect(VerifierCR1, &QAction::triggered, this, &TForm_main::verification_demandee);
}

void TForm_main::selectionner_ligne(int ligne) {
    const QModelIndex index = contexte_.etat.table.index_cellule(col_indicatif, ligne);
    if (!index.isValid()) {
        return;
    }
    raise();
    activateWindow();
    Grille->setFocus();
    Grille->setCurrentIndex(index);
    Grille->scrollTo(index);
}

} // namespace vorek
