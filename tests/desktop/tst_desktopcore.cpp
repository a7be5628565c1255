// Desktop arithmetic without widgets: frames, start places, palette, toolbar
// fitting, media lists, placement and the menu-bar command table.

#include "desktop/logic/backgroundpalette.h"
#include "desktop/logic/desktoplayout.h"
#include "desktop/logic/pagelayout.h"
#include "desktop/logic/panekind.h"
#include "desktop/logic/toolbarfitting.h"
#include "geometry/placement.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"

#include <QtTest>

class DesktopCoreTest : public QObject
{
    Q_OBJECT

private slots:
    void framesOfA1024By768Screen()
    {
        const DesktopFrames frames = layoutFrames(15360, 11520, 615, 855);
        QCOMPARE(frames.frame1, (TwipsRect{0, 0, 14745, 10665}));
        QCOMPARE(frames.frame2, (TwipsRect{14745, 0, 615, 10665}));
    }

    // A document container shows its page's text column from its corner: the
    // large page's (24.1 cm) fits the work area of a 1024 x 768 screen, the
    // square page's the half-width Word pane.
    void pageColumnsFitTheirContainers()
    {
        const DesktopFrames frames = layoutFrames(15360, 11520, 615, 855);
        const TwipsRect large = pagelayouts::kLarge.shownColumn();
        QCOMPARE(qRound(large.width), 13663);
        QCOMPARE(qRound(large.height), 21373);
        QVERIFY(large.left == 0 && large.top == 0);
        QVERIFY(large.width < frames.frame1.width);
        QVERIFY(pagelayouts::kSquare.shownColumn().width < frames.frame1.width / 2);
    }

    void fullAreaIsRoundedAndWide()
    {
        const FullArea area = fullAreaOf({0.4f, 119.5f, 40000.6f, 10665});
        QCOMPARE(area.Left, 0);
        QCOMPARE(area.Top, 120);
        // Wider than a 16-bit value holds: a 2560-pixel screen.
        QCOMPARE(area.Width, 40001);
        QCOMPARE(area.Height, 10665);
    }

    void startPlaces()
    {
        const WorkAreaPlaces work = workAreaPlaces({0, 0, 14745, 10665});
        QCOMPARE(work.ole1, (TwipsRect{0, 0, 14745, 10665}));
        QCOMPARE(work.richText, (TwipsRect{0, 120, 14745, 10665}));
        QCOMPARE(work.flash, (TwipsRect{7372.5f, 5332.5f, 7372.5f, 5332.5f}));
        QCOMPARE(work.deck, (TwipsRect{0, 0, 7372.5f, 5332.5f}));

        const FullAreaPlaces full = fullAreaPlaces({0, 14745, 0, 10665});
        QCOMPARE(full.player, (TwipsRect{0, 5332.5f, 3015, 2175}));
        QCOMPARE(full.drawing, (TwipsRect{7372.5f, 5332.5f, 7372.5f, 5332.5f}));
        QCOMPARE(full.ole2, (TwipsRect{0, 0, 14745, 10665}));
        QCOMPARE(full.image0, (TwipsRect{7374.5f, 0, 7215, 4935}));
    }

    void paletteNeverMagentaOrYellow()
    {
        QCOMPARE(backgroundPaletteIndex(0.0), 0);
        QCOMPARE(backgroundPaletteIndex(4.999 / 9), 4);
        QCOMPARE(backgroundPaletteIndex(5.0 / 9), 3);
        QCOMPARE(backgroundPaletteIndex(6.5 / 9), 3);
        QCOMPARE(backgroundPaletteIndex(7.0 / 9), 7);
        QCOMPARE(backgroundPaletteIndex(0.99999), 8);
        QCOMPARE(standardPaletteRgb(3), 0x008080u);
        QCOMPARE(standardPaletteRgb(5), 0x800080u);
        QCOMPARE(standardPaletteRgb(7), 0xC0C0C0u);
        QCOMPARE(standardPaletteRgb(8), 0x808080u);
    }

