#include "radio_principale.h"

#include "controles.h"
#include "panneau_saisie.h"

#include "app/parametres.h"
#include "base/erreur.h"
#include "rig/messages_cw.h"
#include "rig/sortes_manipulateur.h"
#include "rig/textes_rig.h"

#include <QEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QMainWindow>
#include <QStatusBar>
#include <QTimer>

#include <utility>

namespace vorek {

namespace {

// What the operator should look at twice: a frequency outside every band, a mode not CW.
const QColor orange(230, 110, 0);

void signaler(QLabel* label, const QString& texte, bool alerte) {
    label->setText(texte);
    colorer(label, QPalette::WindowText, alerte ? orange : QColor(Qt::black));
}

} // namespace

RadioPrincipale::RadioPrincipale(QMainWindow& fenetre, PanneauSaisie& panneau, Etat& etat,
                                 const IntervallesRadio& intervalles)
    : QObject(&fenetre), fenetre_(fenetre), panneau_(panneau), etat_(etat),
      intervalles_(intervalles), suivi_(new SuiviRadio(this)), bande_a_prendre_(new QTimer(this)) {
    construire_etat();
    connect(suivi_, &SuiviRadio::etat_change, this, &RadioPrincipale::afficher_radio);
    connect(suivi_, &SuiviRadio::connexion_changee, this, &RadioPrincipale::connexion_changee);
    connect(suivi_, &SuiviRadio::erreur_frequence, this, &RadioPrincipale::dire);
    connect(suivi_, &SuiviRadio::bande_changee, this, [this](const QString& bande) {
        bande_voulue_ = bande;
        prendre_bande();
    });
    bande_a_prendre_->setInterval(intervalles_.lecture);
    connect(bande_a_prendre_, &QTimer::timeout, this, &RadioPrincipale::prendre_bande);
    // Every entry event is seen, so that no correction passes unnoticed between two ticks.
    connect(&panneau_, &PanneauSaisie::saisie_traitee, this, [this] {
        if (suivi_->actif()) {
            prendre_bande();
        }
    });
    // Installed after the panel's own filter, so seen first: a key used for the CW never
    // reaches the entry.
    panneau_.surveiller_touches(this);
}

RadioPrincipale::~RadioPrincipale() {
    manipulateur_.reset();
    suivi_->arreter();
}

void RadioPrincipale::construire_etat() {
    QStatusBar* barre = fenetre_.statusBar();
    Label_message = creer<QLabel>(barre, "Label_message");
    Label_radio = creer<QLabel>(barre, "Label_radio");
    Label_mode = creer<QLabel>(barre, "Label_mode");
    Label_manipulateur = creer<QLabel>(barre, "Label_manipulateur");
    QFont gras = Label_radio->font();
    gras.setBold(true);
    for (QLabel* label : {Label_radio, Label_mode}) {
        label->setFont(gras);
    }
    barre->addWidget(Label_message, 1);
    barre->addPermanentWidget(Label_radio);
    barre->addPermanentWidget(Label_mode);
    barre->addPermanentWidget(Label_manipulateur);
    barre->hide();
}

void RadioPrincipale::appliquer(const ReglagesRig& reglages) {
    reglages_ = reglages;
    manipulateur_.reset();
    suivi_->arreter();
    bande_voulue_.reset();
    bande_a_prendre_->stop();
    correction_ = etat_.fichier_modifie;
    const bool radio = reglages.radio.modele > 0;
    Label_message->clear();
    Label_radio->setVisible(radio);
    Label_mode->setVisible(radio);
    if (radio) {
        signaler(Label_radio, textes_rig::radio_non_connectee(), false);
        Label_mode->clear();
        suivi_->demarrer(reglages.radio, intervalles_);
        bande_a_prendre_->start();
    }
    creer_manipulateur();
    fenetre_.statusBar()->setVisible(radio || manipulateur_);
}

void RadioPrincipale::regler_frequence(qint64 hz) {
    if (suivi_->connectee()) {
        suivi_->regler_frequence(hz);
    }
}

void RadioPrincipale::creer_manipulateur() {
    manipulateur_ = vorek::creer_manipulateur(reglages_.manipulateur, suivi_);
    Label_manipulateur->setVisible(manipulateur_ != nullptr);
    if (!manipulateur_) {
        return;
    }
    Manipulateur* m = manipulateur_.get();
    connect(m, &Manipulateur::envoi_commence, this,
            [this](const QString& texte) { dire(textes_rig::envoi_en_cours().arg(texte)); });
    connect(m, &Manipulateur::envoi_fini, this, [this] {
        if (Label_message->text().startsWith(textes_rig::envoi_en_cours().arg(QString()))) {
            Label_message->clear();
        }
    });
    connect(m, &Manipulateur::erreur, this, &RadioPrincipale::dire);
    connect(m, &Manipulateur::etat_change, this, &RadioPrincipale::afficher_manipulateur);
    connect(m, &Manipulateur::vitesse_changee, this, &RadioPrincipale::vitesse_changee);
    afficher_manipulateur();
}

bool RadioPrincipale::eventFilter(QObject* objet, QEvent* evenement) {
    const QEvent::Type type = evenement->type();
    if ((type == QEvent::KeyPress || type == QEvent::ShortcutOverride) && manipulateur_) {
        const auto* t = static_cast<QKeyEvent*>(evenement);
        if (t->modifiers() != Qt::NoModifier && t->modifiers() != Qt::KeypadModifier) {
            return QObject::eventFilter(objet, evenement);
        }
        if (type == QEvent::KeyPress) {
            return touche(t->key());
        }
        // A key of the CW is the entry panel's own: no shortcut of the window (F1's help)
        // takes it first.
        if (touche_cw(t->key())) {
            evenement->accept();
            return true;
        }
    }
    return QObject::eventFilter(objet, evenement);
}

bool RadioPrincipale::touche_cw(int code) const {
    return (code >= Qt::Key_F1 && code < Qt::Key_F1 + nb_messages_cw) || code == Qt::Key_PageUp ||
           code == Qt::Key_PageDown || (code == Qt::Key_Escape && peut_arreter());
}

// Idle, or with a keyer that cannot stop, Escape is the entry's own key.
bool RadioPrincipale::peut_arreter() const {
    return manipulateur_->capacites().arret && !manipulateur_->texte_en_cours().isEmpty();
}

bool RadioPrincipale::touche(int code) {
    if (code >= Qt::Key_F1 && code < Qt::Key_F1 + nb_messages_cw) {
        envoyer_message(code - Qt::Key_F1);
        return true;
    }
    switch (code) {
    case Qt::Key_Escape:
        if (!peut_arreter()) {
            return false;
        }
        manipulateur_->arreter();
        return true;
    case Qt::Key_PageUp:
        manipulateur_->accelerer();
        return true;
    case Qt::Key_PageDown:
        manipulateur_->ralentir();
        return true;
    default:
        return false;
    }
}

void RadioPrincipale::envoyer_message(int numero) {
    const ChampsMacro champs{etat_.station.station_call, panneau_.indicatif(),
                             etat_.station.station_nr_club, panneau_.report_envoye()};
    const MessageCw message = developper_message(reglages_.messages[size_t(numero)], champs);
    if (!message.erreur.isEmpty()) {
        dire(message.erreur);
    } else if (message.texte.isEmpty()) {
        dire(textes_rig::rien_a_envoyer());
    } else {
        manipulateur_->envoyer(message.texte);
    }
}

void RadioPrincipale::dire(const QString& texte) {
    Label_message->setText(texte);
}

void RadioPrincipale::connexion_changee(bool connectee, const QString& message) {
    if (connectee) {
        afficher_radio();
    } else {
        signaler(Label_radio, textes_rig::radio_non_connectee(), false);
        Label_mode->clear();
    }
    // Hamlib's cause stays at hand while the link is down, and goes when it is back.
    Label_radio->setToolTip(message);
    if (!message.isEmpty()) {
        dire(message);
    } else if (Label_message->text() == message_liaison_) {
        Label_message->clear();
    }
    message_liaison_ = message;
}

void RadioPrincipale::afficher_radio() {
    if (!suivi_->connectee()) {
        return;
    }
    const EtatRadio& etat = suivi_->etat();
    signaler(Label_radio, texte_frequence(etat.frequence_hz), !etat.bande.has_value());
    signaler(Label_mode, etat.mode, !etat.en_cw());
}

void RadioPrincipale::afficher_manipulateur() {
    if (manipulateur_) {
        Label_manipulateur->setText(texte_manipulateur(*manipulateur_));
    }
}

void RadioPrincipale::vitesse_changee(int wpm) {
    afficher_manipulateur();
    // The speed reached with the keys is the one of the next start.
    reglages_.manipulateur.wpm = wpm;
    const QString chemin = chemin_parametres(etat_);
    ReglagesRig sur_disque = lire_reglages_rig(chemin);
    sur_disque.manipulateur.wpm = wpm;
    try {
        ecrire_reglages_rig(chemin, sur_disque);
    } catch (const Erreur& e) {
        dire(e.message());
    }
}

void RadioPrincipale::prendre_bande() {
    // A row being corrected keeps its own band; once it is done, the rig's band is the one
    // of the next QSO again.
    const bool correction = etat_.fichier_modifie;
    if (correction_ && !correction && suivi_->etat().bande) {
        bande_voulue_ = suivi_->etat().bande;
    }
    correction_ = correction;
    if (!bande_voulue_ || correction) {
        return;
    }
    // Taken first: setting the band is itself an entry event, which calls back here.
    const QString bande = *std::exchange(bande_voulue_, std::nullopt);
    if (!panneau_.suivre_bande(bande)) {
        bande_voulue_ = bande;
    }
}

} // namespace vorek
