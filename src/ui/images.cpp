#include "images.h"

#include <QLinearGradient>
#include <QPainter>

namespace vorek {

QPixmap logo_club() {
    QPixmap image(89, 89);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(QColor(0, 51, 153));
    p.setPen(QPen(QColor(255, 204, 0), 4));
    p.drawEllipse(QRectF(3, 3, 83, 83));
    p.setPen(Qt::white);
    p.setFont(QFont(QStringLiteral("Tahoma"), 20, QFont::Bold));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("ZTC"));
    return image;
}

QPixmap banniere() {
    QPixmap image(297, 49);
    QPainter p(&image);
    QLinearGradient fond(0, 0, 297, 0);
    fond.setColorAt(0, QColor(0, 51, 153));
    fond.setColorAt(1, QColor(0, 153, 204));
    p.fillRect(image.rect(), fond);
    p.setPen(QColor(255, 204, 0));
    p.setFont(QFont(QStringLiteral("Tahoma"), 15, QFont::Bold));
    p.drawText(image.rect(), Qt::AlignCenter, QStringLiteral("CHALLENGE VOREK"));
    return image;
}

} // namespace vorek
