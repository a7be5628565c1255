#include "games/gamemovie.h"
#include "swf/swfgamekit.h"

#include <algorithm>

// Two wanted posters of a spy; the right one differs in five places. A click
// on a difference marks it and counts it.
namespace {

const QPoint kLeftPoster(140, 215);
const QPoint kRightPoster(410, 215);

struct Part {
    SwfShape original;
    SwfShape changed; // a shape of its own only where the posters differ
    QPoint at;        // from the poster's centre, pixels
    bool differs;
};

SwfShape box(int w, int h, const QColor &c)
{
    return SwfShape::rectangle(w * 20, h * 20, c);
}

SwfShape disc(int r, const QColor &c)
{
    return SwfShape::ellipse(r * 20, r * 20, c);
}

QVector<Part> parts()
{
    const QColor skin(0xf1, 0xc2, 0x9a), dark(0x26, 0x2e, 0x38), coat(0x3c, 0x4a, 0x5a);
    const QColor brown(0x6b, 0x3e, 0x1e), gold(0xf2, 0xc1, 0x2e);
    return {
        {box(150, 60, coat), {}, {0, 105}, false},
        {SwfShape::ellipse(55 * 20, 65 * 20, skin), {}, {0, 10}, false},
        {box(130, 26, dark), {}, {0, -55}, false},
        {box(80, 40, dark), {}, {0, -85}, false},
        {box(130, 8, QColor(0xc8, 0x10, 0x2e)), box(130, 8, QColor(0x20, 0x60, 0xd0)), {0, -46}, true},
        {disc(8, dark), {}, {-22, 0}, false},
        {disc(8, dark), box(18, 4, dark), {22, 0}, true},
        {box(50, 8, brown), box(86, 8, brown), {0, 36}, true},
        {disc(10, gold), box(20, 20, QColor(0xd0, 0x30, 0x30)), {42, 108}, true},
        {disc(6, Qt::black), disc(6, Qt::white), {-30, 98}, true},
    };
}

} // namespace

GameMovie spotTheDifference()
{
    SwfGameKit kit(QColor(0x0c, 0x10, 0x14));
    kit.place(kit.text(QStringLiteral("间谍通缉令：找出右图的五处不同"), 22, QColor(0xe8, 0xe4, 0xa0)),
              {200, 30});
    kit.place(kit.text(QStringLiteral("找到"), 18, Qt::white), {460, 30});
    const SwfGameKit::Counter found =
        kit.counter(QStringLiteral("found"), 1, {485, 10}, QColor(0x3c, 0xe0, 0x6e));

    const uint16_t poster =
        kit.shape(box(240, 270, QColor(0xe8, 0xd8, 0xb0)).withOutline(80, QColor(0x8a, 0x6a, 0x3a)));
    const uint16_t title = kit.text(QStringLiteral("通缉"), 22, QColor(0x8a, 0x20, 0x10));
    for (const QPoint &centre : {kLeftPoster, kRightPoster}) {
        kit.place(poster, centre);
        kit.place(title, centre + QPoint(0, -118));
    }

    const uint16_t hitArea = kit.shape(disc(20, Qt::white));
    const uint16_t tick = kit.shape(SwfShape::polygon(
        {{-300, 0}, {-80, 200}, {300, -260}, {360, -180}, {-80, 340}, {-380, 80}}, QColor(0xff, 0x30, 0x30)));
    const QVector<Part> all = parts();
    const int total = int(std::count_if(all.begin(), all.end(), [](const Part &p) { return p.differs; }));
    int differences = 0;
    QPoint firstTarget;
    for (const Part &part : all) {
        const uint16_t original = kit.shape(part.original);
        kit.place(original, kLeftPoster + part.at);
        if (!part.differs) {
            kit.place(original, kRightPoster + part.at);
            continue;
        }
        // Frame 1: the changed part waiting for a click; frame 2: found and ticked.
        const QString path = QStringLiteral("/diff%1").arg(differences++);
        SwfActions spotted;
        spotted.setTarget(QStringLiteral("/"));
        spotted.append(SwfGameKit::showFrame(path, 2));
        spotted.append(SwfGameKit::increment(QStringLiteral("found")))
            .append(found.show(QStringLiteral("found")));
        const int more = spotted.newLabel();
        spotted.push(QStringLiteral("found")).getVariable().push(total).less().jumpIf(more);
        spotted.append(SwfGameKit::setVisible(QStringLiteral("/done"), true));
        spotted.mark(more);
        SwfTimeline clip;
        clip.placeObject(1, kit.shape(part.changed), SwfMatrix());
        clip.placeObject(2, kit.invisibleButton(hitArea, spotted), SwfMatrix());
        clip.doAction(SwfActions().stop());
        clip.showFrame();
        clip.removeObject(2);
        clip.placeObject(3, tick, SwfMatrix::translation(0, 200));
        clip.showFrame();
        kit.place(kit.sprite(clip), kRightPoster + part.at, path.mid(1));
        if (firstTarget.isNull())
            firstTarget = kRightPoster + part.at;
    }
    kit.place(kit.group({kit.text(QStringLiteral("全部找到！"), 48, QColor(0x3c, 0xe0, 0x6e))}), {275, 370},
              QStringLiteral("done"));

    SwfActions start;
    start.append(SwfGameKit::assign(QStringLiteral("found"), 0)).append(found.show(QStringLiteral("found")));
    for (int i = 0; i < differences; ++i)
        start.append(SwfGameKit::showFrame(QStringLiteral("/diff%1").arg(i), 1));
    start.append(SwfGameKit::setVisible(QStringLiteral("/done"), false));
    kit.restartButton(start);
    return {QStringLiteral("flash/间谍通缉令.swf"), kit.finish(start), firstTarget, found.area()};
}