    void toolbarFitting_data()
    {
        QTest::addColumn<double>("height");
        QTest::addColumn<int>("blanks");
        QTest::addColumn<int>("text1Buttons"); // 0: Text1 keeps its height
        // TH = 7980, b = 570.
        QTest::newRow("above TH+4b") << 10261.0 << 4 << 7;
        QTest::newRow("exactly TH+4b") << 10260.0 << 0 << 0;
        QTest::newRow("just below TH+4b") << 10259.0 << 3 << 6;
        QTest::newRow("exactly TH+3b") << 9690.0 << 3 << 6;
        QTest::newRow("exactly TH+2b") << 9120.0 << 2 << 5;
        QTest::newRow("exactly TH+b") << 8550.0 << 1 << 4;
        QTest::newRow("just below TH+b") << 8549.0 << 0 << 0;
        QTest::newRow("TH itself") << 7980.0 << 0 << 0;
        QTest::newRow("just above TH-b") << 7411.0 << 0 << 0;
        QTest::newRow("exactly TH-b") << 7410.0 << -1 << 3;
        QTest::newRow("exactly TH-2b") << 6840.0 << -2 << 2;
        QTest::newRow("just above TH-3b") << 6271.0 << -2 << 2;
        QTest::newRow("exactly TH-3b") << 6270.0 << -3 << 1;
        QTest::newRow("far below") << 100.0 << -3 << 1;
    }

    void toolbarFitting()
    {
        QFETCH(double, height);
        QFETCH(int, blanks);
        QFETCH(int, text1Buttons);
        const ToolbarFit fit = fitToolbar(7980, 570, height);
        QCOMPARE(fit.blanks, blanks);
        QCOMPARE(fit.text1Buttons.value_or(0), text1Buttons);
    }

    void mediaFieldSplitting_data()
    {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("stored");
        QTest::addColumn<QStringList>("elements");
        QTest::addColumn<int>("count");
        QTest::newRow("editor form") << "a.ppt b.ppt "
                                     << "a.ppt b.ppt  " << QStringList{"P\\a.ppt", "P\\b.ppt", "P\\"} << 2;
        QTest::newRow("one name") << "a.ppt"
                                  << "a.ppt " << QStringList{"P\\a.ppt"} << 1;
        QTest::newRow("two without trailing space")
            << "a.ppt b.ppt"
            << "a.ppt b.ppt " << QStringList{"P\\a.ppt", "P\\b.ppt"} << 1;
        QTest::newRow("spaces only") << "   "
                                     << " " << QStringList{"P\\"} << 1;
        QTest::newRow("leading spaces") << "  d\\x.txt "
                                        << "d\\x.txt  " << QStringList{"P\\d\\x.txt", "P\\"} << 1;
        QTest::newRow("double space inside") << "a  b "
                                             << "a  b  " << QStringList{"P\\a", "P\\", "P\\b", "P\\"} << 3;
    }

    void mediaFieldSplitting()
    {
        QFETCH(QString, field);
        QFETCH(QString, stored);
        QFETCH(QStringList, elements);
        QFETCH(int, count);
        const MediaList list = splitMediaField(field, QStringLiteral("P\\"), false);
        QCOMPARE(field, stored);
        QCOMPARE(list.elements, elements);
        QCOMPARE(list.count, count);
        QCOMPARE(list.position, 0);
    }

