#include "pictures/scenepainter.h"

#include <cmath>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>

namespace {

constexpr int kWidth = 1024;
constexpr int kHeight = 768;
constexpr int kDotsPerMeter = 3780; // 96 dpi

struct Palette {
    QColor top, bottom, accent, ground;
};

// One palette per cover picture; the motif cycles every five covers.
const Palette kCoverPalettes[ScenePainter::CoverCount] = {
    {QColor(0x1e, 0x3c, 0x72), QColor(0xf0, 0x9a, 0x5a), QColor(0xff, 0xe0, 0x8a), QColor(0x2a, 0x3a, 0x2e)},
    {QColor(0x0f, 0x2a, 0x3f), QColor(0x3f, 0x8f, 0xa8), QColor(0xd8, 0xf4, 0xff), QColor(0x10, 0x2a, 0x36)},
    {QColor(0x06, 0x3a, 0x5a), QColor(0x7c, 0xc8, 0xd8), QColor(0xff, 0xff, 0xff), QColor(0x0a, 0x4a, 0x6a)},
    {QColor(0x2c, 0x1e, 0x4a), QColor(0xb8, 0x7c, 0xb0), QColor(0xfa, 0xf2, 0xd8), QColor(0x24, 0x18, 0x38)},
    {QColor(0x1a, 0x12, 0x30), QColor(0x5a, 0x2a, 0x5a), QColor(0xff, 0xd0, 0x70), QColor(0x20, 0x14, 0x28)},
    {QColor(0x6a, 0x9a, 0xd0), QColor(0xf8, 0xe8, 0xc0), QColor(0xff, 0x8a, 0x3a), QColor(0x4a, 0x6a, 0x30)},
    {QColor(0x3a, 0x10, 0x1a), QColor(0xc0, 0x4a, 0x3a), QColor(0xff, 0xc8, 0x9a), QColor(0x2a, 0x0a, 0x10)},
    {QColor(0x20, 0x4a, 0x2a), QColor(0xa8, 0xd0, 0x8a), QColor(0xf8, 0xff, 0xe8), QColor(0x18, 0x3a, 0x20)},
    {QColor(0x12, 0x1a, 0x2a), QColor(0x4a, 0x5a, 0x7a), QColor(0xe8, 0xec, 0xf8), QColor(0x0e, 0x14, 0x20)},
    {QColor(0x4a, 0x2a, 0x08), QColor(0xe8, 0xb0, 0x4a), QColor(0xff, 0xf0, 0xb0), QColor(0x3a, 0x20, 0x08)},
};

QImage canvas(int width, int height, const QColor &top, const QColor &bottom)
{
    QImage image(width, height, QImage::Format_RGB32);
    // Stated, so the JPEG header does not depend on how the generator was started.
    image.setDotsPerMeterX(kDotsPerMeter);
    image.setDotsPerMeterY(kDotsPerMeter);
    QPainter p(&image);
    QLinearGradient sky(0, 0, 0, height);
    sky.setColorAt(0, top);
    sky.setColorAt(1, bottom);
    p.fillRect(image.rect(), sky);
    return image;
}

// A ridge line of overlapping sine waves, filled down to the bottom edge.
QPainterPath ridge(int width, int height, double base, double amplitude, double seed)
{
    QPainterPath path(QPointF(0, height));
    for (int x = 0; x <= width; x += 8) {
        const double y =
            base - amplitude * (0.6 * std::sin(x / 140.0 + seed) + 0.3 * std::sin(x / 53.0 + seed * 2) +
                                0.1 * std::sin(x / 21.0 + seed * 3));
        path.lineTo(x, y);
    }
    path.lineTo(width, height);
    path.closeSubpath();
    return path;
}

void glow(QPainter &p, const QPointF &centre, double radius, const QColor &colour)
{
    QRadialGradient g(centre, radius);
    g.setColorAt(0, colour);
    QColor clear = colour;
    clear.setAlpha(0);
    g.setColorAt(1, clear);
    p.setPen(Qt::NoPen);
    p.setBrush(g);
    p.drawEllipse(centre, radius, radius);
}

void stars(QPainter &p, QRandomGenerator &random, int count, const QRect &area, int alpha)
{
    p.setPen(Qt::NoPen);
    for (int i = 0; i < count; ++i) {
        const QPointF at(area.left() + random.bounded(area.width()),
                         area.top() + random.bounded(area.height()));
        p.setBrush(QColor(255, 255, 240, alpha / 2 + random.bounded(alpha / 2)));
        const double r = 0.6 + random.bounded(1.4);
        p.drawEllipse(at, r, r);
    }
}

void sunOverHills(QPainter &p, const Palette &c, double seed)
{
    glow(p, QPointF(kWidth * 0.68, kHeight * 0.42), 260, c.accent);
    p.setBrush(c.accent);
    p.drawEllipse(QPointF(kWidth * 0.68, kHeight * 0.42), 70, 70);
    for (int layer = 0; layer < 3; ++layer) {
        p.setBrush(c.ground.lighter(160 - layer * 30));
        p.drawPath(ridge(kWidth, kHeight, kHeight * (0.62 + 0.09 * layer), 60 - layer * 12, seed + layer));
    }
}

void rings(QPainter &p, const Palette &c, QRandomGenerator &random)
{
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 14; ++i) {
        QColor ring = c.accent;
        ring.setAlpha(30 + random.bounded(60));
        p.setPen(QPen(ring, 2 + random.bounded(10)));
        const double r = 40 + i * 34;
        p.drawEllipse(QPointF(kWidth * 0.25, kHeight * 0.7), r, r);
    }
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 12; ++i) {
        QColor dot = c.accent;
        dot.setAlpha(40 + random.bounded(80));
        glow(p, QPointF(random.bounded(kWidth), random.bounded(kHeight / 2)), 20 + random.bounded(60), dot);
    }
}

