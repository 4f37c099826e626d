#include "envoi_arriere_plan.h"

#include <QThread>

namespace vorek {

EnvoiArrierePlan::EnvoiArrierePlan(QObject* parent) : QObject(parent) {}

EnvoiArrierePlan::~EnvoiArrierePlan() {
    if (fil_ != nullptr) {
        abandon_ = true;
        fil_->wait();
        delete fil_;
    }
}

bool EnvoiArrierePlan::demarrer(const ParametresSmtp& parametres, const MessageCR& message) {
    if (fil_ != nullptr) {
        return false;
    }
    abandon_ = false;
    const SuiviEnvoi suivi = [this, deja = qint64(-1)](qint64 envoyes, qint64 total) mutable {
        // libcurl reports often, also while waiting: only news cross to the other thread.
        if (envoyes != deja) {
            deja = envoyes;
            QMetaObject::invokeMethod(
                this, [this, envoyes, total] { emit progression(envoyes, total); },
                Qt::QueuedConnection);
        }
        return !abandon_;
    };
    // resultat_ is written by the worker only, and read here once it has finished.
    fil_ = QThread::create([this, parametres, message, suivi] {
        resultat_ = envoyer_message(parametres, message, suivi);
    });
    connect(fil_, &QThread::finished, this, [this] {
        fil_->deleteLater();
        fil_ = nullptr;
        emit termine(resultat_);
    });
    fil_->start();
    return true;
}

} // namespace vorek
