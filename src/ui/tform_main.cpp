#include "tform_main.h"

#include "adif_import/import_adif.h"
#include "app/mise_a_jour.h"
#include "base/erreur.h"
#include "entry/chargement.h"
#include "entry/libelles.h"
#include "fenetre_aide.h"
#include "log/commandes_fichier.h"
#include "panneau_saisie.h"
#include "parametres_fenetres.h"

#include <QAction>
#include <QCloseEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QShortcut>
#include <QTableView>
#include <QTimer>
#include <QToolButton>

namespace vorek {

TForm_main::TForm_main(Contexte& contexte) : contexte_(contexte) {
    setObjectName(QStringLiteral("Form_main"));
    construire_barre_outils();
    panneau_ = new PanneauSaisie(contexte_, centralWidget());
    construire_barre_boutons();
    construire_grilles();
    construire_menus();
    construire_menu_statistiques();
    partager_actions();
    disposer();
    connecter();
    construire_radio();
    setWindowTitle(QString::fromUtf8(titre_initial_principal));
    resize(1505, 918);
    const Annonces* annonces = &contexte_.etat.annonces;
    connect(annonces, &Annonces::journal_charge, this, &TForm_main::apres_chargement);
    connect(annonces, &Annonces::journal_importe, this, &TForm_main::apres_import);
    connect(annonces, &Annonces::arreter_horloge, Timer1, &QTimer::stop);
    connect(annonces, &Annonces::relancer_horloge, Timer1, qOverload<>(&QTimer::start));
}

void TForm_main::FormCreate() {
    Etat& etat = contexte_.etat;
    etat.fichier_modifie = false;
    etat.ligne_suivante = 1;
    const QStringList entetes = entetes_journal();
    for (int col = 0; col < entetes.size(); ++col) {
        etat.table.fixer_cellule(col, 0, entetes[col]);
    }
    if (!contexte_.referentiel) {
        contexte_.referentiel = std::make_unique<Referentiel>(etat.rep_cfg, etat.rep_BD);
    }
    etat.decalage_UTC = calculer_decalage_UTC(contexte_.horloge.biais_fuseau_minutes());
    // Real time, band item 0, today's date: the entry's own start.
    contexte_.entree = std::make_unique<EntreeQSO>(etat, *contexte_.referentiel, contexte_.horloge,
                                                   contexte_.dialogues);
    panneau_->demarrer();
    demarrer_radio();
}

void TForm_main::maj_titre() {
    setWindowTitle(titre_principal(contexte_.etat));
}

void TForm_main::apres_chargement() {
    maj_titre();
    afficher_score();
    Label_nbrQSO->setText(QString::number(compter_QSO(contexte_.etat.table)));
}

void TForm_main::apres_import() {
    apres_chargement();
    setWindowTitle(titre_import(contexte_.etat));
    Grille->setCurrentIndex(contexte_.etat.table.index_cellule(0, 1));
}

void TForm_main::afficher_score() {
    Label_score->setText(texte_score(contexte_.etat.score_total));
}

void TForm_main::reprendre_saisie() {
    maj_titre();
    show();
    activateWindow();
    panneau_->aller_a_l_indicatif();
    Timer1->start();
}

void TForm_main::appliquer_largeurs() {
    const TableJournal& table = contexte_.etat.table;
    for (int col = 0; col < table.nb_colonnes(); ++col) {
        Grille->horizontalHeader()->resizeSection(col, table.largeur(col));
    }
    etirer_notes();
}

// The last column (the notes) fills what the window leaves beyond the others, never below
// its own width. That widening is the window's, not the operator's: the log table, and so
// the files, keep the width the operator gave.
void TForm_main::etirer_notes() {
    const TableJournal& table = contexte_.etat.table;
    const int derniere = table.nb_colonnes() - 1;
    if (derniere < 0) {
        return;
    }
    QHeaderView* entetes = Grille->horizontalHeader();
    int autres = 0;
    for (int col = 0; col < derniere; ++col) {
        autres += entetes->sectionSize(col);
    }
    etirement_ = true;
    entetes->resizeSection(derniere,
                           std::max(table.largeur(derniere), Grille->viewport()->width() - autres));
    etirement_ = false;
}

QRect TForm_main::place_indicatif() const {
    return panneau_->place_indicatif();
}

void TForm_main::choisir_bande(const QString& bande) {
    panneau_->choisir_bande(bande);
}

void TForm_main::RetourAccueil1Click() {
    hide();
    emit retour_station_demande();
}

void TForm_main::Ouvrir1Click() {
    ouvrir(contexte_.etat, contexte_.dialogues, actions_chargement(*contexte_.entree));
}

void TForm_main::Enregistrer1Click() {
    enregistrer(contexte_.etat, contexte_.dialogues);
}

void TForm_main::Enregistrersous1Click() {
    if (enregistrer_sous(contexte_.etat, contexte_.dialogues)) {
        maj_titre();
    }
}

void TForm_main::SpeedButton1Click() {
    // The page is the program's own: no viewer or browser is needed.
    if (!aide_) {
        aide_ = new FenetreAide(this);
        aide_->move(geometry().center() - aide_->rect().center());
    }
    ajuster_a_l_ecran(aide_);
    aide_->show();
    aide_->raise();
    aide_->activateWindow();
}

void TForm_main::BitBtn_byeClick() {
    emit parametres_a_ecrire();
    // A log that could not be written keeps the program open: nothing is lost.
    if (fermer(contexte_.etat, contexte_.dialogues)) {
        contexte_.terminer();
    }
}

void TForm_main::CTYdatfichierdespays1Click() {
    const QString question = QStringLiteral("           Confirmer la mise à jour        ");
    if (contexte_.dialogues.confirmer(question) &&
        contexte_.options.actions.telecharger_fichier_pays) {
        contexte_.options.actions.telecharger_fichier_pays({});
    }
}

void TForm_main::Fichiersreference1Click() {
    const BilanMiseAJour bilan = mettre_a_jour_references(contexte_.etat, contexte_.options.actions,
                                                          contexte_.attente, contexte_.dialogues);
    emit date_base_changee(bilan.Label_date_BD);
    if (bilan.pays_converti) {
        contexte_.etat.liste_dxcc = bilan.entites;
        panneau_->renouveler_prefixes();
        emit liste_dxcc_changee();
    }
    contexte_.dialogues.message(TypeMessage::information, bilan.message);
}

void TForm_main::closeEvent(QCloseEvent* evenement) {
    if (contexte_.fin_en_cours) {
        evenement->accept();
        return;
    }
    if (!fermeture_autorisee(contexte_.etat, contexte_.dialogues)) {
        evenement->ignore();
        return;
    }
    evenement->accept();
    contexte_.terminer();
}

} // namespace vorek

