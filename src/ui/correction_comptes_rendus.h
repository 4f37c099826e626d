#pragma once

#include "contexte.h"

#include "correction/correction.h"

#include <QObject>
#include <QPointer>
#include <QProgressDialog>

#include <atomic>
#include <memory>

class QThread;
class QWidget;

namespace vorek {

// "Correction des comptes rendus": the folder asked for, the committee's cross-check run
// off the GUI thread behind a progress dialog whose "Annuler" stops it, then the results
// page opened in the desktop's browser.
class CorrectionComptesRendus : public QObject {
    Q_OBJECT

  public:
    // Owned by fenetre, over which its dialogs are shown.
    CorrectionComptesRendus(Contexte& contexte, QWidget* fenetre);
    ~CorrectionComptesRendus() override;

    // Asks for the folder and starts; returns at once (nothing when a run is under way or
    // the operator cancels the folder dialog).
    void lancer();
    bool en_cours() const;
    // While a run is under way, for the tests.
    QProgressDialog* progression() const { return progression_; }

  signals:
    // The text the progress dialog shows, at each step.
    void avancement(const QString& texte);
    void terminee(const vorek::BilanCorrection& bilan);

  private:
    void montrer(const Avancement& avancement);
    void finir();

    Contexte& contexte_;
    QPointer<QWidget> fenetre_;
    QPointer<QProgressDialog> progression_;
    QThread* travail_ = nullptr;
    std::atomic_bool annuler_{false};
    // Written by the worker, read once it has finished.
    BilanCorrection bilan_;
    QString erreur_;
};

} // namespace vorek
