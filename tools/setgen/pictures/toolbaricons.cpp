#include "pictures/toolbaricons.h"

#include <cmath>
#include <QPainter>
#include <QPainterPath>

namespace {

// Each picture is drawn on a 20 x 20 grid and scaled to the size asked for.
constexpr double kGrid = ToolbarIcons::Size;

const QColor kInk(0x26, 0x32, 0x3c);

QPen ink(double width = 1.5)
{
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter &p) // Word: a page with a folded corner and lines of text
{
    p.setPen(ink());
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{4, 2}, {13, 2}, {17, 6}, {17, 18}, {4, 18}}));
    p.drawPolyline(QPolygonF({{13, 2}, {13, 6}, {17, 6}}));
    p.setPen(ink(1.2));
    for (double y : {9.0, 12.0, 15.0})
        p.drawLine(QPointF(7, y), QPointF(14, y));
    p.setPen(QPen(QColor(0x2b, 0x5c, 0xb8), 1.6));
    p.drawLine(QPointF(7, 6), QPointF(10.5, 6));
}

void screen(QPainter &p) // 播放 (decks): a projection screen on its stand
{
    p.setPen(ink());
    p.setBrush(QColor(0xf4, 0xa2, 0x3c));
    p.drawRect(QRectF(2.5, 3, 15, 10));
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{8, 5.5}, {13, 8}, {8, 10.5}}));
    p.drawLine(QPointF(10, 13), QPointF(10, 17));
    p.drawLine(QPointF(6, 18), QPointF(14, 18));
}

void filmStrip(QPainter &p) // Flash: a film strip with its sprocket holes
{
    p.setPen(ink());
    p.setBrush(QColor(0x40, 0x44, 0x4c));
    p.drawRect(QRectF(4, 2, 12, 16));
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    for (double y = 3.2; y < 17; y += 3) {
        p.drawRect(QRectF(4.8, y, 1.6, 1.6));
        p.drawRect(QRectF(13.6, y, 1.6, 1.6));
    }
    p.setBrush(QColor(0xe8, 0x4a, 0x3c));
    p.drawRect(QRectF(7.5, 3.5, 5, 5.5));
    p.setBrush(QColor(0xf6, 0xc8, 0x3a));
    p.drawRect(QRectF(7.5, 11, 5, 5.5));
}

void textLines(QPainter &p) // Txt: lines of text
{
    p.setPen(ink(1.8));
    const double ends[] = {17, 14, 17, 11, 15};
    for (int i = 0; i < 5; ++i)
        p.drawLine(QPointF(3, 3.5 + i * 3.25), QPointF(ends[i], 3.5 + i * 3.25));
}

void pencil(QPainter &p) // Paint: a pencil drawn corner to corner
{
    p.translate(3, 17);
    p.rotate(-45);
    p.setPen(ink(1.2));
    p.setBrush(QColor(0xf0, 0xd2, 0xa0));
    p.drawPolygon(QPolygonF({{0, 0}, {4.5, -2.2}, {4.5, 2.2}}));
    p.setBrush(kInk);
    p.drawPolygon(QPolygonF({{0, 0}, {1.6, -0.8}, {1.6, 0.8}}));
    p.setBrush(QColor(0xf4, 0xc0, 0x20));
    p.drawRect(QRectF(4.5, -2.2, 10, 4.4));
    p.setBrush(QColor(0xf0, 0x80, 0x90));
    p.drawRect(QRectF(14.5, -2.2, 3, 4.4));
}

void landscape(QPainter &p) // Picture: a framed landscape with a sun
{
    p.setPen(ink());
    p.setBrush(QColor(0xcc, 0xe8, 0xfa));
    p.drawRect(QRectF(2, 3.5, 16, 13));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0xf6, 0xb8, 0x20));
    p.drawEllipse(QPointF(13.5, 7.5), 1.8, 1.8);
    p.setBrush(QColor(0x3c, 0x9a, 0x4a));
    p.drawPolygon(QPolygonF({{2.8, 15.7}, {8, 8.5}, {11.5, 13}, {13.5, 11}, {17.2, 15.7}}));
}

