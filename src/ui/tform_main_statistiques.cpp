// The statistics, report-check and committee's cross-check entries of the main window.

#include "tform_main.h"

#include "correction/textes_correction.h"
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
    Statistiques1->addSeparator();
    CorrectionCR1 = Statistiques1->addAction(textes_correction::menu_correction());
    CorrectionCR1->setObjectName(QStringLiteral("CorrectionCR1"));
    connect(CorrectionCR1, &QAction::triggered, this, &TForm_main::correction_demandee);
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
