// The ink's strokes without a display: their smooth pieces, widths, the
// eraser, undo and the saved picture's name.

#include "desktop/logic/inkfile.h"
#include "desktop/logic/inkstrokes.h"

#include <QtTest>

using namespace ink;

namespace {

void line(Strokes &strokes, const QList<QPointF> &points, Colour colour = Colour::Red)
{
    strokes.begin({points.first()}, colour, 4);
    for (const QPointF &p : points.mid(1))
        strokes.extend({p});
    strokes.end();
}

QList<QPointF> points(const Strokes &strokes, std::size_t index)
{
    QList<QPointF> result;
    for (const InkPoint &p : strokes.all().at(index).points)
        result << p.at;
    return result;
}

} // namespace

class InkStrokesTest : public QObject
{
    Q_OBJECT
private slots:
    // Drawn piece by piece as points arrive, the stroke is one unbroken line
    // from the first point to the last that bends through each inner point's pull.
    void piecesJoinFromTheFirstPointToTheLast()
    {
        Strokes strokes;
        strokes.begin({{10, 10}}, Colour::Red, 4);
        const Stroke &stroke = strokes.all().back();
        QCOMPARE(stroke.pieceCount(), 0);
        // A click without a move is a dot.
        const Piece dot = stroke.finalPiece();
        QVERIFY(dot.from == QPointF(10, 10) && dot.to == QPointF(10, 10));

        const QList<QPointF> path = {{30, 10}, {50, 40}, {20, 60}, {80, 90}};
        for (int i = 0; i < path.size(); ++i) {
            QVERIFY(strokes.extend({path[i]}));
            // Each point adds the piece it completes, and only that one.
            QCOMPARE(stroke.pieceCount(), i + 1);
        }
        QVERIFY(!strokes.extend({path.last()}));
        strokes.end();
        QVERIFY(!strokes.extend({{100, 100}}));

        QCOMPARE(stroke.piece(0).from, QPointF(10, 10));
        for (int i = 0; i + 1 < stroke.pieceCount(); ++i)
            QCOMPARE(stroke.piece(i).to, stroke.piece(i + 1).from);
        QCOMPARE(stroke.piece(stroke.pieceCount() - 1).to, stroke.finalPiece().from);
        QCOMPARE(stroke.finalPiece().to, QPointF(80, 90));
        for (int i = 1; i < stroke.pieceCount(); ++i)
            QCOMPARE(stroke.piece(i).control, path[i - 1]);
    }

    void widthsFollowPenDpiAndPressure()
    {
        QCOMPARE(penWidth(Pen::Medium, 96), 4.0);
        QCOMPARE(penWidth(Pen::Medium, 192), 8.0);
        QVERIFY(penWidth(Pen::Thin, 96) < penWidth(Pen::Medium, 96));
        QVERIFY(penWidth(Pen::Medium, 96) < penWidth(Pen::Thick, 96));
        QCOMPARE(eraserRadius(192), 2 * eraserRadius(96));

        Strokes strokes;
        strokes.begin({{0, 0}}, Colour::Blue, 4);
        strokes.extend({{10, 0}, 1.0});
        strokes.extend({{20, 0}, 0.0});
        const Stroke &stroke = strokes.all().back();
        // A mouse draws the pen's width; a tablet pressed hard more, lightly less.
        QCOMPARE(stroke.piece(0).width, 4.0);
        QVERIFY(stroke.piece(1).width > 4.0);
        QVERIFY(stroke.finalPiece().width < 4.0);
        QVERIFY(stroke.bounds().contains(QRectF(-1, -1, 22, 2)));
        QCOMPARE(rgb(Colour::White), 0xFFFFFFFFu);
        QVERIFY(rgb(Colour::Red) != rgb(Colour::Blue));
    }

