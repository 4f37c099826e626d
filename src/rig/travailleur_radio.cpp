#include "travailleur_radio.h"

#include "textes_rig.h"

#include "base/journal_diagnostic.h"

#include <QTimer>

namespace vorek {

TravailleurRadio::TravailleurRadio(const ReglagesRadio& reglages, std::chrono::milliseconds lecture,
                                   std::chrono::milliseconds reprise)
    : reglages_(reglages), lecture_(lecture), reprise_(reprise) {}

void TravailleurRadio::demarrer() {
    minuterie_ = new QTimer(this);
    minuterie_->setSingleShot(true);
    connect(minuterie_, &QTimer::timeout, this, &TravailleurRadio::tic);
    tic();
}

void TravailleurRadio::tic() {
    if (liaison_.ouverte()) {
        lire();
    } else {
        ouvrir();
    }
    // Timed from the end of the call, so a slow rig is never asked twice at once.
    minuterie_->start(liaison_.ouverte() ? lecture_ : reprise_);
}

// The link counts as connected only once a first reading is good: a rig that answers
// nonsense stays "not connected" instead of flickering at every new attempt.
void TravailleurRadio::ouvrir() {
    if (const auto erreur = liaison_.ouvrir(reglages_)) {
        signaler(false, *erreur);
        return;
    }
    dernier_.reset();
    lire();
}

void TravailleurRadio::lire() {
    EtatRadio etat;
    if (const auto erreur = liaison_.lire(etat)) {
        liaison_.fermer();
        signaler(false, *erreur);
        return;
    }
    signaler(true, QString());
    if (etat != dernier_) {
        dernier_ = etat;
        emit etat_lu(etat);
    }
}

void TravailleurRadio::signaler(bool connectee, const QString& message) {
    // A rig that stays away gives the same message at every attempt: said once.
    if (message_signale_ != message) {
        message_signale_ = message;
        if (connectee) {
            qCInfo(journal_radio) << "radio connectée";
        }
        emit connexion(connectee, message);
    }
}

void TravailleurRadio::envoyer_morse(const QString& texte) {
    if (const auto erreur = liaison_.envoyer_morse(texte)) {
        emit erreur_morse(textes_rig::envoi_cw_impossible().arg(*erreur));
    }
}

void TravailleurRadio::arreter_morse() {
    if (const auto erreur = liaison_.arreter_morse()) {
        emit erreur_morse(textes_rig::arret_cw_impossible().arg(*erreur));
    }
}

void TravailleurRadio::regler_vitesse_morse(int wpm) {
    if (const auto erreur = liaison_.regler_vitesse_morse(wpm)) {
        emit erreur_morse(textes_rig::vitesse_cw_impossible().arg(*erreur));
    }
}

void TravailleurRadio::regler_frequence(qint64 hz) {
    if (!liaison_.ouverte()) {
        return; // lost since asked: the next opening reads where the rig is
    }
    if (const auto erreur = liaison_.regler_frequence(hz)) {
        emit erreur_frequence(textes_rig::frequence_impossible().arg(texte_frequence(hz), *erreur));
        return;
    }
    lire();
}

} // namespace vorek
