#include "demomovies.h"

#include <cmath>

namespace {

// Four blades around the hub, as one outline.
QVector<QPoint> blades(int length, int width)
{
    QVector<QPoint> outline;
    for (int blade = 0; blade < 4; ++blade) {
        const double a = M_PI / 2 * blade;
        const double b = a + std::atan2(width, length);
        outline << QPoint(std::lround(std::cos(a) * 150), std::lround(std::sin(a) * 150))
                << QPoint(std::lround(std::cos(a) * length), std::lround(std::sin(a) * length))
                << QPoint(std::lround(std::cos(b) * length), std::lround(std::sin(b) * length))
                << QPoint(std::lround(std::cos(a + M_PI / 4) * 150),
                          std::lround(std::sin(a + M_PI / 4) * 150));
    }
    return outline;
}

} // namespace

QVector<SwfMovie> demoMovies()
{
    const QColor white(Qt::white);
    QVector<SwfMovie> movies;
    movies.append(
        SwfMovie(QStringLiteral("风车.swf"), QColor(0x9c, 0xd4, 0xf4))
            .add({SwfShape::ellipse(900, 900, QColor(0xff, 0xd8, 0x40)), {1800, 1600}, {0, 150}, 0, 0})
            .add({SwfShape::rectangle(11000, 2400, QColor(0x6a, 0xb0, 0x4c)), {5500, 7200}, {}, 0, 0})
            .add({SwfShape::polygon({{0, -3200}, {900, 0}, {-900, 0}}, QColor(0xb8, 0x84, 0x50))
                      .withOutline(40, QColor(0x50, 0x30, 0x18)),
                  {5500, 6000},
                  {},
                  0,
                  0})
            .add({SwfShape::polygon(blades(2600, 700), white).withOutline(50, QColor(0x50, 0x30, 0x18)),
                  {5500, 2800},
                  {},
                  1,
                  0}));
    movies.append(
        SwfMovie(QStringLiteral("小鱼.swf"), QColor(0x1c, 0x5a, 0x9a))
            .add({SwfShape::rectangle(11000, 1200, QColor(0xe8, 0xd0, 0x98)), {5500, 7600}, {}, 0, 0})
            .add({SwfShape::ellipse(1300, 700, QColor(0xff, 0x8c, 0x28)).withOutline(40, white),
                  {5500, 4000},
                  {3200, 500},
                  0,
                  0})
            .add({SwfShape::polygon({{0, 0}, {900, -600}, {900, 600}}, QColor(0xff, 0x6a, 0x10)),
                  {6700, 4000},
                  {3200, 500},
                  0,
                  0})
            .add({SwfShape::ellipse(220, 220, QColor(0xd8, 0xf0, 0xff)), {2500, 4200}, {300, 2600}, 0, 0.1})
            .add({SwfShape::ellipse(160, 160, QColor(0xd8, 0xf0, 0xff)), {8600, 4600}, {300, 2400}, 0, 0.6}));
    return movies;
}
