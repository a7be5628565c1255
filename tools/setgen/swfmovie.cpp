#include "swfmovie.h"

#include "swfwriter.h"

#include <cmath>

namespace {

constexpr double kFramesPerSecond = 12.0;

SwfMatrix placement(const SwfMovie::Actor &actor, int frame)
{
    const double t = double(frame) / SwfMovie::Frames + actor.phase;
    const double swing = std::sin(2 * M_PI * t);
    const int x = actor.rest.x() + std::lround(actor.swing.x() * swing);
    const int y = actor.rest.y() + std::lround(actor.swing.y() * swing);
    return SwfMatrix::rotation(360.0 * actor.turnsPerLoop * frame / SwfMovie::Frames, 1.0, x, y);
}

QVector<QPoint> star(int outer, int inner, int points)
{
    QVector<QPoint> corners;
    for (int i = 0; i < points * 2; ++i) {
        const double angle = M_PI * i / points - M_PI / 2;
        const int r = i % 2 == 0 ? outer : inner;
        corners.append(QPoint(std::lround(std::cos(angle) * r), std::lround(std::sin(angle) * r)));
    }
    return corners;
}

QVector<QPoint> triangle(int size)
{
    return {{0, -size}, {size, size}, {-size, size}};
}

} // namespace

SwfMovie::SwfMovie(QString fileName, QColor background)
    : m_fileName(std::move(fileName)), m_background(std::move(background))
{}

SwfMovie &SwfMovie::add(const Actor &actor)
{
    m_actors.append(actor);
    return *this;
}

QByteArray SwfMovie::render() const
{
    SwfWriter swf(StageWidth, StageHeight, kFramesPerSecond);
    swf.fileAttributes();
    swf.setBackgroundColor(m_background);
    for (int i = 0; i < m_actors.size(); ++i)
        swf.defineShape(uint16_t(i + 1), m_actors.at(i).shape);
    for (int frame = 0; frame < Frames; ++frame) {
        for (int i = 0; i < m_actors.size(); ++i) {
            const Actor &actor = m_actors.at(i);
            const SwfMatrix m = placement(actor, frame);
            if (frame == 0)
                swf.placeObject(uint16_t(i + 1), uint16_t(i + 1), m);
            else if (!actor.swing.isNull() || actor.turnsPerLoop != 0) // still ones stay put
                swf.moveObject(uint16_t(i + 1), m);
        }
        swf.showFrame();
    }
    return swf.finish();
}

