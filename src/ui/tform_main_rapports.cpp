// The report command and the exports of the main window.

#include "curseur_occupe.h"
#include "tform_main.h"

#include "reports/commandes_rapports.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

namespace vorek {

void TForm_main::connecter_rapports() {
    connect(EcrireLog, &QToolButton::clicked, this, &TForm_main::EcrireLogClick);
    connect(ExportADIF1, &QAction::triggered, this, &TForm_main::ExportADIF1Click);
    connect(ExportTXT1, &QAction::triggered, this, &TForm_main::ExportTXT1Click);
}

void TForm_main::EcrireLogClick() {
    ContexteRapport rapport{contexte_.etat, *contexte_.referentiel,
                            contexte_.horloge.maintenant_local().date(),
                            contexte_.entree->bande_selectionnee()};
    CompteRendu compte_rendu;
    {
        CurseurOccupe curseur;
        compte_rendu = executer_ecrire_log(rapport);
    }
    // The text report rescored the log: the labels follow.
    afficher_score();
    signaler_compte_rendu(compte_rendu, contexte_.dialogues);
}

void TForm_main::ExportADIF1Click() {
    commande_export_adif(contexte_.etat, *contexte_.referentiel, contexte_.dialogues);
}

void TForm_main::ExportTXT1Click() {
    commande_export_ascii(contexte_.etat, contexte_.dialogues);
}

} // namespace vorek