void waves(QPainter &p, const Palette &c, double seed)
{
    for (int band = 0; band < 6; ++band) {
        QColor water = c.ground.lighter(100 + band * 18);
        water.setAlpha(200);
        p.setBrush(water);
        p.drawPath(ridge(kWidth, kHeight, kHeight * (0.5 + 0.08 * band), 18, seed + band * 0.7));
    }
    glow(p, QPointF(kWidth * 0.2, kHeight * 0.2), 140, c.accent);
}

// A moonlit night over layered mountains; the cover pictures and the closing
// picture differ in where the moon and the ridges sit.
struct Night {
    QPointF moon; // fraction of the picture's size
    double moonRadius;
    int stars;
    int starAlpha;
    double firstRidge; // fraction of the height
    double ridgeSpacing;
    int ridges;
};

void nightScene(QPainter &p, const QSize &size, const Palette &c, QRandomGenerator &random, double seed,
                const Night &night)
{
    const int w = size.width(), h = size.height();
    stars(p, random, night.stars, QRect(0, 0, w, int(h * night.firstRidge)), night.starAlpha);
    const QPointF moon(w * night.moon.x(), h * night.moon.y());
    glow(p, moon, night.moonRadius * 3, c.accent);
    p.setBrush(c.accent);
    p.drawEllipse(moon, night.moonRadius, night.moonRadius);
    for (int layer = 0; layer < night.ridges; ++layer) {
        p.setBrush(c.ground.lighter(100 + (night.ridges - 1 - layer) * 30));
        p.drawPath(ridge(w, h, h * (night.firstRidge + night.ridgeSpacing * layer), 110 - layer * 20,
                         seed * 2 + layer));
    }
}

void lanterns(QPainter &p, const Palette &c, QRandomGenerator &random)
{
    for (int i = 0; i < 40; ++i) {
        QColor light = c.accent;
        light.setAlpha(40 + random.bounded(120));
        glow(p, QPointF(random.bounded(kWidth), random.bounded(kHeight)), 15 + random.bounded(70), light);
    }
    p.setBrush(c.ground);
    p.drawRect(0, int(kHeight * 0.86), kWidth, kHeight);
}

} // namespace

QImage ScenePainter::cover(int number)
{
    const Palette &c = kCoverPalettes[(number - 1) % CoverCount];
    QImage image = canvas(kWidth, kHeight, c.top, c.bottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    QRandomGenerator random{quint32(number)};
    const double seed = number * 1.7;
    switch ((number - 1) % 5) {
    case 0:
        sunOverHills(p, c, seed);
        break;
    case 1:
        rings(p, c, random);
        break;
    case 2:
        waves(p, c, seed);
        break;
    case 3:
        nightScene(p, image.size(), c, random, seed, {{0.78, 0.22}, 48, 160, 200, 0.5, 0.1, 4});
        break;
    default:
        lanterns(p, c, random);
        break;
    }
    return image;
}

QImage ScenePainter::closing()
{
    // The saying is drawn in bold yellow over the middle: keep it dark and even there.
    const Palette night = {QColor(0x05, 0x0a, 0x1c), QColor(0x18, 0x26, 0x40), QColor(0xe8, 0xe4, 0xc8),
                           QColor(0x10, 0x1a, 0x2c)};
    QImage image = canvas(1040, 830, night.top, night.bottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random(1687);
    nightScene(p, image.size(), night, random, 2.0, {{0.86, 0.12}, 34, 220, 120, 0.8, 0.06, 3});
    return image;
}

QImage ScenePainter::background(int number)
{
    const Palette light[BackgroundCount] = {
        {QColor(0xdc, 0xea, 0xf6), QColor(0xf8, 0xfb, 0xff), QColor(0xff, 0xff, 0xff), {}},
        {QColor(0xf6, 0xee, 0xdc), QColor(0xfc, 0xf8, 0xee), QColor(0xe8, 0xd8, 0xb8), {}},
        {QColor(0xe0, 0xf0, 0xe0), QColor(0xf6, 0xfc, 0xf2), QColor(0xc8, 0xe4, 0xc0), {}},
    };
    const Palette &c = light[(number - 1) % BackgroundCount];
    QImage image = canvas(kWidth, kHeight, c.top, c.bottom);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QRandomGenerator random{quint32(100 + number)};
    QColor mark = c.accent;
    mark.setAlpha(110);
    if (number == 1) {
        p.setPen(QPen(mark, 28));
        for (int x = -kHeight; x < kWidth; x += 90)
            p.drawLine(x, kHeight, x + kHeight, 0);
    } else {
        for (int i = 0; i < 30; ++i)
            glow(p, QPointF(random.bounded(kWidth), random.bounded(kHeight)), 40 + random.bounded(120), mark);
    }
    return image;
}

QImage ScenePainter::home()
{
    const int width = 570, height = 376;
    QImage image = canvas(width, height, QColor(0x0a, 0x1e, 0x2e), QColor(0x12, 0x30, 0x3a));
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    for (int i = 0; i < 9; ++i) {
        p.setPen(QPen(QColor(0x40, 0x90, 0xa0, 30 + i * 6), 2));
        p.drawEllipse(QPointF(width * 0.92, height * 0.95), 40.0 + i * 36, 40.0 + i * 36);
    }
    p.setPen(QPen(QColor(0xc8, 0x96, 0x3c, 160), 2));
    p.drawLine(24, height - 30, width - 24, height - 30);
    return image;
}
