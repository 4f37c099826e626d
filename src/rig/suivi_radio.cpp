#include "suivi_radio.h"

#include "textes_rig.h"
#include "travailleur_radio.h"

#include <QThread>

namespace vorek {

SuiviRadio::SuiviRadio(QObject* parent) : QObject(parent) {}

SuiviRadio::~SuiviRadio() {
    arreter();
}

void SuiviRadio::demarrer(const ReglagesRadio& reglages, const IntervallesRadio& intervalles) {
    arreter();
    if (reglages.modele <= 0) {
        return;
    }
    attente_arret_ = intervalles.attente_arret;
    fil_ = new QThread;
    travailleur_ = new TravailleurRadio(reglages, intervalles.lecture, intervalles.reprise);
    travailleur_->moveToThread(fil_);
    // Both end their lives by themselves once the thread stops, even when arreter() has
    // stopped waiting for a rig call that hangs.
    connect(fil_, &QThread::started, travailleur_, &TravailleurRadio::demarrer);
    connect(fil_, &QThread::finished, travailleur_, &QObject::deleteLater);
    connect(fil_, &QThread::finished, fil_, &QObject::deleteLater);
    connect(travailleur_, &TravailleurRadio::etat_lu, this, &SuiviRadio::recevoir_etat);
    connect(travailleur_, &TravailleurRadio::connexion, this, &SuiviRadio::recevoir_connexion);
    connect(travailleur_, &TravailleurRadio::erreur_morse, this, &SuiviRadio::erreur_morse);
    connect(travailleur_, &TravailleurRadio::erreur_frequence, this, &SuiviRadio::erreur_frequence);
    fil_->start();
}

void SuiviRadio::arreter() {
    if (travailleur_ != nullptr) {
        disconnect(travailleur_, nullptr, this, nullptr);
    }
    if (fil_ != nullptr) {
        fil_->quit();
        fil_->wait(QDeadlineTimer(attente_arret_));
    }
    fil_ = nullptr;
    travailleur_ = nullptr;
    connectee_ = false;
    etat_ = {};
    bande_.reset();
}

bool SuiviRadio::actif() const {
    return travailleur_ != nullptr;
}

bool SuiviRadio::envoyer_morse(const QString& texte) {
    if (travailleur_ == nullptr) {
        emit erreur_morse(textes_rig::envoi_cw_impossible().arg(textes_rig::radio_fermee()));
        return false;
    }
    QMetaObject::invokeMethod(travailleur_,
                              [t = travailleur_.data(), texte] { t->envoyer_morse(texte); });
    return true;
}

void SuiviRadio::arreter_morse() {
    if (travailleur_ != nullptr) {
        QMetaObject::invokeMethod(travailleur_, [t = travailleur_.data()] { t->arreter_morse(); });
    }
}

void SuiviRadio::regler_vitesse_morse(int wpm) {
    if (travailleur_ != nullptr) {
        QMetaObject::invokeMethod(travailleur_,
                                  [t = travailleur_.data(), wpm] { t->regler_vitesse_morse(wpm); });
    }
}

void SuiviRadio::regler_frequence(qint64 hz) {
    if (travailleur_ != nullptr) {
        QMetaObject::invokeMethod(travailleur_,
                                  [t = travailleur_.data(), hz] { t->regler_frequence(hz); });
    }
}

void SuiviRadio::recevoir_etat(const EtatRadio& etat) {
    if (sender() != travailleur_) {
        return; // from a rig followed before, already stopped
    }
    etat_ = etat;
    emit etat_change(etat);
    if (etat.bande && etat.bande != bande_) {
        emit bande_changee(*etat.bande);
    }
    bande_ = etat.bande;
}

void SuiviRadio::recevoir_connexion(bool connectee, const QString& message) {
    if (sender() != travailleur_) {
        return;
    }
    connectee_ = connectee;
    if (!connectee) {
        // After a return of the link, the band is given again even if unchanged.
        bande_.reset();
    }
    emit connexion_changee(connectee, message);
}

} // namespace vorek