QVector<SwfMovie> SwfMovie::catalogue()
{
    const QColor white(Qt::white), black(Qt::black);
    QVector<SwfMovie> movies;

    // Robots: steel boxes marching at each other under a turning gear-star.
    movies.append(
        SwfMovie(QStringLiteral("flash/机器人战争.swf"), QColor(0x1b, 0x28, 0x38))
            .add({SwfShape::rectangle(11000, 1200, QColor(0x44, 0x4c, 0x56)), {5500, 7400}, {}, 0, 0})
            .add({SwfShape::rectangle(1600, 2400, QColor(0x9a, 0xa5, 0xb1)).withOutline(60, white),
                  {3000, 5600},
                  {1400, 0},
                  0,
                  0})
            .add({SwfShape::rectangle(1600, 2400, QColor(0xc0, 0x5a, 0x3c)).withOutline(60, white),
                  {8000, 5600},
                  {1400, 0},
                  0,
                  0.5})
            .add({SwfShape::polygon(star(1100, 600, 8), QColor(0xf2, 0xc1, 0x2e)),
                  {5500, 2000},
                  {0, 300},
                  1,
                  0})
            .add({SwfShape::rectangle(2600, 160, QColor(0xff, 0x30, 0x30)),
                  {5500, 5000},
                  {2000, 0},
                  0,
                  0.25}));

    // Mulan: a rider's red banner on its pole and a pale moon over rolling hills.
    movies.append(
        SwfMovie(QStringLiteral("flash/新木兰传奇.swf"), QColor(0xf6, 0xd6, 0xc8))
            .add({SwfShape::ellipse(1400, 1400, QColor(0xff, 0xf4, 0xe0)), {8600, 1800}, {0, 200}, 0, 0})
            .add({SwfShape::ellipse(7000, 2400, QColor(0x7d, 0xa3, 0x6a)), {3000, 8000}, {}, 0, 0})
            .add({SwfShape::ellipse(6000, 2000, QColor(0x5e, 0x87, 0x52)), {8500, 8200}, {}, 0, 0})
            .add({SwfShape::rectangle(200, 2400, QColor(0x5a, 0x3a, 0x22)), {5500, 5600}, {3600, 400}, 0, 0})
            .add({SwfShape::polygon(triangle(900), QColor(0xc8, 0x10, 0x2e)).withOutline(40, black),
                  {5500, 4800},
                  {3600, 400},
                  0,
                  0}));

    // Spy: a searchlight sweeping a night street, a green target turning.
    movies.append(
        SwfMovie(QStringLiteral("flash/间谍通缉令.swf"), QColor(0x0c, 0x10, 0x14))
            .add({SwfShape::ellipse(2200, 1400, QColor(0xe8, 0xe4, 0xa0)), {5500, 3600}, {3800, 1200}, 0, 0})
            .add({SwfShape::rectangle(1400, 3200, QColor(0x26, 0x2e, 0x38)), {1500, 6400}, {}, 0, 0})
            .add({SwfShape::rectangle(1800, 4200, QColor(0x22, 0x28, 0x30)), {9400, 5900}, {}, 0, 0})
            .add({SwfShape::polygon(star(900, 250, 4), QColor(0x3c, 0xe0, 0x6e)),
                  {5500, 4000},
                  {2400, 1600},
                  2,
                  0.25})
            .add({SwfShape::ellipse(300, 300, QColor(0xff, 0x40, 0x40)),
                  {5500, 4000},
                  {2400, 1600},
                  0,
                  0.25}));

    // Battlefield: banners crossing a sand-coloured plain under a red sun.
    movies.append(
        SwfMovie(QStringLiteral("flash/决战沙场.swf"), QColor(0xe4, 0xb8, 0x6c))
            .add({SwfShape::ellipse(1500, 1500, QColor(0xd8, 0x3a, 0x1c)), {2200, 1900}, {0, 300}, 0, 0})
            .add({SwfShape::rectangle(11000, 2600, QColor(0xb0, 0x7e, 0x3c)), {5500, 7000}, {}, 0, 0})
            .add({SwfShape::polygon({{0, -900}, {1800, -500}, {0, -100}}, QColor(0x20, 0x40, 0xa0)),
                  {3000, 5200},
                  {1800, 200},
                  0,
                  0})
            .add({SwfShape::polygon({{0, -900}, {-1800, -500}, {0, -100}}, QColor(0xa0, 0x20, 0x20)),
                  {8000, 5200},
                  {1800, 200},
                  0,
                  0.5})
            .add(
                {SwfShape::polygon(triangle(500), QColor(0x3a, 0x2a, 0x1a)), {5500, 6200}, {4000, 0}, 1, 0}));

    // Placeholder shown while the flash pane is hidden: calm, slowly turning squares.
    movies.append(
        SwfMovie(QStringLiteral("sample.swf"), QColor(0x20, 0x3a, 0x5a))
            .add({SwfShape::rectangle(3000, 3000, QColor(0x4f, 0x86, 0xc6)), {5500, 4000}, {}, 0.25, 0})
            .add({SwfShape::rectangle(1600, 1600, QColor(0xa8, 0xd0, 0xf0)), {5500, 4000}, {}, -0.25, 0})
            .add({SwfShape::ellipse(400, 400, white), {5500, 4000}, {3000, 0}, 0, 0}));
    return movies;
}
