#include "games/gamemovie.h"
#include "sayings/classicsayings.h"
#include "swf/swfgamekit.h"

// A saying is shown; the class names the book it comes from. One point per
// right answer, a mark for each answer, and the next saying.
namespace {

const QStringList kBooks = {QStringLiteral("论语"), QStringLiteral("孟子"), QStringLiteral("老子")};
constexpr int kPerBook = 3;
constexpr int kLineLength = 13;

struct Question {
    QString text;
    int book;
};

// Sayings of the three books, taken in turn so the answers change from one to the next.
QVector<Question> questions()
{
    QVector<QVector<Question>> byBook(kBooks.size());
    for (const Saying &saying : classicSayings()) {
        for (int b = 0; b < kBooks.size(); ++b) {
            if (saying.source.contains(kBooks.at(b)) && byBook[b].size() < kPerBook)
                byBook[b].append({saying.text, b});
        }
    }
    const int order[] = {0, 2, 1};
    QVector<Question> all;
    for (int i = 0; i < kPerBook; ++i) {
        for (int b : order)
            all.append(byBook.at((b + i) % kBooks.size()).value(i));
    }
    return all;
}

QStringList wrapped(const QString &text)
{
    QStringList lines;
    for (int at = 0; at < text.size(); at += kLineLength)
        lines.append(text.mid(at, kLineLength));
    return lines;
}

} // namespace

GameMovie sayingsQuiz()
{
    SwfGameKit kit(QColor(0xf6, 0xe7, 0xc8));
    const QColor ink(0x5a, 0x2a, 0x10);
    kit.place(kit.text(QStringLiteral("古训出自哪部书？"), 24, ink), {140, 30});
    kit.place(kit.text(QStringLiteral("得分"), 18, ink), {400, 30});
    const SwfGameKit::Counter score =
        kit.counter(QStringLiteral("score"), 2, {425, 10}, QColor(0xc8, 0x10, 0x2e));
    kit.place(
        kit.shape(SwfShape::rectangle(500 * 20, 150 * 20, QColor(0xff, 0xf8, 0xe8)).withOutline(60, ink)),
        {275, 145});

    // The sayings, one frame each, and a last frame when all are answered.
    const QVector<Question> all = questions();
    SwfTimeline board;
    QString answers;
    for (int i = 0; i <= all.size(); ++i) {
        if (i > 0)
            board.removeObject(1);
        const QStringList lines = i < all.size()
                                      ? wrapped(all.at(i).text)
                                      : QStringList{QStringLiteral("答完了！请点“重新开始”再来一次")};
        board.placeObject(1, kit.text(lines, 26, ink), SwfMatrix());
        if (i == 0)
            board.doAction(SwfActions().stop());
        board.showFrame();
        if (i < all.size())
            answers += QString::number(all.at(i).book);
    }
    kit.place(kit.sprite(board), {275, 145}, QStringLiteral("board"));

    // Frame 1 nothing, 2 right, 3 wrong.
    SwfTimeline mark;
    mark.doAction(SwfActions().stop());
    mark.showFrame();
    mark.placeObject(1, kit.text(QStringLiteral("答对了！"), 30, QColor(0x1e, 0x8c, 0x3c)), SwfMatrix());
    mark.showFrame();
    mark.removeObject(1);
    mark.placeObject(2, kit.text(QStringLiteral("答错了"), 30, QColor(0xc8, 0x10, 0x2e)), SwfMatrix());
    mark.showFrame();
    const QRect markArea(195, 225, 160, 40);
    kit.place(kit.sprite(mark), markArea.center(), QStringLiteral("mark"));

    const uint16_t plate =
        kit.shape(SwfShape::rectangle(140 * 20, 50 * 20, QColor(0x8b, 0x4a, 0x2b)).withOutline(40, ink));
    QPoint firstTarget;
    for (int b = 0; b < kBooks.size(); ++b) {
        SwfActions answer;
        const int done = answer.newLabel(), wrong = answer.newLabel(), next = answer.newLabel();
        answer.setTarget(QStringLiteral("/"));
        // Nothing more once every saying is answered; else is this book the one in `answers`?
        answer.push(QStringLiteral("question"))
            .getVariable()
            .push(int(all.size()))
            .less()
            .logicalNot()
            .jumpIf(done);
        answer.push(QStringLiteral("answers"))
            .getVariable()
            .push(QStringLiteral("question"))
            .getVariable()
            .push(1)
            .add()
            .push(1)
            .substring()
            .push(b)
            .equals()
            .logicalNot()
            .jumpIf(wrong);
        answer.append(SwfGameKit::increment(QStringLiteral("score")))
            .append(score.show(QStringLiteral("score")));
        answer.append(SwfGameKit::showFrame(QStringLiteral("/mark"), 2)).jump(next);
        answer.mark(wrong).append(SwfGameKit::showFrame(QStringLiteral("/mark"), 3));
        // On to the next saying (frame question + 1), or the closing frame.
        answer.mark(next).append(SwfGameKit::increment(QStringLiteral("question")));
        answer.push(QStringLiteral("question"))
            .getVariable()
            .push(1)
            .add()
            .append(SwfGameKit::showFrameOnStack(QStringLiteral("/board")));
        answer.mark(done);
        const QPoint at(110 + b * 165, 305);
        kit.place(
            kit.button({plate, kit.text(QStringLiteral("《%1》").arg(kBooks.at(b)), 22, Qt::white)}, answer),
            at);
        if (b == all.first().book)
            firstTarget = at;
    }

    SwfActions start;
    start.push(QStringLiteral("answers")).push(answers).setVariable();
    start.append(SwfGameKit::assign(QStringLiteral("question"), 0));
    start.append(SwfGameKit::assign(QStringLiteral("score"), 0)).append(score.show(QStringLiteral("score")));
    start.append(SwfGameKit::showFrame(QStringLiteral("/board"), 1))
        .append(SwfGameKit::showFrame(QStringLiteral("/mark"), 1));
    kit.restartButton(start);
    return {QStringLiteral("flash/新木兰传奇.swf"), kit.finish(start), firstTarget, markArea};
}
