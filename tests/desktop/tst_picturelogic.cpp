// The picture pane's layouts and the zoom tick, without a display, on the
// work area of a 1024 x 768 screen (W 14745, H 10665).

#include "desktop/logic/picturelayouts.h"
#include "desktop/logic/zoomtick.h"

#include <QtTest>

namespace {

const FullArea kArea{0, 14745, 0, 10665};

// The pane as the desktop starts it, with a picture list of the given names.
struct Field {
    DesktopState state;
    PictureElements e;
    QString pictureField = QStringLiteral("pics ");
    // Own sizes in twips; a name not listed cannot be read.
    QHash<QString, QSizeF> sizes;

    explicit Field(const QStringList &names)
    {
        state.fullArea = kArea;
        state.lists.pictures.elements = names;
        state.lists.pictures.elements.append(QString());
        state.lists.pictures.count = int(names.size());
        state.PictureCount = names.isEmpty() ? 0 : 1;
        e[0].rect = {7374.5f, 0, 7215, 4935};
        for (const QString &name : names)
            sizes.insert(name, QSizeF(3000, 2250));
    }

    PictureLayouts layouts()
    {
        return PictureLayouts(e, state, pictureField, [this](const QString &file) -> std::optional<QSizeF> {
            if (!sizes.contains(file))
                return std::nullopt;
            return sizes.value(file);
        });
    }

    int position() const { return state.lists.pictures.position; }

    QStringList shown() const
    {
        QStringList pictures;
        for (const PictureElement &element : e)
            pictures.append(element.visible ? element.picture : QStringLiteral("-"));
        return pictures;
    }
};

TwipsRect rect(float left, float top, float width, float height)
{
    return {left, top, width, height};
}

TwipsRect ticked(TwipsRect p, ZoomMode mode, bool *running = nullptr)
{
    const bool keeps = zoomTick(p, mode, kArea, 200);
    if (running)
        *running = keeps;
    return p;
}

const ZoomMode kIn{true, false};
const ZoomMode kOut{false, true};

} // namespace

class PictureLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void threePicturesStayInTheirColumn()
    {
        Field f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        f.layouts().PictureThree();
        for (int round = 0; round < 2; ++round) {
            QCOMPARE(f.e[0].rect, rect(9830, 0, 4915, 3555));
            QCOMPARE(f.e[1].rect, rect(9830, 3555, 4915, 3555));
            QCOMPARE(f.e[2].rect, rect(9830, 7110, 4915, 3555));
            QCOMPARE(f.shown(), QStringList({"a", "b", "c", "-", "-", "-"}));
            QCOMPARE(f.state.PictureCount, 3);
            QCOMPARE(f.position(), 0);
            QVERIFY(f.e[2].stretch);
            f.layouts().PictureThree();
        }
        // Moved off the top, element 0 makes the next three a row at the bottom.
        f.e[0].rect.top = 1;
        f.layouts().PictureThree();
        QCOMPARE(f.e[0].rect, rect(0, 7110, 4915, 3555));
        QCOMPARE(f.e[2].rect, rect(9830, 7110, 4915, 3555));
    }

    void twoPicturesAlternateColumnAndRowAndStepThroughTheList()
    {
        Field f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        f.layouts().PictureTwo();
        QCOMPARE(f.e[0].rect, rect(11060.75f, 5332.5f, 3686.25f, 2666.25f));
        QCOMPARE(f.e[1].rect, rect(11060.75f, 7998.75f, 3686.25f, 2666.25f));
        QCOMPARE(f.shown(), QStringList({"a", "b", "-", "-", "-", "-"}));
        QCOMPARE(f.position(), 2);

        f.layouts().PictureTwo();
        QCOMPARE(f.e[0].rect, rect(7374.5f, 7998.75f, 3686.25f, 2666.25f));
        QCOMPARE(f.e[1].rect, rect(11062.75f, 7998.75f, 3686.25f, 2666.25f));
        QCOMPARE(f.shown(), QStringList({"c", "a", "-", "-", "-", "-"}));
        QCOMPARE(f.position(), 1);
        // Element 0 is off the top now, so it stays a row.
        f.layouts().PictureTwo();
        QCOMPARE(f.e[0].rect.top, 7998.75f);
    }

    void fourFiveAndSixFillTheirGrids()
    {
        const QStringList names{"a", "b", "c", "d", "e", "f", "g"};
        Field f(names);
        f.layouts().PictureSix();
        const TwipsRect column[] = {
            rect(11060.75f, 0, 3686.25f, 2666.25f),       rect(11060.75f, 2666.25f, 3686.25f, 2666.25f),
            rect(11060.75f, 5332.5f, 3686.25f, 2666.25f), rect(11060.75f, 7998.75f, 3686.25f, 2666.25f),
            rect(7374.5f, 7998.75f, 3686.25f, 2666.25f),  rect(3688.25f, 7998.75f, 3686.25f, 2666.25f)};
        for (int k = 0; k < 6; ++k)
            QCOMPARE(f.e[k].rect, column[k]);
        QCOMPARE(f.shown(), QStringList({"a", "b", "c", "d", "e", "f"}));
        QCOMPARE(f.state.PictureCount, 6);

        // Column forms leave element 0 at the top, so six again is a column.
        f.layouts().PictureFive();
        QCOMPARE(f.e[0].rect, rect(9832, 0, 4915, 3555));
        QCOMPARE(f.e[2].rect, rect(9832, 7110, 4915, 3555));
        QCOMPARE(f.e[3].rect, rect(4917, 7110, 4915, 3555));
        QCOMPARE(f.e[4].rect, rect(2, 7110, 4915, 3555));
        QCOMPARE(f.shown(), QStringList({"g", "a", "b", "c", "d", "-"}));
        QCOMPARE(f.position(), 4);

        f.layouts().PictureFour();
        QCOMPARE(f.e[3].rect, rect(11058.75f, 7998.75f, 3686.25f, 2666.25f));
        f.e[0].rect.top = 5;
        f.layouts().PictureFour();
        QCOMPARE(f.e[0].rect, rect(0, 7998.75f, 3686.25f, 2666.25f));
        QCOMPARE(f.e[3].rect, rect(11058.75f, 7998.75f, 3686.25f, 2666.25f));

        f.layouts().PictureSix();
        QCOMPARE(f.e[0].rect.left, 2.0f);
        QCOMPARE(f.e[3].rect, rect(11060.75f, 7998.75f, 3686.25f, 2666.25f));
        QCOMPARE(f.e[4].rect, rect(11060.75f, 5332.5f, 3686.25f, 2666.25f));
        QCOMPARE(f.e[5].rect, rect(11060.75f, 2666.25f, 3686.25f, 2666.25f));
    }

    void oneFileAndTheGuards()
    {
        Field f({QStringLiteral("a")});
        auto layouts = f.layouts();
        for (void (PictureLayouts::*layout)() :
             {&PictureLayouts::PictureTwo, &PictureLayouts::PictureThree, &PictureLayouts::PictureFour,
              &PictureLayouts::PictureFive, &PictureLayouts::PictureSix})
            (layouts.*layout)();
        QCOMPARE(f.shown(), QStringList({"-", "-", "-", "-", "-", "-"}));
        QCOMPARE(f.e[0].rect, rect(7374.5f, 0, 7215, 4935));
        QCOMPARE(f.state.PictureCount, 1);

        // One picture at its own size, wider than half the work area: only the width is reduced.
        f.sizes.insert(QStringLiteral("a"), QSizeF(9000, 4000));
        f.layouts().PictureOne();
        QCOMPARE(f.e[0].rect, rect(9832, 0, 4915, 4000));
        QVERIFY(f.e[0].stretch && f.e[0].visible);
        QCOMPARE(f.position(), 0);

        // A picture that cannot be read leaves the element as big as it was; the list still steps on.
        f.sizes.clear();
        f.e[0].rect.width = 1000;
        f.layouts().PictureOne();
        QCOMPARE(f.e[0].rect, rect(13747, 0, 1000, 4000));
        QCOMPARE(f.e[0].picture, QStringLiteral("a"));

        f.pictureField.clear();
        f.e[0].visible = false;
        f.layouts().PictureOne();
        QVERIFY(!f.e[0].visible);
    }

    void hidingMovesTheLastPictureIntoTheGap()
    {
        Field f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        // Before any picture was chosen, everything goes.
        f.layouts().PictureThree();
        f.layouts().PictureHidden();
        QCOMPARE(f.shown(), QStringList({"-", "-", "-", "-", "-", "-"}));
        QCOMPARE(f.state.PictureCount, 3);

        f.layouts().PictureThree();
        f.state.CurrentPicture = 1;
        f.layouts().PictureHidden();
        QCOMPARE(f.shown(), QStringList({"a", "c", "-", "-", "-", "-"}));
        QCOMPARE(f.e[1].rect, rect(9830, 7110, 4915, 3555));
        QCOMPARE(f.state.PictureCount, 2);
        QCOMPARE(f.state.CurrentPicture, 1);

        // The last picture of the layout is only hidden.
        f.layouts().PictureHidden();
        QCOMPARE(f.shown(), QStringList({"a", "-", "-", "-", "-", "-"}));
        QCOMPARE(f.state.PictureCount, 1);
    }

    void alignmentLooksAtElementZero()
    {
        Field f({QStringLiteral("a"), QStringLiteral("b"), QStringLiteral("c")});
        f.layouts().PictureThree();
        f.state.CurrentPicture = 2;
        f.layouts().align(Position::Centre);
        QCOMPARE(f.e[2].rect, rect(4915, 3555, 4915, 3555));
        f.layouts().align(Position::Left);
        f.layouts().align(Position::Top);
        QCOMPARE(f.e[2].rect, rect(0, 0, 4915, 3555));
        f.layouts().align(Position::Right);
        f.layouts().align(Position::Bottom);
        QCOMPARE(f.e[2].rect, rect(9832, 7110, 4915, 3555));

        // Element 0 hidden: nothing moves, though picture 2 is visible and current.
        f.e[0].visible = false;
        f.layouts().align(Position::Left);
        QCOMPARE(f.e[2].rect.left, 9832.0f);

        // With one picture the current one becomes element 0.
        f.layouts().PictureOne();
        f.state.CurrentPicture = 4;
        f.layouts().align(Position::Left);
        QCOMPARE(f.state.CurrentPicture, 0);
        QCOMPARE(f.e[0].rect.left, 0.0f);
    }

    void toolbarButtonShrinksAndPullsInTheSinglePicture()
    {
        Field f({QStringLiteral("a"), QStringLiteral("b")});
        f.e[0].rect = rect(12000, 6000, 9000, 6000);
        f.layouts().pictureButton();
        QCOMPARE(f.e[0].rect, rect(9830, 6000, 4915, 3555));
        QCOMPARE(f.shown(), QStringList({"a", "-", "-", "-", "-", "-"}));
        f.e[0].rect.top = 9000;
        f.layouts().pictureButton();
        QCOMPARE(f.e[0].rect, rect(9830, 7110, 4915, 3555));
        QCOMPARE(f.e[0].picture, QStringLiteral("b"));
        QCOMPARE(f.position(), 0);

        // Several pictures showing: each gets the next one, in place.
        f.layouts().PictureTwo();
        f.layouts().pictureButton();
        QCOMPARE(f.shown(), QStringList({"a", "b", "-", "-", "-", "-"}));
        QCOMPARE(f.state.PictureCount, 2);
    }

    void importIntoAnEmptyFieldShowsTheFirstPicture()
    {
        Field f({});
        f.pictureField.clear();
        f.state.lists.pictures.elements.clear();
        SelectFileInfo chosen;
        chosen.FileCount = 2;
        chosen.FilePath = QStringLiteral("/pics/");
        chosen.FileNames = QStringList{"x.jpg", "y.jpg"};
        f.sizes.insert(QStringLiteral("/pics/x.jpg"), QSizeF(3000, 2250));
        f.layouts().importPictures(chosen);
        QCOMPARE(f.pictureField, QStringLiteral("/pics/"));
        QCOMPARE(f.state.lists.pictures.count, 2);
        QCOMPARE(f.state.PictureCount, 1);
        QCOMPARE(f.shown(), QStringList({"/pics/x.jpg", "-", "-", "-", "-", "-"}));
        QCOMPARE(f.e[0].rect, rect(11747, 0, 3000, 2250));
        QCOMPARE(f.position(), 1);

        // More files go behind the list's names, before its trailing empty element.
        Field g({QStringLiteral("a"), QStringLiteral("b")});
        g.layouts().PictureTwo();
        chosen.FileCount = 1;
        chosen.FileNames = QStringList{"z.jpg"};
        g.layouts().importPictures(chosen);
        QCOMPARE(g.state.lists.pictures.elements, QStringList({"a", "b", "/pics/z.jpg", ""}));
        QCOMPARE(g.pictureField, QStringLiteral("pics "));
        QCOMPARE(g.shown(), QStringList({"a", "b", "-", "-", "-", "-"}));
        QCOMPARE(g.position(), 2);
    }

    void zoomInSteps()
    {
        bool running = false;
        // Free: the top stays, the centre stays, the height follows the width.
        QCOMPARE(ticked(rect(5000, 1000, 4000, 3000), kIn, &running), rect(4900, 1000, 4200, 3150));
        QVERIFY(running);
        // Top-left corner: one jump of two steps.
        QCOMPARE(ticked(rect(0, 0, 4000, 2000), kIn), rect(0, 0, 4400, 3300));
        // Past the right edge: pulled back first, then the right edge is held at W + 1.
        QCOMPARE(ticked(rect(14000, 1000, 4000, 3000), kIn), rect(10546, 1000, 4200, 3150));
        // Below the bottom: lifted so its bottom is on H.
        QCOMPARE(ticked(rect(5000, 9000, 4000, 3000), kIn), rect(4900, 7515, 4200, 3150));
        // Already past H / 2: one step, then the timer stops.
        QCOMPARE(ticked(rect(2000, 100, 8000, 6000), kIn, &running), rect(1900, 100, 8200, 6150));
        QVERIFY(!running);
    }

    void zoomOutStepsAndGuard()
    {
        bool running = true;
        QCOMPARE(ticked(rect(5000, 1000, 6000, 4500), kOut, &running), rect(5100, 1000, 5800, 4350));
        QVERIFY(running);
        QCOMPARE(ticked(rect(0, 0, 4000, 3000), kOut), rect(0, 0, 3800, 2850));
        // Below H / 3 already: one step, then stop.
        QCOMPARE(ticked(rect(5000, 1000, 2000, 1500), kOut, &running), rect(5100, 1000, 1800, 1350));
        QVERIFY(!running);
        // Narrower than two steps: left as it is, and the timer stops.
        QCOMPARE(ticked(rect(5000, 1000, 350, 100), kOut, &running), rect(5000, 1000, 350, 100));
        QVERIFY(!running);
        // No mode checked: the picture stays and the timer runs on.
        QCOMPARE(ticked(rect(5000, 1000, 350, 100), {}, &running), rect(5000, 1000, 350, 100));
        QVERIFY(running);

        QVERIFY(zoomStarts(0, kOut));
        QVERIFY(!zoomStarts(0, kIn));
        QVERIFY(zoomStarts(1, kIn));
        QVERIFY(!zoomStarts(3, {}));
    }

    void aWholeZoomHoldsTheCornerItStartsIn()
    {
        // Bottom-right corner with a width that single precision cannot hold
        // exactly: every tick must still find the picture on both edges.
        const auto onBottom = [](const TwipsRect &p) { return p.top == float(10665 - double(p.height)); };
        const auto onRight = [](const TwipsRect &p) {
            return p.left == float(double(float(14745 - double(p.width))) + 1);
        };
        TwipsRect p = rect(0, 0, 3686.3f, 2764.7f);
        p.top = float(10665 - double(p.height));
        p.left = float(double(float(14745 - double(p.width))) + 1);
        int ticks = 0;
        bool running = true;
        while (running && ticks < 100) {
            running = zoomTick(p, kIn, kArea, 200);
            ++ticks;
            QVERIFY(onBottom(p) && onRight(p));
        }
        QCOMPARE(ticks, 18);
        QVERIFY(p.height > 10665 / 2.0f);
        while (zoomTick(p, kOut, kArea, 200))
            QVERIFY(onBottom(p) && onRight(p));
        QVERIFY(onBottom(p) && onRight(p));
        QVERIFY(p.height < 10665 / 3.0f);
    }
};

QTEST_MAIN(PictureLogicTest)
#include "tst_picturelogic.moc"
