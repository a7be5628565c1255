#include "swf/swfmovie.h"

#include "swf/swfwriter.h"

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

SwfMovie SwfMovie::placeholder()
{
    const QColor white(Qt::white);
    // Placeholder shown while the flash pane is hidden: calm, slowly turning squares.
    return SwfMovie(QStringLiteral("sample.swf"), QColor(0x20, 0x3a, 0x5a))
        .add({SwfShape::rectangle(3000, 3000, QColor(0x4f, 0x86, 0xc6)), {5500, 4000}, {}, 0.25, 0})
        .add({SwfShape::rectangle(1600, 1600, QColor(0xa8, 0xd0, 0xf0)), {5500, 4000}, {}, -0.25, 0})
        .add({SwfShape::ellipse(400, 400, white), {5500, 4000}, {3000, 0}, 0, 0});
}
