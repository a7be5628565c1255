#include "games/gamemovie.h"
#include "swf/swfgamekit.h"

// Robots stand on the field; each hit scores and sends the robot elsewhere.
// Thirty seconds to score as much as possible.
namespace {

constexpr int kSeconds = 30;
constexpr int kRobots = 3;
const QPoint kHomes[kRobots] = {{120, 210}, {275, 280}, {430, 210}};

QString robotPath(int i)
{
    return QStringLiteral("/robot%1").arg(i);
}

SwfActions moveRobot(int i, QPoint to)
{
    return SwfActions()
        .push(robotPath(i))
        .push(SwfActions::X)
        .push(to.x())
        .setProperty()
        .push(robotPath(i))
        .push(SwfActions::Y)
        .push(to.y())
        .setProperty();
}

} // namespace

GameMovie robotBattle()
{
    SwfGameKit kit(QColor(0x1b, 0x28, 0x38));
    kit.place(kit.shape(SwfShape::rectangle(550 * 20, 60 * 20, QColor(0x44, 0x4c, 0x56))), {275, 370});
    kit.place(kit.text(QStringLiteral("机器人战争"), 26, QColor(0xf2, 0xc1, 0x2e)), {90, 30});
    kit.place(kit.text(QStringLiteral("得分"), 18, Qt::white), {260, 30});
    const SwfGameKit::Counter score =
        kit.counter(QStringLiteral("score"), 2, {285, 10}, QColor(0x7c, 0xff, 0x7c));
    kit.place(kit.text(QStringLiteral("时间"), 18, Qt::white), {400, 30});
    const SwfGameKit::Counter time =
        kit.counter(QStringLiteral("time"), 2, {425, 10}, QColor(0xff, 0x9e, 0x40));

    // A robot: body, head with eyes, and an antenna; the body is what is hit.
    const uint16_t body =
        kit.shape(SwfShape::rectangle(60 * 20, 56 * 20, QColor(0x9a, 0xa5, 0xb1)).withOutline(60, Qt::white));
    const uint16_t head = kit.shape(SwfShape::polygon(
        {{-500, -1100}, {500, -1100}, {500, -600}, {-500, -600}}, QColor(0xc0, 0x5a, 0x3c)));
    const uint16_t eyes = kit.shape(
        SwfShape::polygon({{-320, -950}, {320, -950}, {320, -800}, {-320, -800}}, QColor(0xff, 0xf0, 0x60)));
    const uint16_t hitMark =
        kit.shape(SwfShape::polygon({{0, -1500}, {150, -1100}, {-150, -1100}}, QColor(0xff, 0x30, 0x30)));
    for (int i = 0; i < kRobots; ++i) {
        SwfActions hit;
        hit.setTarget(QStringLiteral("/"));
        hit.append(SwfGameKit::increment(QStringLiteral("score")))
            .append(score.show(QStringLiteral("score")));
        // Somewhere else on the field, clear of the bars at the top and the bottom.
        hit.push(robotPath(i)).push(SwfActions::X).push(60).push(430).random().add().setProperty();
        hit.push(robotPath(i)).push(SwfActions::Y).push(110).push(200).random().add().setProperty();
        SwfTimeline robot;
        robot.placeObject(1, kit.button({body, head, eyes, hitMark}, hit), SwfMatrix());
        robot.showFrame();
        kit.place(kit.sprite(robot), kHomes[i], robotPath(i).mid(1));
    }
    kit.place(kit.group({kit.text(QStringLiteral("时间到！"), 48, QColor(0xff, 0x60, 0x60))}), {275, 200},
              QStringLiteral("over"));

    SwfActions start;
    start.append(SwfGameKit::assign(QStringLiteral("score"), 0)).append(score.show(QStringLiteral("score")));
    start.append(SwfGameKit::assign(QStringLiteral("left"), kSeconds))
        .append(time.show(QStringLiteral("left")));
    start.push(QStringLiteral("began")).getTime().setVariable();
    start.append(SwfGameKit::assign(QStringLiteral("running"), 1));
    for (int i = 0; i < kRobots; ++i)
        start.append(moveRobot(i, kHomes[i])).append(SwfGameKit::setVisible(robotPath(i), true));
    start.append(SwfGameKit::setVisible(QStringLiteral("/over"), false));
    kit.restartButton(start);

    // Count down; at zero the robots leave and the game is over.
    SwfActions tick;
    const int shown = tick.newLabel(), done = tick.newLabel();
    tick.push(QStringLiteral("running")).getVariable().logicalNot().jumpIf(done);
    // left = seconds - int((now - began) / 1000)
    tick.push(QStringLiteral("left"))
        .push(kSeconds)
        .getTime()
        .push(QStringLiteral("began"))
        .getVariable()
        .subtract()
        .push(1000)
        .divide()
        .toInteger()
        .subtract()
        .setVariable();
    tick.push(0).push(QStringLiteral("left")).getVariable().less().jumpIf(shown);
    tick.append(SwfGameKit::assign(QStringLiteral("left"), 0));
    tick.append(SwfGameKit::assign(QStringLiteral("running"), 0));
    for (int i = 0; i < kRobots; ++i)
        tick.append(SwfGameKit::setVisible(robotPath(i), false));
    tick.append(SwfGameKit::setVisible(QStringLiteral("/over"), true));
    tick.mark(shown).append(time.show(QStringLiteral("left")));
    tick.mark(done);
    kit.ticker(tick);

    return {QStringLiteral("flash/机器人战争.swf"), kit.finish(start), kHomes[0], score.area()};
}
