#include "fenetre_attente.h"

#include <QApplication>
#include <QLabel>
#include <QVBoxLayout>

namespace vorek {

void FenetreAttenteQt::ouvrir() {
    fermer();
    auto* fenetre = new QWidget(nullptr, Qt::Tool | Qt::WindowStaysOnTopHint |
                                             Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    fenetre->setObjectName(QStringLiteral("Attente_BD"));
    fenetre->setWindowTitle(QString::fromUtf8(legende_attente));
    fenetre->setAutoFillBackground(true);
    QPalette palette = fenetre->palette();
    palette.setColor(QPalette::Window, Qt::red);
    fenetre->setPalette(palette);
    auto* corps = new QLabel(QString(55, QLatin1Char(' ')), fenetre);
    auto* disposition = new QVBoxLayout(fenetre);
    disposition->addWidget(corps);
    disposition->setContentsMargins(0, 0, 0, 0);
    fenetre->setFixedSize(350, 35);
    fenetre->show();
    // Painted now: the fetch that follows blocks the event loop.
    QApplication::processEvents();
    fenetre_ = fenetre;
    ++ouvertures_;
}

void FenetreAttenteQt::fermer() {
    if (fenetre_) {
        fenetre_->close();
        delete fenetre_;
    }
}

} // namespace vorek