    void listsNameRelativeToTheirRoots()
    {
        LessonRecord fields;
        fields[slot::DeckFiles] = QStringLiteral("a.ppt ");
        fields[slot::FlashFiles] = QStringLiteral("f.swf ");
        fields[slot::TextFiles] = QStringLiteral("t.txt ");
        fields[slot::PictureFiles] = QStringLiteral("set\\image\\p.jpg ");
        fields[slot::MediaFiles] = QStringLiteral("set\\music\\m.mp3 ");
        MediaLists lists;
        QVERIFY(buildMediaLists(fields, QStringLiteral("/opt/v"), lists));
        QCOMPARE(lists.decks.elements.first(), QStringLiteral("/opt/v\\备课本\\a.ppt"));
        QCOMPARE(lists.flashMovies.elements.first(), QStringLiteral("/opt/v\\备课本\\f.swf"));
        QCOMPARE(lists.textFiles.elements.first(), QStringLiteral("/opt/v\\备课本\\t.txt"));
        QCOMPARE(lists.pictures.elements.first(), QStringLiteral("/opt/v\\set\\image\\p.jpg"));
        QCOMPARE(lists.media.elements.first(), QStringLiteral("/opt/v\\set\\music\\m.mp3"));
        QCOMPARE(fields[slot::DeckFiles], QStringLiteral("a.ppt  "));
        // Opened as a native path.
        QCOMPARE(LessonBook::toNativeSeparators(lists.media.elements.first()),
                 QStringLiteral("/opt/v/set/music/m.mp3"));
    }

    void documentFieldWithDriveKeepsEveryName_data()
    {
        QTest::addColumn<QString>("document");
        QTest::addColumn<bool>("kept");
        QTest::newRow("D:") << "D:\\lesson\\a.doc" << true;
        QTest::newRow("lower c:") << "c:\\a.doc" << true;
        QTest::newRow("I:") << "I:\\a.doc" << true;
        QTest::newRow("j: is no drive here") << "j:\\a.doc" << false;
        QTest::newRow("leading spaces before the drive") << "  e:\\a.doc" << true;
        QTest::newRow("absolute Linux path") << "/home/t/a.doc" << true;
        QTest::newRow("relative") << "docs\\a.doc" << false;
        QTest::newRow("empty") << "" << false;
    }

    void documentFieldWithDriveKeepsEveryName()
    {
        QFETCH(QString, document);
        QFETCH(bool, kept);
        LessonRecord fields;
        fields[slot::DocumentFile] = document;
        fields[slot::TextFiles] = QStringLiteral("x.txt ");
        fields[slot::MediaFiles] = QStringLiteral("m.mp3 ");
        MediaLists lists;
        QVERIFY(!buildMediaLists(fields, QStringLiteral("/p"), lists));
        QCOMPARE(lists.textFiles.elements.first(),
                 kept ? QStringLiteral("x.txt") : QStringLiteral("/p\\备课本\\x.txt"));
        QCOMPARE(lists.media.elements.first(), kept ? QStringLiteral("m.mp3") : QStringLiteral("/p\\m.mp3"));
    }

    void emptyFieldsLeaveListsEmpty()
    {
        LessonRecord fields;
        MediaLists lists;
        QVERIFY(!buildMediaLists(fields, QStringLiteral("/p"), lists));
        QCOMPARE(lists.textFiles.count, 0);
        QVERIFY(lists.textFiles.elements.isEmpty());
        QCOMPARE(lists.textFiles.stepOn(), QString());
        QVERIFY(fields[slot::TextFiles].isEmpty());
    }

    void linuxAbsoluteNamesAreNotPrefixed()
    {
        QString field = QStringLiteral("/media/usb/a.txt b.txt ");
        const MediaList list = splitMediaField(field, QStringLiteral("/p\\"), false);
        QCOMPARE(list.elements.at(0), QStringLiteral("/media/usb/a.txt"));
        QCOMPARE(list.elements.at(1), QStringLiteral("/p\\b.txt"));
    }

    void steppingWrapsAtTheCount()
    {
        QString field = QStringLiteral("a b ");
        MediaList list = splitMediaField(field, QString(), true);
        QCOMPARE(list.stepOn(), QStringLiteral("a"));
        QCOMPARE(list.stepOn(), QStringLiteral("b"));
        QCOMPARE(list.stepOn(), QStringLiteral("a"));
        QCOMPARE(list.position, 1);
    }

