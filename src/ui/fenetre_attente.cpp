#include "fenetre_attente.h"

#include "refdata/noms_fichiers.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QVBoxLayout>

#include <algorithm>
#include <functional>

namespace vorek {

namespace {

// Closing the window by the window manager means the same as "Passer".
class CadreAttente : public QWidget {
  public:
    explicit CadreAttente(std::function<void()> passer)
        : QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint | Qt::CustomizeWindowHint |
                               Qt::WindowTitleHint),
          passer_(std::move(passer)) {}

  protected:
    void closeEvent(QCloseEvent* evenement) override {
        passer_();
        evenement->ignore();
    }

  private:
    std::function<void()> passer_;
};

QString legende(const QString& fichier) {
    return QString::fromUtf8(fichier == nom_base_membres ? legende_attente : legende_attente_pays);
}

} // namespace

void FenetreAttenteQt::ouvrir(const QString& fichier) {
    fermer();
    passe_ = false;
    auto* fenetre = new CadreAttente([this] { passe_ = true; });
    fenetre->setObjectName(QStringLiteral("Attente_BD"));
    fenetre->setWindowTitle(legende(fichier));
    fenetre->setWindowModality(Qt::ApplicationModal);
    fenetre->setAutoFillBackground(true);
    QPalette palette = fenetre->palette();
    palette.setColor(QPalette::Window, Qt::red);
    fenetre->setPalette(palette);
    auto* nom = new QLabel(QString::fromUtf8(texte_fichier_attente) + fichier, fenetre);
    nom->setObjectName(QStringLiteral("Label_fichier"));
    auto* barre = new QProgressBar(fenetre);
    barre->setObjectName(QStringLiteral("ProgressBar_attente"));
    barre->setRange(0, 0);
    auto* passer = new QPushButton(QString::fromUtf8(texte_passer), fenetre);
    passer->setObjectName(QStringLiteral("BitBtn_passer"));
    QObject::connect(passer, &QPushButton::clicked, [this] { passe_ = true; });
    auto* disposition = new QVBoxLayout(fenetre);
    disposition->addWidget(nom);
    disposition->addWidget(barre);
    disposition->addWidget(passer, 0, Qt::AlignRight);
    // The design's width, wider when the fonts need it.
    fenetre->setMinimumWidth(350);
    fenetre_ = fenetre;
    barre_ = barre;
    ++ouvertures_;
    fenetre->show();
    // Painted now: the fetch that follows keeps the events flowing only between its waits.
    QApplication::processEvents();
}

bool FenetreAttenteQt::avancer(qint64 recus, qint64 attendus) {
    if (barre_) {
        // Per mille: an int range is too short for a byte count.
        barre_->setRange(0, attendus > 0 ? 1000 : 0);
        barre_->setValue(attendus > 0 ? int(std::min(recus, attendus) * 1000 / attendus) : 0);
    }
    QApplication::processEvents();
    return !passe_;
}

void FenetreAttenteQt::fermer() {
    delete fenetre_;
}

} // namespace vorek
