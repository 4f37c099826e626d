#include "correction_comptes_rendus.h"

#include "base/erreur.h"
#include "correction/textes_correction.h"
#include "refdata/referentiel.h"
#include "refdata/textes_refdata.h"

#include <QDesktopServices>
#include <QDir>
#include <QProgressDialog>
#include <QThread>
#include <QUrl>

namespace vorek {

namespace {

QString texte_etape(const Avancement& a) {
    switch (a.etape) {
    case Etape::lecture:
        return textes_correction::etape_lecture(int(a.fait), int(a.total));
    case Etape::paires:
        return textes_correction::etape_paires(a.fait, a.total);
    case Etape::scores:
        break;
    }
    return textes_correction::etape_scores(int(a.fait), int(a.total));
}

} // namespace

CorrectionComptesRendus::CorrectionComptesRendus(Contexte& contexte, QWidget* fenetre)
    : QObject(fenetre), contexte_(contexte), fenetre_(fenetre) {
    setObjectName(QStringLiteral("CorrectionComptesRendus"));
}

CorrectionComptesRendus::~CorrectionComptesRendus() {
    if (travail_ != nullptr) {
        annuler_ = true;
        travail_->wait();
        delete travail_;
    }
}

bool CorrectionComptesRendus::en_cours() const {
    return travail_ != nullptr;
}

void CorrectionComptesRendus::lancer() {
    if (en_cours()) {
        return;
    }
    const QString dossier =
        contexte_.dialogues.dossier_a_ouvrir({textes_correction::titre_dossier(), QString(),
                                              QString(), contexte_.etat.rep_challenge, QString()});
    if (dossier.isEmpty()) {
        return;
    }
    OptionsCorrection options;
    options.dossier = dossier;
    options.aujourdhui = contexte_.horloge.maintenant_local().date();
    const QString rep_cfg = contexte_.etat.rep_cfg;
    const QString rep_BD = contexte_.etat.rep_BD;
    annuler_ = false;
    bilan_ = {};
    erreur_.clear();

    progression_ = new QProgressDialog(textes_correction::etape_lecture(0, 0),
                                       textes_correction::annuler(), 0, 0, fenetre_);
    progression_->setObjectName(QStringLiteral("ProgressionCorrection"));
    progression_->setWindowTitle(textes_correction::menu_correction());
    progression_->setWindowModality(Qt::WindowModal);
    progression_->setMinimumDuration(0);
    progression_->setAutoClose(false);
    progression_->setAutoReset(false);
    progression_->setMinimumWidth(420);
    connect(progression_, &QProgressDialog::canceled, this, [this] { annuler_ = true; });
    progression_->show();

    // The worker has reference files of its own: the program's indexes belong to the GUI
    // thread.
    travail_ = QThread::create([this, options, rep_cfg, rep_BD] {
        try {
            const Referentiel referentiel(rep_cfg, rep_BD);
            bilan_ = corriger_comptes_rendus(
                options, referentiel,
                [this](const Avancement& a) {
                    QMetaObject::invokeMethod(
                        this, [this, a] { montrer(a); }, Qt::QueuedConnection);
                },
                &annuler_);
        } catch (const Erreur& e) {
            erreur_ = e.message();
        }
    });
    connect(travail_, &QThread::finished, this, &CorrectionComptesRendus::finir);
    travail_->start();
}

void CorrectionComptesRendus::montrer(const Avancement& a) {
    if (!progression_ || progression_->wasCanceled()) {
        return;
    }
    const QString texte = texte_etape(a);
    progression_->setMaximum(int(std::min<qint64>(a.total, 1 << 30)));
    progression_->setValue(int(std::min<qint64>(a.fait, 1 << 30)));
    progression_->setLabelText(texte);
    emit avancement(texte);
}

void CorrectionComptesRendus::finir() {
    travail_->deleteLater();
    travail_ = nullptr;
    delete progression_;
    Dialogues& dialogues = contexte_.dialogues;
    if (!erreur_.isEmpty()) {
        dialogues.message(TypeMessage::erreur, erreur_);
    } else if (bilan_.annule) {
        dialogues.message(TypeMessage::information, textes_correction::correction_annulee());
    } else {
        QStringList ecartes;
        for (const FichierEcarte& e : bilan_.ecartes) {
            ecartes.append(e.fichier + QStringLiteral(" : ") + e.raison);
        }
        if (bilan_.base_membres_absente) {
            dialogues.message(TypeMessage::avertissement,
                              QString::fromUtf8(message_base_membres_absente));
        }
        if (bilan_.stations.empty()) {
            dialogues.message(TypeMessage::erreur,
                              (QStringList{textes_correction::aucun_compte_rendu()} + ecartes)
                                  .join(QLatin1Char('\n')));
        } else {
            if (!ecartes.isEmpty()) {
                dialogues.message(TypeMessage::information,
                                  (QStringList{textes_correction::fichiers_ecartes()} + ecartes)
                                      .join(QLatin1Char('\n')));
            }
            QDesktopServices::openUrl(QUrl::fromLocalFile(
                QDir(bilan_.sortie).absoluteFilePath(QStringLiteral("resultats.html"))));
        }
    }
    emit terminee(bilan_);
}

} // namespace vorek
