#include "ranking/pictogrammes.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

QIcon Pictogramme(const QString &glyphe, const QColor &fond)
{
    QPixmap image(28, 28);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(fond.darker(150), 1));
    p.setBrush(fond);
    p.drawRoundedRect(QRectF(1.5, 1.5, 25, 25), 5, 5);
    QFont police = p.font();
    police.setPixelSize(glyphe.size() > 1 ? 11 : 15);
    police.setBold(true);
    p.setFont(police);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 0, 28, 28), Qt::AlignCenter, glyphe);
    return QIcon(image);
}

QIcon PictureTri(bool actif)
{
    QPixmap image(12, 10);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(1.5, 1.5);
    triangle.lineTo(10.5, 1.5);
    triangle.lineTo(6, 8.5);
    triangle.closeSubpath();
    p.setPen(QPen(actif ? QColor(0, 70, 160) : Qt::gray, 1));
    p.setBrush(actif ? QColor(0, 70, 160) : QColor(Qt::transparent));
    p.drawPath(triangle);
    return QIcon(image);
}