void playTriangle(QPainter &p) // Video: a play triangle in a round button
{
    p.setPen(ink());
    p.setBrush(QColor(0x2e, 0x86, 0xd0));
    p.drawEllipse(QPointF(10, 10), 8, 8);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawPolygon(QPolygonF({{8, 6}, {14.5, 10}, {8, 14}}));
}

void globe(QPainter &p) // Google: a globe with meridians and parallels
{
    p.setPen(ink(1.3));
    p.setBrush(QColor(0xd6, 0xee, 0xff));
    p.drawEllipse(QPointF(10, 10), 8, 8);
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(QPointF(10, 10), 3.5, 8);
    p.drawLine(QPointF(10, 2), QPointF(10, 18));
    p.drawLine(QPointF(2, 10), QPointF(18, 10));
    p.drawLine(QPointF(3.5, 6), QPointF(16.5, 6));
    p.drawLine(QPointF(3.5, 14), QPointF(16.5, 14));
}

void gear(QPainter &p) // 外接程序: a gear wheel
{
    QPainterPath wheel;
    const int teeth = 8;
    for (int i = 0; i < teeth * 4; ++i) {
        // Each tooth: rise, top, fall, root.
        const double angle = 2 * M_PI * i / (teeth * 4);
        const double r = (i % 4 == 1 || i % 4 == 2) ? 8.5 : 6.3;
        const QPointF at(10 + r * std::cos(angle), 10 + r * std::sin(angle));
        if (i == 0)
            wheel.moveTo(at);
        else
            wheel.lineTo(at);
    }
    wheel.closeSubpath();
    wheel.addEllipse(QPointF(10, 10), 2.6, 2.6);
    p.setPen(ink(1.2));
    p.setBrush(QColor(0x8c, 0x96, 0xa4));
    p.drawPath(wheel);
}

void keyboard(QPainter &p) // 输入: a keyboard
{
    p.setPen(ink(1.3));
    p.setBrush(QColor(0xee, 0xf0, 0xf2));
    p.drawRoundedRect(QRectF(1.5, 5, 17, 10.5), 1.5, 1.5);
    p.setPen(Qt::NoPen);
    p.setBrush(kInk);
    for (int row = 0; row < 2; ++row) {
        for (int col = 0; col < 6; ++col)
            p.drawRect(QRectF(3.4 + col * 2.4 + row * 1.2, 6.8 + row * 2.6, 1.5, 1.5));
    }
    p.drawRect(QRectF(6, 12.2, 8, 1.5));
}

void door(QPainter &p) // 退出: an open door with an arrow leaving through it
{
    p.setPen(ink());
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(3, 2, 9, 16));
    p.setBrush(QColor(0xb0, 0x6a, 0x3a));
    p.drawPolygon(QPolygonF({{3, 2}, {8, 4}, {8, 19.5}, {3, 18}}));
    p.setPen(QPen(QColor(0xd0, 0x30, 0x30), 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.drawLine(QPointF(10.5, 10), QPointF(18, 10));
    p.drawPolyline(QPolygonF({{15.2, 7.2}, {18, 10}, {15.2, 12.8}}));
}

struct Picture {
    const char *key;
    void (*draw)(QPainter &);
};

const Picture kPictures[] = {
    {"word", page},      {"ppt", screen},        {"flash", filmStrip},    {"txt", textLines},
    {"paint", pencil},   {"Picture", landscape}, {"video", playTriangle}, {"google", globe},
    {"MyProgram", gear}, {"Input", keyboard},    {"Exit", door},
};

} // namespace

QStringList ToolbarIcons::keys()
{
    QStringList keys;
    for (const Picture &picture : kPictures)
        keys << QLatin1String(picture.key);
    return keys;
}

QImage ToolbarIcons::paint(const QString &key, int pixels)
{
    for (const Picture &picture : kPictures) {
        if (key != QLatin1String(picture.key))
            continue;
        QImage image(pixels, pixels, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter p(&image);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(pixels / kGrid, pixels / kGrid);
        picture.draw(p);
        return image;
    }
    return QImage();
}
