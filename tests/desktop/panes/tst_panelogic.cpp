#include "desktop/logic/fontsize.h"
#include "desktop/logic/liststepping.h"
#include "desktop/logic/penmark.h"
#include "desktop/logic/textfiledecoding.h"
#include "desktop/logic/videohidetoggle.h"
#include "lesson/gbktext.h"

#include <QtTest>

// The arithmetic of the text, video and drawing panes, without a display.
class PaneLogicTest : public QObject
{
    Q_OBJECT
private slots:
    void enlargingStepsByTwoWithoutLimit()
    {
        FontSize size = FontSize::fromPoints(28);
        for (int i = 0; i < 3; ++i)
            size = size.enlarged();
        QCOMPARE(size.points(), 34.0);
        for (int i = 0; i < 5000; ++i)
            size = size.enlarged();
        QCOMPARE(size.points(), 10034.0);
    }

    void fractionalSizesStepExactly()
    {
        // 10.3 + 2 + 2 + ... drifts in binary floating point; currency does not.
        FontSize size = FontSize::fromPoints(10.3);
        for (int i = 0; i < 200; ++i)
            size = size.enlarged();
        QVERIFY(size == FontSize::fromPoints(410.3));
        for (int i = 0; i < 200; ++i)
            size = size.reduced();
        QVERIFY(size == FontSize::fromPoints(10.3));
        QCOMPARE(FontSize::fromPoints(12.00005).points(), 12.0); // four places, half to even
    }

    void reducingStopsAtSixOrFive()
    {
        QCOMPARE(FontSize::fromPoints(7).reduced().points(), 5.0);
        QCOMPARE(FontSize::fromPoints(6).reduced().points(), 6.0);
        QCOMPARE(FontSize::fromPoints(5).reduced().points(), 5.0);
        QCOMPARE(FontSize::fromPoints(6.5).reduced().points(), 4.5);
        FontSize size = FontSize::fromPoints(28);
        for (int i = 0; i < 20; ++i)
            size = size.reduced();
        QCOMPARE(size.points(), 6.0);
    }

    void stepsWrapBothWays()
    {
        // The positions played by three steps from start-up in a list of three.
        const auto walk = [](int (*step)(int, int)) {
            QList<int> played;
            int position = 0;
            for (int i = 0; i < 3; ++i)
                played.append(position = step(position, 3));
            return played;
        };
        QCOMPARE(walk(liststep::next), QList<int>({1, 2, 0}));
        QCOMPARE(walk(liststep::previous), QList<int>({2, 1, 0}));
        QCOMPARE(liststep::next(0, 1), 0);
        QCOMPARE(liststep::previous(0, 1), 0);
        QCOMPARE(liststep::previous(0, 0), 0);
    }

    void hideToggleKeepsTheHeight()
    {
        VideoHideToggle toggle;
        QCOMPARE(toggle.caption(), QStringLiteral("隐藏"));
        QVERIFY(toggle.hides());
        QCOMPARE(toggle.hide(5332.5f), VideoHideToggle::kHiddenHeight);
        QCOMPARE(toggle.caption(), QStringLiteral("可视"));
        QCOMPARE(toggle.SavedVideoHeight(), 5332); // halves to even, as whole twips are stored
        QVERIFY(!toggle.hides());
        QCOMPARE(toggle.show(), 5332.0f);
        QCOMPARE(toggle.caption(), QStringLiteral("隐藏"));

        toggle.hide(40000); // taller than 16 bits hold
        QCOMPARE(toggle.SavedVideoHeight(), 40000);
        toggle.reset();
        QCOMPARE(toggle.caption(), QStringLiteral("隐藏"));
    }

    void penMarkIsASixtyTwipSquareFromThePointer()
    {
        const TwipsRect mark = penmark::at(1000, 500);
        QCOMPARE(mark.left, 1000.0f);
        QCOMPARE(mark.top, 500.0f);
        QCOMPARE(mark.left + mark.width, 1060.0f);
        QCOMPARE(mark.top + mark.height, 560.0f);
    }

    void textFilesAreGbkOrUtf8()
    {
        QByteArray gbkBytes;
        QVERIFY(gbk::encode(QStringLiteral("高中数学\r\n第二行"), &gbkBytes));
        QCOMPARE(decodeTextFile(gbkBytes), QStringLiteral("高中数学\n第二行"));
        const QByteArray utf8 = QStringLiteral("高中数学\n第二行").toUtf8();
        QCOMPARE(decodeTextFile(utf8), QStringLiteral("高中数学\n第二行"));
        QCOMPARE(decodeTextFile("\xEF\xBB\xBF" + utf8), QStringLiteral("高中数学\n第二行"));
        QCOMPARE(decodeTextFile("a\rb"), QStringLiteral("a\nb"));
        // A UTF-8 sequence cut short at the end is not UTF-8.
        QCOMPARE(decodeTextFile(utf8.left(utf8.size() - 1)), gbk::decode(utf8.left(utf8.size() - 1)));
    }
};

QTEST_GUILESS_MAIN(PaneLogicTest)
#include "tst_panelogic.moc"
