#include "browsericons.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace {

const int kSize = 24;

void arrow(QPainter &p, bool left)
{
    QPainterPath path;
    const qreal tip = left ? 3 : 21, base = left ? 12 : 12, tail = left ? 21 : 3;
    path.moveTo(tip, 12);
    path.lineTo(base, 4);
    path.lineTo(base, 8.5);
    path.lineTo(tail, 8.5);
    path.lineTo(tail, 15.5);
    path.lineTo(base, 15.5);
    path.lineTo(base, 20);
    path.closeSubpath();
    p.setPen(QPen(QColor(0x1d, 0x5b, 0x2a), 1));
    p.setBrush(QColor(0x3c, 0xa5, 0x4f));
    p.drawPath(path);
}

void stop(QPainter &p)
{
    p.setPen(QPen(QColor(0x8c, 0x10, 0x10), 1));
    p.setBrush(QColor(0xd8, 0x2c, 0x2c));
    p.drawEllipse(QRectF(2.5, 2.5, 19, 19));
    p.setPen(QPen(Qt::white, 2.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(8, 8), QPointF(16, 16));
    p.drawLine(QPointF(16, 8), QPointF(8, 16));
}

void refresh(QPainter &p)
{
    p.setPen(QPen(QColor(0x1f, 0x5f, 0xb0), 2.6, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    p.drawArc(QRectF(4, 4, 16, 16), 60 * 16, 280 * 16);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0x1f, 0x5f, 0xb0));
    p.drawPolygon(QPolygonF({QPointF(13, 1), QPointF(19, 5), QPointF(13, 8.5)}));
}

void home(QPainter &p)
{
    p.setPen(QPen(QColor(0x6b, 0x3a, 0x10), 1));
    p.setBrush(QColor(0xc8, 0x4b, 0x31));
    p.drawPolygon(QPolygonF({QPointF(12, 2), QPointF(22, 11), QPointF(2, 11)}));
    p.setBrush(QColor(0xf2, 0xe2, 0xb8));
    p.drawRect(QRectF(5, 11, 14, 10));
    p.setBrush(QColor(0x8a, 0x5a, 0x2b));
    p.drawRect(QRectF(10, 14, 4, 7));
}

void search(QPainter &p)
{
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 3.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(15, 15), QPointF(21, 21));
    p.setPen(QPen(QColor(0x44, 0x44, 0x44), 2));
    p.setBrush(QColor(0xcf, 0xe8, 0xfa));
    p.drawEllipse(QRectF(3, 3, 13, 13));
}

} // namespace

QIcon browserIcon(const QString &key)
{
    QPixmap picture(kSize, kSize);
    picture.fill(Qt::transparent);
    QPainter p(&picture);
    p.setRenderHint(QPainter::Antialiasing);
    if (key == QLatin1String("Back"))
        arrow(p, true);
    else if (key == QLatin1String("Forward"))
        arrow(p, false);
    else if (key == QLatin1String("Stop"))
        stop(p);
    else if (key == QLatin1String("Refresh"))
        refresh(p);
    else if (key == QLatin1String("Home"))
        home(p);
    else if (key == QLatin1String("Search"))
        search(p);
    p.end();
    return QIcon(picture);
}
