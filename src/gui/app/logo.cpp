#include "app/logo.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace quarvex {

QPixmap drawLogo(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 64.0, size / 64.0); // drawn on a 64 x 64 grid

    QLinearGradient tile(0, 0, 0, 64);
    tile.setColorAt(0, QColor(0x1f, 0x8a, 0x9e));
    tile.setColorAt(1, QColor(0x12, 0x4e, 0x6b));
    p.setPen(Qt::NoPen);
    p.setBrush(tile);
    p.drawRoundedRect(QRectF(2, 2, 60, 60), 12, 12);

    // The flask: a neck, then a cone widening to a flat base.
    QPainterPath flask;
    flask.moveTo(26, 12);
    flask.lineTo(38, 12);
    flask.lineTo(38, 26);
    flask.lineTo(50, 50);
    flask.quadTo(51, 54, 47, 54);
    flask.lineTo(17, 54);
    flask.quadTo(13, 54, 14, 50);
    flask.lineTo(26, 26);
    flask.closeSubpath();

    // The liquid fills the lower part of the flask.
    QPainterPath level;
    level.addRect(QRectF(0, 38, 64, 26));
    p.setBrush(QColor(0xff, 0xc8, 0x57));
    p.drawPath(flask.intersected(level));

    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(Qt::white, 3, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawPath(flask);
    p.drawLine(QPointF(23, 12), QPointF(41, 12));
    return pixmap;
}

QIcon appIcon()
{
    QIcon icon;
    for (int size : {16, 24, 32, 48, 64, 128})
        icon.addPixmap(drawLogo(size));
    return icon;
}

} // namespace quarvex
