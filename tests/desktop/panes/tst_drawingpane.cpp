#include "desktop/panes/drawingboard.h"
#include "desktop/panes/drawingpane.h"
#include "panedesktop.h"
#include "paneservicesfixture.h"

#include <QtTest>

namespace {

// 1024 × 768 pixels less the strip and the toolbar, at 15 twips per pixel.
const FullArea kArea{0, 14745, 0, 10665};

// The pane alone, built from its services of fakes: no desktop, screen flow or
// other window is made (the desktop tests below start the whole program).
struct Board {
    PaneServicesFixture s;
    QWidget workArea;
    DrawingPane pane{s.services, &workArea};
    DrawingBoard *board = pane.Picture1();

    Board()
    {
        workArea.resize(983, 711);
        // The lower right quarter, as the desktop starts it.
        pane.setGeometry({kArea.Width / 2.0f, kArea.Height / 2.0f, kArea.Width / 2.0f, kArea.Height / 2.0f});
        workArea.show();
    }
};

} // namespace

class DrawingPaneTest : public QObject
{
    Q_OBJECT
private slots:
    void pressMoveReleaseDrawsOneSquare()
    {
        Board b;
        b.pane.paintButton(true);
        // (1005, 510) twips is pixel (67, 34); the square reaches (1065, 570), pixel (71, 38).
        QTest::mousePress(b.board, Qt::LeftButton, {}, QPoint(10, 10));
        QVERIFY(b.board->penDown());
        QTest::mouseMove(b.board, QPoint(67, 34));
        QTest::mouseRelease(b.board, Qt::LeftButton, {}, QPoint(67, 34));
        QVERIFY(!b.board->penDown());

        const QImage image = b.board->image();
        const QColor magenta(128, 0, 128);
        QCOMPARE(image.pixelColor(67, 34), magenta);
        QCOMPARE(image.pixelColor(71, 38), magenta);
        QVERIFY(image.pixelColor(66, 34) != magenta);
        QVERIFY(image.pixelColor(72, 38) != magenta);
        QVERIFY(image.pixelColor(71, 39) != magenta);
        // The press itself left nothing.
        QVERIFY(image.pixelColor(10, 10) != magenta);

        // Moving without a pressed button draws nothing.
        QTest::mouseMove(b.board, QPoint(200, 200));
        QVERIFY(b.board->image().pixelColor(200, 200) != magenta);
    }

    void marksSurviveARepaintAndAMove()
    {
        Board b;
        b.pane.paintButton(true);
        QTest::mousePress(b.board, Qt::LeftButton, {}, QPoint(5, 5));
        QTest::mouseMove(b.board, QPoint(40, 30));
        QTest::mouseRelease(b.board, Qt::LeftButton, {}, QPoint(40, 30));

        b.board->repaint();
        QCOMPARE(b.board->grab().toImage().pixelColor(41, 31), DrawingBoard::penColour());
        b.pane.place(Position::Full, kArea);
        QCOMPARE(b.board->size(), QSize(983, 711));
        QCOMPARE(b.board->grab().toImage().pixelColor(41, 31), DrawingBoard::penColour());
    }

    void pencilPointerComesFromTheSetFolder()
    {
        Board b;
        // No icon: the board still shows, with the ordinary pointer.
        b.pane.paintButton(true);
        QCOMPARE(b.board->cursor().shape(), Qt::ArrowCursor);

        QImage icon(32, 32, QImage::Format_ARGB32);
        icon.fill(Qt::transparent);
        const QString path = b.s.book.setFolder(QStringLiteral("image/pencil11.ico"));
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(icon.save(path, "ICO"));
        b.pane.paintButton(false);
        b.pane.paintButton(true);
        QCOMPARE(b.board->cursor().shape(), Qt::BitmapCursor);
        QCOMPARE(b.board->cursor().hotSpot(), QPoint(0, 31));
    }

    // The scale is the one its services hold, not a copy: start-up sets it
    // afresh when the lesson moves to a screen of another DPI.
    void pixelsFollowTheScaleOfItsServices()
    {
        Board b;
        b.pane.paintButton(true);
        b.pane.place(Position::Full, kArea);
        QCOMPARE(b.board->size(), QSize(983, 711));
        b.s.scale = TwipsScale(192, 192);
        b.pane.refit(kArea, kArea);
        QCOMPARE(b.board->size(), QSize(1966, 1422));
    }

    void clickingTheBoardRecordsTheDrawPane()
    {
        Board b;
        b.pane.paintButton(true);
        QVERIFY(QTest::qWaitForWindowActive(&b.workArea));
        QSignalSpy recorded(&b.pane, &Pane::recorded);
        QTest::mouseClick(b.board, Qt::LeftButton, {}, QPoint(3, 3));
        QCOMPARE(recorded.count(), 1);
        QCOMPARE(qvariant_cast<PaneKind>(recorded.first().first()), PaneKind::Drawing);
    }

    void onTheDesktop()
    {
        PaneDesktop d;
        d.show();
        auto *drawing = d.pane<DrawingPane>(PaneKind::Drawing);
        QVERIFY(!drawing->isVisible());
        // The lower right quarter of the work area.
        QCOMPARE(drawing->geometry(), (TwipsRect{7372.5f, 5332.5f, 7372.5f, 5332.5f}));
        d.item("PaintFull");
        QCOMPARE(drawing->geometry(), (TwipsRect{7372.5f, 5332.5f, 7372.5f, 5332.5f}));

        d.button("paint");
        QVERIFY(drawing->Picture1()->isVisible());
        QTest::mouseClick(drawing->Picture1(), Qt::LeftButton, {}, QPoint(5, 5));
        QCOMPARE(d.current(), QStringLiteral("Draw"));
        d.item("AllFull");
        QCOMPARE(drawing->geometry(), (TwipsRect{0, 0, 14745, 10665}));
        d.item("AllLeft");
        QCOMPARE(drawing->geometry(), (TwipsRect{0, 0, 7372.5f, 10665}));
        d.button("paint");
        QVERIFY(!drawing->Picture1()->isVisible());
        d.button("paint");
        // Hiding the board does not hand the current pane to the next one in line.
        d.fakes.fileDialog.answer({QStringLiteral("/media/a.avi")});
        d.item("VideoOpen");
        QTest::mouseClick(drawing->Picture1(), Qt::LeftButton, {}, QPoint(5, 5));
        d.item("AllHidden");
        QVERIFY(!drawing->isVisible());
        QCOMPARE(d.current(), QStringLiteral("Draw"));
    }
};

QTEST_MAIN(DrawingPaneTest)
#include "tst_drawingpane.moc"