    // The eraser takes whole strokes that its path crosses, even between two
    // of its positions and two of the stroke's points; undo puts them back in place.
    void eraserTakesWholeStrokesAndUndoPutsThemBack()
    {
        Strokes strokes;
        line(strokes, {{0, 0}, {100, 0}});
        line(strokes, {{0, 50}, {100, 50}}, Colour::Green);
        line(strokes, {{0, 100}, {100, 100}}, Colour::Black);

        strokes.beginErasing();
        // Nowhere near a stroke: nothing goes, and the drag leaves no step.
        QCOMPARE(strokes.erase({200, 0}, {200, 100}, 8), 0);
        strokes.endErasing();
        strokes.beginErasing();
        // Crosses the first line at x = 50; stops 20 px above the second.
        QCOMPARE(strokes.erase({50, -40}, {50, 30}, 8), 1);
        QCOMPARE(strokes.erase({60, 110}, {60, 90}, 8), 1);
        QCOMPARE(strokes.erase({0, 65}, {0, 65}, 8), 0);
        strokes.endErasing();
        QCOMPARE(strokes.all().size(), std::size_t(1));
        QCOMPARE(strokes.all().front().colour, Colour::Green);

        // One drag, one step: both strokes come back in their order.
        QVERIFY(strokes.undo());
        QCOMPARE(strokes.all().size(), std::size_t(3));
        QCOMPARE(points(strokes, 0).first(), QPointF(0, 0));
        QCOMPARE(strokes.all().at(1).colour, Colour::Green);
        QCOMPARE(strokes.all().at(2).colour, Colour::Black);
        // The empty drag left nothing: the next undo takes the last stroke drawn.
        QVERIFY(strokes.undo());
        QCOMPARE(strokes.all().size(), std::size_t(2));

        // The pen's own width counts: 2 px from the centre line touches a 4 px line
        // even with an eraser of no reach.
        strokes.beginErasing();
        QCOMPARE(strokes.erase({0, 52}, {100, 52}, 0), 1);
        strokes.endErasing();
    }

    void undoStepsBackThroughStrokesAndClearing()
    {
        Strokes strokes;
        QVERIFY(!strokes.undo());
        line(strokes, {{0, 0}, {10, 10}});
        line(strokes, {{5, 5}});
        strokes.clear();
        QVERIFY(strokes.isEmpty());
        // Clearing nothing is no step.
        strokes.clear();
        QVERIFY(strokes.undo());
        QCOMPARE(strokes.all().size(), std::size_t(2));
        QCOMPARE(points(strokes, 1), QList<QPointF>{QPointF(5, 5)});
        QVERIFY(strokes.undo());
        QCOMPARE(points(strokes, 0), (QList<QPointF>{{0, 0}, {10, 10}}));
        QVERIFY(strokes.undo());
        QVERIFY(strokes.isEmpty());
        QVERIFY(!strokes.undo());
    }

    // On another screen the strokes follow the area, also those an undo brings back.
    void scalingTakesTheUndoStepsAlong()
    {
        ink::Strokes strokes;
        strokes.begin({{10, 10}}, ink::Colour::Red, 4);
        strokes.extend({{20, 40}});
        strokes.end();
        strokes.clear();
        strokes.scale(0.5, 2);
        QVERIFY(strokes.undo());
        QCOMPARE(points(strokes, 0), (QList<QPointF>{{5, 20}, {10, 80}}));
        QCOMPARE(strokes.all().front().width, 4.0);
    }

    void savedPictureNames()
    {
        const QDateTime at(QDate(2026, 3, 9), QTime(8, 5, 7));
        const auto none = [](const QString &) { return false; };
        QCOMPARE(inkPicturePath(QStringLiteral("/p/备课本"), QStringLiteral("第一章"), QStringLiteral("集合"),
                                at, none),
                 QStringLiteral("/p/备课本/批注/第一章-集合-20260309-080507.png"));
        // A title with separators names a file, not folders.
        QCOMPARE(
            inkPicturePath(QStringLiteral("/b"), QStringLiteral("1/2\\3"), QStringLiteral("a:b?"), at, none),
            QStringLiteral("/b/批注/1_2_3-a_b_-20260309-080507.png"));
        // A second save in the same second gets a name of its own.
        const QSet<QString> saved{QStringLiteral("/b/批注/a-b-20260309-080507.png"),
                                  QStringLiteral("/b/批注/a-b-20260309-080507-2.png")};
        QCOMPARE(inkPicturePath(QStringLiteral("/b"), QStringLiteral("a"), QStringLiteral("b"), at,
                                [&saved](const QString &path) { return saved.contains(path); }),
                 QStringLiteral("/b/批注/a-b-20260309-080507-3.png"));

        // Titles of 78 characters together fit a file name (255 bytes), and
        // each keeps its beginning; a character outside the BMP stays whole.
        const QString chapter = QStringLiteral("第三章") + QString(45, QChar(0x51FD));
        const QString lesson = QStringLiteral("课题") + QString(31, QChar(0x6570)) + QStringLiteral("😀") +
                               QString(10, QChar(0x6570));
        const QString name =
            QFileInfo(inkPicturePath(QStringLiteral("/b"), chapter, lesson, at, none)).fileName();
        QVERIFY2(name.toUtf8().size() <= 240, qPrintable(name));
        QVERIFY(name.startsWith(QStringLiteral("第三章")));
        QVERIFY(name.contains(QStringLiteral("-课题")));
        QVERIFY(name.endsWith(QStringLiteral("-20260309-080507.png")));
        QCOMPARE(QString::fromUtf8(name.toUtf8()), name);
    }
};

QTEST_APPLESS_MAIN(InkStrokesTest)
#include "tst_inkstrokes.moc"
