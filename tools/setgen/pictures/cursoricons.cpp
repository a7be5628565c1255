#include "pictures/cursoricons.h"

#include <QPainter>

namespace {

QImage blank()
{
    QImage image(CursorIcons::Size, CursorIcons::Size, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    return image;
}

} // namespace

QImage CursorIcons::pencil()
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    // Drawn along the x axis with the tip at the origin, then turned up by 45°.
    p.translate(0.5, Size - 0.5);
    p.rotate(-45);
    const QPen outline(QColor(0x20, 0x20, 0x20), 1.0);
    p.setPen(outline);
    p.setBrush(QColor(0xf0, 0xd2, 0xa0)); // bare wood
    p.drawPolygon(QPolygonF({{0, 0}, {10, -4}, {10, 4}}));
    p.setBrush(QColor(0x30, 0x30, 0x30)); // graphite tip
    p.drawPolygon(QPolygonF({{0, 0}, {3.5, -1.4}, {3.5, 1.4}}));
    p.setBrush(QColor(0xf4, 0xc0, 0x20)); // painted body
    p.drawRect(QRectF(10, -4, 20, 8));
    p.setBrush(QColor(0xb0, 0xb0, 0xb8)); // ferrule
    p.drawRect(QRectF(30, -4, 3, 8));
    p.setBrush(QColor(0xf0, 0x80, 0x90)); // eraser
    p.drawRect(QRectF(33, -4, 5, 8));
    return image;
}

QImage CursorIcons::magnifier(bool enlarge)
{
    QImage image = blank();
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF centre(12.5, 12.5);
    p.setPen(QPen(QColor(0x40, 0x28, 0x10), 5, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(20, 20), QPointF(29, 29));
    p.setPen(QPen(QColor(0x20, 0x20, 0x20), 2.5));
    p.setBrush(QColor(0xe0, 0xf0, 0xff, 210));
    p.drawEllipse(centre, 9.5, 9.5);
    p.setPen(QPen(QColor(0x10, 0x10, 0x10), 2.5, Qt::SolidLine, Qt::FlatCap));
    p.drawLine(QPointF(7.5, 12.5), QPointF(17.5, 12.5));
    if (enlarge)
        p.drawLine(QPointF(12.5, 7.5), QPointF(12.5, 17.5));
    return image;
}