namespace vorek {

void TForm_main::connecter() {
    connect(RetourAccueil1, &QAction::triggered, this, &TForm_main::RetourAccueil1Click);
    connect(Ouvrir1, &QAction::triggered, this, &TForm_main::Ouvrir1Click);
    connect(Enregistrer1, &QAction::triggered, this, &TForm_main::Enregistrer1Click);
    connect(Enregistrersous1, &QAction::triggered, this, &TForm_main::Enregistrersous1Click);
    // What another window does goes to the program.
    connect(Quitter1, &QAction::triggered, this, &TForm_main::fermeture_demandee);
    connect(ImportADIF1, &QAction::triggered, this, &TForm_main::import_adif_demande);
    connect(Info_CR, &QPushButton::clicked, this, &TForm_main::envoi_cr_demande);
    connect(SpeedButton1, &QToolButton::clicked, this, &TForm_main::SpeedButton1Click);
    connect(BitBtn_bye, &QPushButton::clicked, this, &TForm_main::BitBtn_byeClick);
    connect(CTYdatfichierdespays1, &QAction::triggered, this,
            &TForm_main::CTYdatfichierdespays1Click);
    connect(Fichiersreference1, &QAction::triggered, this, &TForm_main::Fichiersreference1Click);

    // The clock and the time mode are the entry's.
    connect(SpeedButton_temps_reel, &QToolButton::clicked, panneau_,
            &PanneauSaisie::passer_temps_reel);
    connect(SpeedButton_temps_differe, &QToolButton::clicked, panneau_,
            &PanneauSaisie::SpeedButton_temps_differeClick);
    connect(Timer1, &QTimer::timeout, panneau_, &PanneauSaisie::Timer1Timer);
    connect(panneau_, &PanneauSaisie::mode_temps_affiche, this, &TForm_main::afficher_mode_temps);
    connect(panneau_, &PanneauSaisie::libelles_a_afficher, this, &TForm_main::appliquer_libelles);

    // The widths live in the log table (the challenge and settings files store them there);
    // the grid shows them and gives back what the operator drags.
    TableJournal* table = &contexte_.etat.table;
    connect(table, &TableJournal::largeur_changee, this, [this](int col, int pixels) {
        Grille->horizontalHeader()->resizeSection(col, pixels);
        etirer_notes();
    });
    connect(table, &QAbstractItemModel::modelReset, this, &TForm_main::appliquer_largeurs);
    connect(Grille->horizontalHeader(), &QHeaderView::sectionResized, table,
            [this, table](int col, int, int pixels) {
                if (!etirement_) {
                    table->fixer_largeur(col, pixels);
                }
            });
    Grille->viewport()->installEventFilter(this);

    connecter_grille();
    connecter_rapports();
    connecter_clavier();
}

void TForm_main::connecter_clavier() {
    connect(new QShortcut(QKeySequence(Qt::Key_F1), this), &QShortcut::activated, this,
            &TForm_main::SpeedButton1Click);
}

void TForm_main::afficher_mode_temps(const QString& texte, const QColor& couleur) {
    Label_temps_reel->setText(texte);
    QPalette palette = Label_temps_reel->palette();
    palette.setColor(QPalette::WindowText, couleur);
    Label_temps_reel->setPalette(palette);
}

void TForm_main::appliquer_libelles(const Libelles& libelles) {
    if (libelles.Label_score) {
        Label_score->setText(*libelles.Label_score);
    }
    if (libelles.Label_nbrQSO) {
        Label_nbrQSO->setText(*libelles.Label_nbrQSO);
    }
    if (libelles.titre) {
        setWindowTitle(*libelles.titre);
    }
}

bool TForm_main::eventFilter(QObject* objet, QEvent* evenement) {
    if (objet == Grille->viewport() && evenement->type() == QEvent::Resize) {
        etirer_notes();
    }
    // The entry panel's keys (tform_main_cluster.cpp's filter): the band map's walk.
    if (evenement->type() == QEvent::KeyPress) {
        const auto* touche = static_cast<QKeyEvent*>(evenement);
        if (touche_spot(panneau_->champ_de(objet), touche->key(), touche->modifiers())) {
            return true;
        }
    }
    return QMainWindow::eventFilter(objet, evenement);
}

} // namespace vorek
