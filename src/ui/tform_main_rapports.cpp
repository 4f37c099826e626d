// The report command and the exports of the main window.

#include "curseur_occupe.h"
#include "tform_main.h"

#include "reports/commandes_rapports.h"
#include "reports/redacteurs.h"

#include <QAction>
#include <QApplication>
#include <QToolButton>

namespace vorek {

namespace {

ContexteRapport contexte_rapport(Contexte& contexte) {
    return {contexte.etat, *contexte.referentiel, contexte.horloge.maintenant_local().date(),
            contexte.entree->bande_selectionnee()};
}

void exporter(Contexte& contexte, const RedacteurRapport& redacteur) {
    ContexteRapport rapport = contexte_rapport(contexte);
    commande_exporter(redacteur, rapport, contexte.dialogues);
}

} // namespace

void TForm_main::connecter_rapports() {
    connect(EcrireLog, &QToolButton::clicked, this, &TForm_main::EcrireLogClick);
    connect(ExportADIF1, &QAction::triggered, this, &TForm_main::ExportADIF1Click);
    connect(ExportTXT1, &QAction::triggered, this, &TForm_main::ExportTXT1Click);
}

void TForm_main::EcrireLogClick() {
    ContexteRapport rapport = contexte_rapport(contexte_);
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
    exporter(contexte_, redacteur_export_adif());
}

void TForm_main::ExportTXT1Click() {
    exporter(contexte_, redacteur_listing_ascii());
}

} // namespace vorek
