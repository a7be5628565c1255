#include "desktop/logic/fontsize.h"
#include "desktop/logic/liststepping.h"
#include "desktop/logic/penmark.h"
#include "desktop/logic/videohidetoggle.h"
#include "desktop/logic/wordpaging.h"
#include "lesson/gbktext.h"
#include "lesson/medialists.h"
#include "lesson/textfiledecoding.h"

#include <QtTest>

// The arithmetic of the text, video, drawing and Word panes, without a display.
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

    void wordPagesAreThreeParagraphsAndWrap()
    {
        WordPaging seven;
        QCOMPARE(seven.nextPage(7), (ParagraphRange{1, 3}));
        QCOMPARE(seven.WordPageShown(), 1);
        // From paragraph 4 only four are left: the second page runs to the end
        // and the next is page 1.
        QCOMPARE(seven.nextPage(7), (ParagraphRange{4, 7}));
        QCOMPARE(seven.WordPageShown(), 2);
        QCOMPARE(seven.WordPageNo(), 0);
        QCOMPARE(seven.nextPage(7), (ParagraphRange{1, 3}));

        WordPaging three;
        for (int i = 0; i < 3; ++i) {
            QCOMPARE(three.nextPage(3), (ParagraphRange{1, 3}));
            QCOMPARE(three.WordPageShown(), 1);
        }
        // A fourth paragraph joins the page rather than make a page of one.
        WordPaging four;
        QCOMPARE(four.nextPage(4), (ParagraphRange{1, 4}));
        WordPaging eight;
        QCOMPARE(eight.nextPage(8), (ParagraphRange{1, 3}));
        QCOMPARE(eight.nextPage(8), (ParagraphRange{4, 6}));
        QCOMPARE(eight.nextPage(8), (ParagraphRange{7, 8}));
        QCOMPARE(eight.nextPage(8), (ParagraphRange{1, 3}));
        WordPaging one;
        QCOMPARE(one.nextPage(1), (ParagraphRange{1, 1}));
        QCOMPARE(one.nextPage(1), (ParagraphRange{1, 1}));
    }

    // A table is one paragraph of a page, never cut: a heading, three
    // paragraphs, a table of five rows of three cells, three more paragraphs.
    void aTableIsOneParagraphOfAPage()
    {
        QList<int> tables(4, -1);
        tables += QList<int>(15, 7);
        tables += QList<int>(3, -1);
        const QList<ParagraphRange> paged = pagedParagraphs(tables);
        QCOMPARE(paged.size(), 8);
        QCOMPARE(paged.at(4), (ParagraphRange{5, 19}));
        WordPaging paging;
        QCOMPARE(blocksOf(paged, paging.nextPage(8)), (ParagraphRange{1, 3}));
        QCOMPARE(blocksOf(paged, paging.nextPage(8)), (ParagraphRange{4, 20}));
        QCOMPARE(blocksOf(paged, paging.nextPage(8)), (ParagraphRange{21, 22}));
        // Two tables one after the other are two paragraphs; a document that
        // is one table is a page of one paragraph.
        QCOMPARE(pagedParagraphs({1, 1, 2, 2, -1}), (QList<ParagraphRange>{{1, 2}, {3, 4}, {5, 5}}));
        const QList<ParagraphRange> onlyTable = pagedParagraphs(QList<int>(6, 0));
        QCOMPARE(blocksOf(onlyTable, WordPaging().nextPage(int(onlyTable.size()))), (ParagraphRange{1, 6}));
    }

    void wordKeysStepPagesAndSizes()
    {
        WordPaging paging;
        // Before any page every key, even ".", is told to press "Word"; the
        // text pane's size keys still work.
        QCOMPARE(paging.key(QStringLiteral("."), false), WordPaging::KeyAction::Sorry);
        QCOMPARE(paging.key(QStringLiteral("x"), false), WordPaging::KeyAction::Sorry);
        QCOMPARE(paging.key(QStringLiteral("="), true), WordPaging::KeyAction::EnlargeText);

        paging.nextPage(7);
        // "," on page 1 shows page 1 again.
        QCOMPARE(paging.key(QStringLiteral(","), false), WordPaging::KeyAction::ShowPage);
        QCOMPARE(paging.nextPage(7), (ParagraphRange{1, 3}));
        // "." after the last page shows page 1.
        paging.nextPage(7);
        QCOMPARE(paging.key(QStringLiteral("."), false), WordPaging::KeyAction::ShowPage);
        QCOMPARE(paging.nextPage(7), (ParagraphRange{1, 3}));
        paging.nextPage(7);
        QCOMPARE(paging.key(QStringLiteral(","), false), WordPaging::KeyAction::ShowPage);
        QCOMPARE(paging.nextPage(7), (ParagraphRange{1, 3}));

        // With the text pane visible "=" and "-" are its keys; "." still pages.
        QCOMPARE(paging.key(QStringLiteral("="), true), WordPaging::KeyAction::EnlargeText);
        QCOMPARE(paging.key(QStringLiteral("-"), true), WordPaging::KeyAction::ReduceText);
        QCOMPARE(paging.DocFontSize(), 28);
        QCOMPARE(paging.key(QStringLiteral("."), true), WordPaging::KeyAction::ShowPage);
        QCOMPARE(paging.nextPage(7), (ParagraphRange{4, 7}));

        // "=" shows the same page larger.
        QCOMPARE(paging.key(QStringLiteral("="), false), WordPaging::KeyAction::ShowPage);
        QCOMPARE(paging.DocFontSize(), 31);
        QCOMPARE(paging.nextPage(7), (ParagraphRange{4, 7}));
        QCOMPARE(paging.key(QStringLiteral("q"), false), WordPaging::KeyAction::None);

        // "-" ten times from 28 reaches 1 and stays there.
        WordPaging small;
        small.nextPage(7);
        QList<int> sizes;
        for (int i = 0; i < 11; ++i) {
            QCOMPARE(small.key(QStringLiteral("-"), false), WordPaging::KeyAction::ShowPage);
            QCOMPARE(small.nextPage(7), (ParagraphRange{1, 3}));
            sizes.append(small.DocFontSize());
        }
        QCOMPARE(sizes, (QList<int>{25, 22, 19, 16, 13, 10, 7, 4, 1, 1, 1}));
    }

    void lessonDocumentPathTrimsAndPlacesTheField()
    {
        QString field = QStringLiteral("  第一章\\集合.doc");
        QCOMPARE(lessonDocumentPath(field, QStringLiteral("/p")),
                 QStringLiteral("/p\\备课本\\第一章\\集合.doc"));
        QCOMPARE(field, QStringLiteral("第一章\\集合.doc"));
        field = QStringLiteral(" D:\\课\\a.doc");
        QCOMPARE(lessonDocumentPath(field, QStringLiteral("/p")), QStringLiteral("D:\\课\\a.doc"));
        field = QStringLiteral("   ");
        QVERIFY(lessonDocumentPath(field, QStringLiteral("/p")).isEmpty());
        QVERIFY(field.isEmpty());
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

    // Notepad's "Unicode", "Unicode big endian" and "UTF-8" saves begin with a mark.
    void aByteOrderMarkDecidesTheEncoding()
    {
        const QString text = QStringLiteral("高中数学\r\n第二行 abc");
        const QString shown = QStringLiteral("高中数学\n第二行 abc");
        for (QStringConverter::Encoding encoding : {QStringConverter::Utf16LE, QStringConverter::Utf16BE}) {
            const QByteArray bytes = QStringEncoder(encoding, QStringEncoder::Flag::WriteBom).encode(text);
            QCOMPARE(decodeTextFile(bytes), shown);
        }
        // With the mark, one bad byte is one replacement character, not a GBK reading.
        const QByteArray marked = "\xEF\xBB\xBF" + text.toUtf8() + "\xFF";
        QCOMPARE(decodeTextFile(marked), shown + QChar(QChar::ReplacementCharacter));
    }
};

QTEST_GUILESS_MAIN(PaneLogicTest)
#include "tst_panelogic.moc"
