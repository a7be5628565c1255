#include "games/gamemovie.h"
#include "swf/swfgamekit.h"

// The war drum: strike it the moment the flag turns green. The time from the
// signal to the strike is shown in milliseconds beside the best so far; a
// strike before the signal is too early.
namespace {

enum Signal { Idle = 1, Wait = 2, Go = 3, Early = 4 }; // frames of the signal clip
enum State { Resting = 0, Waiting = 1, Striking = 2 };
const QPoint kDrum(275, 215);
const QRect kFlag(215, 80, 120, 60);

// Wait one to three and a half seconds for the next signal.
SwfActions arm()
{
    SwfActions code;
    code.append(SwfGameKit::assign(QStringLiteral("state"), Waiting));
    code.push(QStringLiteral("goAt")).getTime().push(1000).add().push(2500).random().add().setVariable();
    return code;
}

} // namespace

GameMovie reactionDrum()
{
    SwfGameKit kit(QColor(0xe4, 0xb8, 0x6c));
    const QColor ink(0x3a, 0x2a, 0x1a);
    kit.place(kit.shape(SwfShape::rectangle(550 * 20, 110 * 20, QColor(0xb0, 0x7e, 0x3c))), {275, 345});
    kit.place(kit.text(QStringLiteral("决战沙场"), 26, ink), {70, 30});
    kit.place(kit.text(QStringLiteral("毫秒"), 16, ink), {322, 30});
    const SwfGameKit::Counter last =
        kit.counter(QStringLiteral("last"), 4, {190, 8}, QColor(0xa0, 0x20, 0x20));
    kit.place(kit.text(QStringLiteral("最好"), 16, ink), {362, 30});
    const SwfGameKit::Counter best =
        kit.counter(QStringLiteral("best"), 4, {385, 8}, QColor(0x20, 0x40, 0xa0));

    // The flag on its pole, in the colour of the signal, with a word on it.
    SwfTimeline flag;
    const uint16_t pole = kit.shape(SwfShape::rectangle(6 * 20, 80 * 20, ink));
    const struct {
        QColor colour;
        const char *word;
    } looks[] = {{QColor(0x80, 0x80, 0x80), "点鼓开始"},
                 {QColor(0xd0, 0x20, 0x20), "等待令旗…"},
                 {QColor(0x20, 0xb0, 0x40), "击鼓！"},
                 {QColor(0xf0, 0xd0, 0x20), "太早了！"}};
    for (int i = 0; i < 4; ++i) {
        if (i > 0) {
            flag.removeObject(2);
            flag.removeObject(3);
        }
        flag.placeObject(1, pole, SwfMatrix::translation(-kFlag.width() / 2 * 20, 0));
        flag.placeObject(
            2, kit.shape(SwfShape::rectangle(kFlag.width() * 20, kFlag.height() * 20, looks[i].colour)),
            SwfMatrix());
        flag.placeObject(3, kit.text(QString::fromUtf8(looks[i].word), 20, ink), SwfMatrix());
        if (i == 0)
            flag.doAction(SwfActions().stop());
        flag.showFrame();
    }
    kit.place(kit.sprite(flag), kFlag.center(), QStringLiteral("flag"));

    SwfActions strike;
    const int early = strike.newLabel(), begin = strike.newLabel(), newBest = strike.newLabel();
    const int shown = strike.newLabel(), inTime = strike.newLabel(), done = strike.newLabel();
    strike.setTarget(QStringLiteral("/"));
    strike.push(QStringLiteral("state")).getVariable().push(Waiting).equals().jumpIf(early);
    strike.push(QStringLiteral("state")).getVariable().push(Striking).equals().logicalNot().jumpIf(begin);
    // A strike after the signal: its time (four digits at most), and the best so far.
    strike.push(QStringLiteral("last"))
        .getTime()
        .push(QStringLiteral("goAt"))
        .getVariable()
        .subtract()
        .setVariable();
    strike.push(9999).push(QStringLiteral("last")).getVariable().less().logicalNot().jumpIf(inTime);
    strike.append(SwfGameKit::assign(QStringLiteral("last"), 9999));
    strike.mark(inTime).append(last.show(QStringLiteral("last")));
    strike.push(QStringLiteral("best")).getVariable().push(0).equals().jumpIf(newBest);
    strike.push(QStringLiteral("last"))
        .getVariable()
        .push(QStringLiteral("best"))
        .getVariable()
        .less()
        .logicalNot()
        .jumpIf(shown);
    strike.mark(newBest)
        .push(QStringLiteral("best"))
        .push(QStringLiteral("last"))
        .getVariable()
        .setVariable();
    strike.mark(shown).append(best.show(QStringLiteral("best")));
    strike.mark(begin).append(SwfGameKit::showFrame(QStringLiteral("/flag"), Wait)).append(arm()).jump(done);
    strike.mark(early).append(SwfGameKit::showFrame(QStringLiteral("/flag"), Early)).append(arm());
    strike.mark(done);
    const uint16_t drum =
        kit.shape(SwfShape::ellipse(90 * 20, 70 * 20, QColor(0xa0, 0x30, 0x20)).withOutline(160, ink));
    const uint16_t skin = kit.shape(SwfShape::ellipse(70 * 20, 50 * 20, QColor(0xf0, 0xe0, 0xc0)));
    kit.place(kit.button({drum, skin}, strike), kDrum);

    // Waiting: when the time comes, the flag turns green and the clock starts.
    SwfActions tick;
    const int notYet = tick.newLabel();
    tick.push(QStringLiteral("state")).getVariable().push(Waiting).equals().logicalNot().jumpIf(notYet);
    tick.getTime().push(QStringLiteral("goAt")).getVariable().less().jumpIf(notYet);
    tick.append(SwfGameKit::assign(QStringLiteral("state"), Striking));
    tick.push(QStringLiteral("goAt")).getTime().setVariable();
    tick.append(SwfGameKit::showFrame(QStringLiteral("/flag"), Go));
    tick.mark(notYet);
    kit.ticker(tick);

    SwfActions start;
    start.append(SwfGameKit::assign(QStringLiteral("state"), Resting));
    start.append(SwfGameKit::assign(QStringLiteral("last"), 0)).append(last.show(QStringLiteral("last")));
    start.append(SwfGameKit::assign(QStringLiteral("best"), 0)).append(best.show(QStringLiteral("best")));
    start.append(SwfGameKit::showFrame(QStringLiteral("/flag"), Idle));
    kit.restartButton(start);
    return {QStringLiteral("flash/决战沙场.swf"), kit.finish(start), kDrum, kFlag};
}
