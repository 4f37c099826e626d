#include "infobulle.h"

#include <QToolTip>
#include <QWidget>

namespace vorek {

QFont TMyHintwindow::police() {
    return QFont(QStringLiteral("Times New Roman"), 10);
}

void TMyHintwindow::installer() {
    QToolTip::hideText();
    QToolTip::setFont(police());
}

QString partie_courte(const QString& hint) {
    return hint.section(QLatin1Char('|'), 0, 0);
}

QString partie_longue(const QString& hint) {
    const qsizetype barre = hint.indexOf(QLatin1Char('|'));
    return barre < 0 ? hint : hint.mid(barre + 1);
}

void fixer_hint(QWidget* controle, const QString& hint) {
    controle->setToolTip(partie_courte(hint));
    controle->setStatusTip(hint);
}

} // namespace vorek
