#pragma once

#include "envoi_smtp.h"

#include <QObject>

#include <atomic>

class QThread;

namespace vorek {

// Runs envoyer_message on a worker thread so that the windows stay alive; one send at a
// time. Signals arrive on the thread that owns this object.
class EnvoiArrierePlan : public QObject {
    Q_OBJECT

  public:
    explicit EnvoiArrierePlan(QObject* parent = nullptr);
    // Stops a running send and waits for its end.
    ~EnvoiArrierePlan() override;

    // False, and nothing starts, while a send is running.
    bool demarrer(const ParametresSmtp& parametres, const MessageCR& message);
    bool en_cours() const { return fil_ != nullptr; }
    // The running send stops at the next progress report; termine follows.
    void abandonner() { abandon_ = true; }

  signals:
    void progression(qint64 envoyes, qint64 total);
    void termine(const vorek::ResultatEnvoi& resultat);

  private:
    QThread* fil_ = nullptr;
    std::atomic<bool> abandon_{false};
    ResultatEnvoi resultat_;
};

} // namespace vorek