    void standardPlacements()
    {
        const FullArea area{0, 14745, 0, 10665};
        const TwipsRect start{100, 200, 3000, 4000};
        QCOMPARE(standardPlacement(start, Position::Centre, area),
                 (TwipsRect{3686.25f, 2666.25f, 7372.5f, 5332.5f}));
        QCOMPARE(standardPlacement(start, Position::Right, area), (TwipsRect{7372.5f, 200, 7372.5f, 4000}));
        QCOMPARE(standardPlacement(start, Position::Full, area), (TwipsRect{0, 0, 14745, 10665}));
        QCOMPARE(standardPlacement(start, Position::Bottom, area), (TwipsRect{100, 5332.5f, 3000, 5332.5f}));
        const TwipsRect top = standardPlacement(start, Position::Top, area);
        QCOMPARE(standardPlacement(top, Position::Left, area), (TwipsRect{0, 0, 7372.5f, 5332.5f}));
        // Right, centre and bottom ignore L and T; left, top and full use them.
        const FullArea offset{10, 1000, 20, 800};
        QCOMPARE(standardPlacement(start, Position::Right, offset).left, 500.0f);
        QCOMPARE(standardPlacement(start, Position::Bottom, offset).top, 400.0f);
        QCOMPARE(standardPlacement(start, Position::Left, offset).left, 10.0f);
        QCOMPARE(standardPlacement(start, Position::Top, offset).top, 20.0f);
    }

    void barCommandTable()
    {
        QCOMPARE(placementItemFor(PaneKind::Text, BarCommand::AllLeft), QStringLiteral("TxtInleft"));
        QCOMPARE(placementItemFor(PaneKind::Text, BarCommand::AllRight), QStringLiteral("TxTInright"));
        QCOMPARE(placementItemFor(PaneKind::Word, BarCommand::AllHidden), QStringLiteral("WordFull"));
        QCOMPARE(placementItemFor(PaneKind::Deck, BarCommand::AllFull), QStringLiteral("PptFull"));
        QCOMPARE(placementItemFor(PaneKind::Flash, BarCommand::AllButtom), QStringLiteral("FlashInbuttom"));
        QCOMPARE(placementItemFor(PaneKind::Picture, BarCommand::AllCenter), QStringLiteral("PictureCenter"));
        QCOMPARE(placementItemFor(PaneKind::Drawing, BarCommand::AllHidden), QStringLiteral("PaintHidden"));
        QCOMPARE(placementItemFor(PaneKind::Video, BarCommand::AllHidden), QStringLiteral("Videohidden"));
        QCOMPARE(placementItemFor(PaneKind::Video, BarCommand::AllRight), QStringLiteral("VideoInRight"));
        for (PaneKind kind : {PaneKind::Picture, PaneKind::Video})
            QCOMPARE(placementItemFor(kind, BarCommand::AllFull), QString());
        // The tags the teacher sees in ClickTs, in the order of the kinds.
        QStringList captions;
        for (int kind = 0; kind <= int(PaneKind::Video); ++kind)
            captions << paneKindCaption(PaneKind(kind));
        QCOMPARE(captions.join(QLatin1Char(' ')), QStringLiteral("Word Ppt Flash Image Txt Draw Video"));
        QCOMPARE(locationMenuName(PaneKind::Drawing), QStringLiteral("PicDraw"));
        QCOMPARE(barCommandName(BarCommand::AllButtom), QStringLiteral("AllButtom"));
        QVERIFY(!barCommandPosition(BarCommand::AllHidden));
        QCOMPARE(*barCommandPosition(BarCommand::AllCenter), Position::Centre);
    }
};

QTEST_GUILESS_MAIN(DesktopCoreTest)
#include "tst_desktopcore.moc"
