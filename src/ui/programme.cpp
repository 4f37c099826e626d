#include "programme.h"

#include "parametres_fenetres.h"
#include "tform_carte.h"
#include "tform_choix_adif.h"
#include "tform_infocr.h"
#include "tform_infos.h"
#include "tform_main.h"
#include "tform_radio.h"
#include "tform_statistiques.h"
#include "tform_verification.h"

#include "app/parametres.h"

#include <QFileInfo>
#include <QScreen>

namespace vorek {

Programme::Programme(Etat& etat, Dialogues& dialogues, const Horloge& horloge,
                     FenetreAttente& attente, OptionsProgramme options)
    : contexte_{.etat = etat,
                .dialogues = dialogues,
                .horloge = horloge,
                .attente = attente,
                .options = std::move(options)} {
    contexte_.terminer = [this] { terminer(); };
    Form_Infos_ = new TForm_Infos(contexte_);
    Form_Infos_->FormCreate();
    Form_main_ = new TForm_main(contexte_);
    Form_main_->FormCreate();
    Form_choix_ADIF_ = new TForm_choix_ADIF(contexte_);
    Form_infoCR_ = new TForm_infoCR(contexte_);
    place_infoCR_.fenetre = Form_infoCR_;
    relier();
    relier_statistiques();
    Form_infoCR_->FormCreate();
    reprendre_derniere_seance();
    Form_Infos_->show();
}

Programme::~Programme() {
    contexte_.fin_en_cours = true;
    if (Form_carte_ != nullptr) {
        Form_carte_->hide();
    }
    // Hidden while whole: a window hidden by its own destructor moves the focus and calls
    // back into a half-destroyed window.
    for (QWidget* fenetre :
         std::initializer_list<QWidget*>{Form_infoCR_, Form_choix_ADIF_, Form_main_, Form_Infos_}) {
        fenetre->hide();
    }
    delete Form_carte_;
    delete Form_radio_;
    delete Form_infoCR_;
    delete Form_choix_ADIF_;
    delete Form_main_;
    delete Form_Infos_;
}

void Programme::relier() {
    connect(Form_Infos_, &TForm_Infos::station_validee, Form_main_, &TForm_main::reprendre_saisie);
    connect(Form_main_, &TForm_main::retour_station_demande, this, &Programme::afficher_station);
    connect(Form_main_, &TForm_main::import_adif_demande, this, &Programme::afficher_choix_ADIF);
    connect(Form_main_, &TForm_main::envoi_cr_demande, this, &Programme::afficher_envoi_CR);
    connect(Form_main_, &TForm_main::reglages_radio_demandes, this, &Programme::afficher_radio);
    connect(Form_main_, &TForm_main::carte_demandee, this, &Programme::afficher_carte);
    connect(Form_main_, &TForm_main::fermeture_demandee, Form_Infos_, &QWidget::close);
    connect(Form_main_, &TForm_main::date_base_changee, Form_Infos_,
            &TForm_Infos::afficher_date_base);
    connect(Form_main_, &TForm_main::liste_dxcc_changee, Form_Infos_,
            &TForm_Infos::afficher_liste_dxcc);
    connect(Form_choix_ADIF_, &TForm_choix_ADIF::station_demandee, this,
            &Programme::afficher_station);
    connect(Form_infoCR_, &TForm_infoCR::parametres_a_lire, this, &Programme::lire_parametres);
    connect(Form_Infos_, &TForm_Infos::parametres_a_ecrire, this, &Programme::ecrire_parametres);
    connect(Form_main_, &TForm_main::parametres_a_ecrire, this, &Programme::ecrire_parametres);
    connect(Form_infoCR_, &TForm_infoCR::parametres_a_ecrire, this, &Programme::ecrire_parametres);
}

FenetresParametres Programme::fenetres_parametres() {
    return {Form_main_,     Form_Infos_,          Form_choix_ADIF_,
            &place_infoCR_, &place_statistiques_, &place_verification_};
}

void Programme::lire_parametres() {
    const Parametres p = lire_parametres_fenetres(fenetres_parametres(), contexte_.etat);
    contexte_.reglages_smtp_memorises = p.smtp;
    contexte_.reglages_smtp = p.smtp;
    // Server and port are those the station window shows: none until an address proposes.
    contexte_.reglages_smtp.serveur.clear();
    contexte_.reglages_smtp.port.clear();
    Form_Infos_->afficher_email(p.email);
    if (!p.largeurs_enregistrees) {
        Form_main_->colonnes_au_contenu();
    }
    dernier_fichier_ = p.dernier_fichier;
    derniere_bande_ = p.derniere_bande;
}

void Programme::ecrire_parametres() {
    if (Form_carte_ != nullptr) {
        const QRect cadre = Form_carte_->frameGeometry();
        ecrire_geometrie_fenetre(
            chemin_parametres(contexte_.etat), QStringLiteral("Form_carte"),
            {Form_carte_->width(), cadre.y(), cadre.x(), Form_carte_->height()});
    }
    const QString bande = contexte_.entree ? contexte_.entree->bande_selectionnee() : QString();
    const ReglagesSmtp garde =
        reglages_a_garder(contexte_.reglages_smtp_memorises, contexte_.reglages_smtp);
    if (ecrire_parametres_fenetres(fenetres_parametres(), contexte_.etat, bande, garde,
                                   contexte_.dialogues)) {
        contexte_.reglages_smtp_memorises = garde;
    }
}

// The band and the challenge file of the last session, when that file is still there; the
// station window shows it, and the operator may still choose another. A file moved or
// deleted since is no error: the station window simply asks for one.
void Programme::reprendre_derniere_seance() {
    Form_main_->choisir_bande(derniere_bande_);
    if (!dernier_fichier_.isEmpty() && QFileInfo(dernier_fichier_).isFile()) {
        Form_Infos_->charger(dernier_fichier_);
    }
}

void Programme::afficher_station() {
    Form_Infos_->show();
    Form_Infos_->raise();
    Form_Infos_->activateWindow();
}

void Programme::afficher_choix_ADIF() {
    Form_choix_ADIF_->move(Form_main_->geometry().center() - Form_choix_ADIF_->rect().center());
    ajuster_a_l_ecran(Form_choix_ADIF_);
    Form_choix_ADIF_->show();
    Form_choix_ADIF_->raise();
}

void Programme::afficher_envoi_CR() {
    placer_retenue(place_infoCR_, Form_main_, Form_main_->place_indicatif());
    Form_infoCR_->show();
    Form_infoCR_->raise();
    Form_infoCR_->activateWindow();
}

void Programme::afficher_radio() {
    if (Form_radio_ == nullptr) {
        Form_radio_ = new TForm_radio(contexte_);
        connect(Form_radio_, &TForm_radio::reglages_appliques, Form_main_,
                &TForm_main::appliquer_reglages_radio);
        connect(Form_radio_, &TForm_radio::reglages_cluster_appliques, this,
                [this](const ReglagesCluster& reglages) {
                    if (Form_carte_ != nullptr) {
                        Form_carte_->appliquer(reglages);
                    }
                });
        Form_radio_->adjustSize();
        Form_radio_->move(Form_main_->geometry().center() - Form_radio_->rect().center());
    }
    Form_radio_->afficher(lire_reglages_rig(chemin_parametres(contexte_.etat)));
    Form_radio_->afficher_cluster(lire_reglages_cluster(chemin_parametres(contexte_.etat)));
    ajuster_a_l_ecran(Form_radio_);
    Form_radio_->show();
    Form_radio_->raise();
    Form_radio_->activateWindow();
}

// Created at its first showing, connected as the settings say; then shown where it was.
void Programme::afficher_carte() {
    if (Form_carte_ == nullptr) {
        Form_carte_ = new TForm_carte(contexte_, contexte_.options.delais_cluster);
        connect(Form_carte_, &TForm_carte::spot_choisi, Form_main_, &TForm_main::prendre_spot);
        connect(Form_carte_, &TForm_carte::spot_designe, Form_main_, &TForm_main::designer_spot);
        connect(Form_main_, &TForm_main::spots_a_parcourir, Form_carte_, &TForm_carte::parcourir);
        placer_carte();
        Form_carte_->appliquer(lire_reglages_cluster(chemin_parametres(contexte_.etat)));
    }
    Form_carte_->show();
    Form_carte_->raise();
}

// Where the settings file last saw it; the first time, beside the main window, as high as it,
// inside the screen.
void Programme::placer_carte() {
    const std::optional<Geometrie> g =
        lire_geometrie_fenetre(chemin_parametres(contexte_.etat), QStringLiteral("Form_carte"));
    if (g) {
        Form_carte_->move(g->gauche, g->haut);
        Form_carte_->resize(g->largeur, g->hauteur);
    } else {
        // In the room the main window leaves on its right, narrowed to it when there is
        // enough for two bands; else as wide as it is, brought inside the screen.
        const QRect principale = Form_main_->frameGeometry();
        const int cadre = principale.width() - Form_main_->width();
        const int place =
            Form_main_->screen()->availableGeometry().right() - principale.right() - cadre;
        const int largeur = place >= Form_carte_->width() / 2
                                ? std::min(Form_carte_->width(), place)
                                : Form_carte_->width();
        Form_carte_->move(principale.right() + 1, principale.top());
        Form_carte_->resize(largeur, Form_main_->height());
    }
    ajuster_a_l_ecran(Form_carte_);
}

void Programme::terminer() {
    if (termine_) {
        return;
    }
    termine_ = true;
    contexte_.fin_en_cours = true;
    emit contexte_.etat.annonces.arreter_horloge();
    Form_infoCR_->hide();
    if (Form_radio_ != nullptr) {
        Form_radio_->hide();
    }
    if (Form_carte_ != nullptr) {
        Form_carte_->hide();
    }
    Form_choix_ADIF_->hide();
    Form_main_->hide();
    Form_Infos_->hide();
    emit fin();
}

} // namespace vorek
