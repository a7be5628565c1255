#include "desktop/panes/panenotice.h"
#include "desktop/panes/textpane.h"
#include "lesson/gbktext.h"
#include "panedesktop.h"
#include "support/officefixtures.h"

#include <QBuffer>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextEdit>
#include <QTextList>

namespace {

// The size, colour and weight the character before `position` is shown in.
struct Shown {
    double points;
    QColor colour;
    bool bold;
};
Shown shownAt(QTextEdit *edit, int position)
{
    QTextCursor cursor(edit->document());
    cursor.setPosition(position);
    const QTextCharFormat format = cursor.charFormat();
    const QFont font = format.font().resolve(edit->document()->defaultFont());
    return {font.pointSizeF(), format.foreground().color(), font.bold()};
}

struct TextDesktop : PaneDesktop {
    TextPane *text = nullptr;
    QTextEdit *rich = nullptr;
    QPlainTextEdit *input = nullptr;

    void open()
    {
        show();
        text = pane<TextPane>(PaneKind::Text);
        rich = text->RichTextBox1();
        input = desktop->inputBox();
    }

    // Shows typed text in the pane through the "输入" button.
    void showTyped(const QString &typed)
    {
        input->setPlainText(typed);
        button("Input");
    }
};

} // namespace

class TextPaneTest : public QObject
{
    Q_OBJECT
private slots:
    void sizeKeysInTheVisiblePane()
    {
        TextDesktop d;
        d.open();
        d.showTyped(QStringLiteral("集合"));
        QVERIFY(d.rich->isVisible());
        QTest::mouseClick(d.rich->viewport(), Qt::LeftButton);
        QCOMPARE(d.current(), QStringLiteral("Txt"));

        QCOMPARE(d.text->fontSize().points(), 28.0);
        QTest::keyClicks(d.rich, QStringLiteral("==="));
        QCOMPARE(d.text->fontSize().points(), 34.0);
        QCOMPARE(d.rich->font().pointSizeF(), 34.0);
        QTest::keyClick(d.rich, '-');
        QCOMPARE(d.text->fontSize().points(), 32.0);
        // The size keys leave the lesson text alone; other keys type.
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("集合"));
        QTest::keyClick(d.rich, Qt::Key_End);
        QTest::keyClicks(d.rich, QStringLiteral("a"));
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("集合a"));
        QVERIFY(d.rich->isEnabled());
    }

    void reducingFromTheFontDialogsSize()
    {
        TextDesktop d;
        d.open();
        d.showTyped(QStringLiteral("x"));
        QFont seven(QStringLiteral("宋体"));
        seven.setPointSize(7);
        d.fakes.choiceDialogs.nextFont = seven;
        d.item("Myfont");
        QTest::keyClick(d.rich, '-');
        QCOMPARE(d.text->fontSize().points(), 5.0);
        QTest::keyClick(d.rich, '-');
        QCOMPARE(d.text->fontSize().points(), 5.0);
    }

    void inputBoxKeys()
    {
        TextDesktop d;
        d.open();
        // Typing in the input box is not touching the text pane.
        d.desktop->setCurrentPaneKind(PaneKind::Video);
        QTest::mouseClick(d.input->viewport(), Qt::LeftButton);
        QCOMPARE(QApplication::focusWidget(), d.input);
        QCOMPARE(d.current(), QStringLiteral("Video"));
        // Hidden pane: "=" is just typed.
        QTest::keyClicks(d.input, QStringLiteral("ab="));
        QCOMPARE(d.input->toPlainText(), QStringLiteral("ab="));
        QCOMPARE(d.text->fontSize().points(), 28.0);
        QTest::keyClick(d.rich, '=');
        QCOMPARE(d.text->fontSize().points(), 28.0);

        d.showTyped(QStringLiteral("x"));
        QTest::keyClicks(d.input, QStringLiteral("ab="));
        QCOMPARE(d.input->toPlainText(), QStringLiteral("="));
        QCOMPARE(d.text->fontSize().points(), 30.0);
        QTest::keyClick(d.input, '-');
        QCOMPARE(d.input->toPlainText(), QStringLiteral("-"));
        QCOMPARE(d.text->fontSize().points(), 28.0);
    }

    void inputButtonMovesTypedTextOrHidesThePane()
    {
        TextDesktop d;
        d.open();
        d.showTyped(QStringLiteral("第一行\n第二行"));
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("第一行\n第二行"));
        QVERIFY(d.text->isVisible());
        QVERIFY(d.input->toPlainText().isEmpty());
        d.button("Input");
        QVERIFY(!d.text->isVisible());
        QVERIFY(!d.rich->isVisible());
    }

    void txtButtonStepsThroughTheLessonsTextFiles()
    {
        TextDesktop d;
        QByteArray gbkBytes;
        gbk::encode(QStringLiteral("集合的含义\r\n"), &gbkBytes);
        d.write(QStringLiteral("备课本/文本/a.txt"), gbkBytes);
        d.write(QStringLiteral("备课本/文本/b.txt"), QStringLiteral("集合的表示").toUtf8());
        d.state.LessonFields[4] = QStringLiteral("文本\\a.txt 文本\\b.txt ");
        d.open();
        d.button("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("集合的含义\n"));
        QVERIFY(d.rich->isVisible());
        d.button("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("集合的表示"));
        d.button("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("集合的含义\n"));
        QVERIFY(d.fakes.fileDialog.requests.isEmpty());
        // The pane keeps the place and size start-up gave it.
        QCOMPARE(d.text->geometry(), (TwipsRect{0, 120, 14745, 10665}));
    }

    // A lesson written on Windows names its files by that machine's paths.
    void windowsNamesReadTheCopiesBelowTheProgram()
    {
        TextDesktop d;
        d.write(QStringLiteral("备课本/文本/a.txt"), "abc");
        d.state.LessonFields[3] = QStringLiteral("D:\\Veltano\\备课本\\课.doc");
        d.state.LessonFields[4] = QStringLiteral("D:\\Veltano\\备课本\\文本\\a.txt ");
        d.open();
        d.button("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("abc"));
    }

    void txtButtonWithoutListAsksForAFile()
    {
        TextDesktop d;
        d.open();
        d.showTyped(QStringLiteral("旧"));
        d.item("TxtHidden");
        d.fakes.fileDialog.answerCancel();
        d.button("txt");
        const OpenFileRequest &request = d.fakes.fileDialog.requests.first();
        QCOMPARE(request.filter,
                 QStringLiteral("文本文件(*.txt)|*.txt|RichText文件(*.rtf)|*.rtf|常用格式|*.docx;*.odt"));
        QCOMPARE(request.startFolder, d.context.book.lessonBook());
        QVERIFY(request.fileName.isEmpty());
        QVERIFY(d.rich->toPlainText().isEmpty());
        QVERIFY(!d.text->isVisible());

        d.fakes.fileDialog.answer({d.write(QStringLiteral("备课本/c.txt"), "abc")});
        d.button("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("abc"));
        QVERIFY(d.text->isVisible());
    }

    void richTextShowsFormattedAndUnreadableFilesAreReported()
    {
        TextDesktop d;
        const QString rtf = d.write(QStringLiteral("备课本/r.rtf"), "{\\rtf1\\ansi hello}");
        d.fakes.documents.provide(
            rtf, ConvertedDocument::Format::Html,
            d.write(QStringLiteral("converted/r.html"),
                    QStringLiteral(
                        "<html><body><p align=\"center\"><b><font size=\"5\" style=\"font-size: 20pt\">"
                        "标题</font></b></p><p><font style=\"font-size: 12pt\">正文</font></p></body></html>")
                        .toUtf8()));
        d.state.LessonFields[4] = QStringLiteral("r.rtf missing.txt ");
        d.open();
        d.button("txt");
        QTRY_COMPARE(d.rich->toPlainText(), QStringLiteral("标题\n正文"));
        QVERIFY(d.text->isVisible());
        const QTextBlock heading = d.rich->document()->begin();
        QCOMPARE(heading.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(heading.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        // The file's first size becomes the pane's; the keys then size the whole text.
        QCOMPARE(d.text->fontSize().points(), 20.0);
        QTest::keyClick(d.rich, '=');
        for (QTextBlock block = d.rich->document()->begin(); block.isValid(); block = block.next())
            QCOMPARE(block.begin().fragment().charFormat().font().pointSizeF(), 22.0);
        // 字体(Font) gives the whole text, the file's bold heading included, the chosen face.
        QFont chosen(QStringLiteral("Noto Serif CJK SC"));
        chosen.setPointSizeF(40);
        chosen.setUnderline(true);
        d.fakes.choiceDialogs.nextFont = chosen;
        d.item("Myfont");
        QCOMPARE(d.rich->font().family(), chosen.family());
        QVERIFY(d.rich->font().underline() && !d.rich->font().bold());
        QCOMPARE(d.text->fontSize().points(), 40.0);
        for (QTextBlock block = d.rich->document()->begin(); block.isValid(); block = block.next()) {
            const QFont font = block.begin().fragment().charFormat().font();
            QCOMPARE(font.family(), chosen.family());
            QCOMPARE(font.pointSizeF(), 40.0);
            QVERIFY(font.underline() && !font.bold());
        }
        // Cancelled, the dialog changes nothing.
        d.fakes.choiceDialogs.nextFont.reset();
        d.item("Myfont");
        QCOMPARE(d.text->fontSize().points(), 40.0);

        // A missing file is named over the pane; nothing waits for an answer.
        d.button("txt");
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);
        QStringList notices;
        for (PaneNotice *notice : d.desktop->findChildren<PaneNotice *>())
            if (notice->isVisible())
                notices << notice->text();
        QCOMPARE(notices.size(), 1);
        QVERIFY(notices.first().contains(QStringLiteral("missing.txt")));
    }

    // A rich text draws the pictures its conversion wrote beside it and no
    // other file of the computer, whatever it names; one that begins with a
    // list shows it whole.
    void richTextsFromElsewhereShowSafelyAndWhole()
    {
        TextDesktop d;
        QImage red(4, 4, QImage::Format_RGB32);
        red.fill(Qt::red);
        QByteArray png;
        QBuffer buffer(&png);
        QVERIFY(buffer.open(QIODevice::WriteOnly) && red.save(&buffer, "PNG"));
        d.write(QStringLiteral("converted/in.png"), png);
        const QString outside = d.write(QStringLiteral("private.png"), png);
        const QString rtf = d.write(QStringLiteral("备课本/r.rtf"), "{\\rtf1\\ansi pictures}");
        d.fakes.documents.provide(
            rtf, ConvertedDocument::Format::Html,
            d.write(QStringLiteral("converted/r.html"),
                    ("<p>图<img src=\"in.png\"><img src=\"../private.png\"><img src=\"" +
                     QUrl::fromLocalFile(outside).toString() + "\"></p>")
                        .toUtf8()));
        d.state.LessonFields[4] = QStringLiteral("r.rtf ");
        d.open();
        d.button("txt");
        QTRY_VERIFY(d.rich->toPlainText().startsWith(QStringLiteral("图")));
        const auto shown = [&d](const QUrl &name) {
            return d.rich->document()->resource(QTextDocument::ImageResource, name).value<QImage>();
        };
        QCOMPARE(shown(QUrl(QStringLiteral("in.png"))).pixelColor(1, 1), QColor(Qt::red));
        QVERIFY(shown(QUrl(QStringLiteral("../private.png"))).isNull());
        QVERIFY(shown(QUrl::fromLocalFile(outside)).isNull());

        // A text that begins with a list, and one with nothing but an empty list item.
        d.fakes.documents.provide(rtf, ConvertedDocument::Format::Html,
                                  d.write(QStringLiteral("converted/list.html"),
                                          "<ul><li>第一条</li><li>第二条</li></ul><p>完</p>"));
        d.button("txt");
        QTRY_VERIFY(d.rich->toPlainText().startsWith(QStringLiteral("第一条")));
        const QTextList *list = d.rich->document()->begin().textList();
        QVERIFY(list && list->count() == 2);
        d.fakes.documents.provide(
            rtf, ConvertedDocument::Format::Html,
            d.write(QStringLiteral("converted/empty.html"), "<html><ul><li></li></ul>"));
        d.button("txt");
        QTRY_VERIFY(d.rich->toPlainText().trimmed().isEmpty());
    }

    // A lesson from elsewhere may name a device or a huge file: each gets a
    // notice naming it, in the blink a click takes, and nothing is read.
    void devicesAndOversizedTextsAreNamedNotRead()
    {
        TextDesktop d;
        QFile huge(d.write(QStringLiteral("备课本/huge.txt"), "text"));
        QVERIFY(huge.resize(qint64(17) << 20));
        d.state.LessonFields[4] = QStringLiteral("huge.txt /dev/zero ");
        d.open();
        for (const QString &expected : {QStringLiteral("上限 16 MB"), QStringLiteral("是设备")}) {
            d.button("txt");
            QStringList notices;
            for (PaneNotice *notice : d.desktop->findChildren<PaneNotice *>())
                if (notice->isVisible())
                    notices << notice->text();
            QCOMPARE(notices.size(), 1);
            QVERIFY2(notices.first().contains(expected), qPrintable(notices.first()));
            QVERIFY(d.rich->toPlainText().isEmpty());
        }
    }

    // A Word 2007 or OpenDocument text goes to the converter and shows as rich
    // text; what a text's bytes are decides, not its name.
    void wordTextsShowAsRichTextByTheirContent()
    {
        TextDesktop d;
        const QString docx =
            d.install(officefixtures::fixture("word2007.doc"), QStringLiteral("备课本/讲义.docx"));
        const QString notes = d.write(QStringLiteral("备课本/笔记.docx"), "just words");
        d.fakes.documents.provide(
            docx, ConvertedDocument::Format::Html,
            d.write(QStringLiteral("converted/d.html"),
                    QStringLiteral("<html><body><p><b>讲义</b></p></body></html>").toUtf8()));
        d.state.LessonFields[4] = QStringLiteral("讲义.docx 笔记.docx ");
        d.open();
        d.button("txt");
        QTRY_COMPARE(d.rich->toPlainText(), QStringLiteral("讲义"));
        QCOMPARE(d.rich->document()->begin().begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        d.button("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("just words"));
        // Asked for ahead as the desktop opened, then by the teacher; the plain one never.
        QCOMPARE(d.fakes.documents.requested, (QStringList{docx, docx}));
        QCOMPARE(d.fakes.documents.urgent, QStringList{docx});
    }

    // A rich text as a teacher saves it: a 20 pt heading, 12 pt text, a
    // picture, 16 pt, and a last line in red bold 14 pt.
    void richTextKeepsItsSizesAndPicturesAndPlainTextThePanesFont()
    {
        TextDesktop d;
        d.install(officefixtures::fixture("sizes-picture-red.rtf"), QStringLiteral("备课本/文本/课文.rtf"));
        QByteArray gbkBytes;
        gbk::encode(QStringLiteral("集合的表示"), &gbkBytes);
        d.write(QStringLiteral("备课本/文本/b.txt"), gbkBytes);
        d.state.LessonFields[4] = QStringLiteral("文本\\课文.rtf 文本\\b.txt ");
        officefixtures::RealConverter office;
        d.context.platform.documents = &office.converter;
        d.open();

        d.click("txt");
        QTRY_VERIFY_WITH_TIMEOUT(d.rich->toPlainText().startsWith(QStringLiteral("集合的含义")),
                                 officefixtures::kConversionWait);
        QTextDocument *document = d.rich->document();
        QList<double> sizes;
        for (QTextBlock block = document->begin(); block.isValid(); block = block.next())
            if (!block.text().trimmed().isEmpty() &&
                !block.text().contains(QChar::ObjectReplacementCharacter))
                sizes.append(shownAt(d.rich, block.position() + 1).points);
        QCOMPARE(sizes, (QList<double>{20, 12, 16, 14}));
        QCOMPARE(d.text->fontSize().points(), 20.0);
        const Shown last = shownAt(d.rich, document->characterCount() - 1);
        QVERIFY(last.bold);
        QCOMPARE(last.colour, QColor(Qt::red));
        // The picture is drawn: its green, not a broken-picture sign.
        d.rich->resize(600, 500);
        const QImage painted = d.rich->viewport()->grab().toImage();
        int green = 0;
        for (int y = 0; y < painted.height(); ++y)
            for (int x = 0; x < painted.width(); ++x)
                green += painted.pixelColor(x, y) == QColor(0, 160, 0);
        QVERIFY2(green > 400, qPrintable(QString::number(green)));

        // Plain text, and what the teacher types into it, in the pane's own font.
        d.click("txt");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("集合的表示"));
        QTest::mouseClick(d.rich->viewport(), Qt::LeftButton);
        QTest::keyClick(d.rich, Qt::Key_End);
        QTest::keyClicks(d.rich, QStringLiteral("x"));
        for (int position : {1, int(d.rich->toPlainText().size())}) {
            const Shown plain = shownAt(d.rich, position);
            QVERIFY(!plain.bold);
            QCOMPARE(plain.colour, QColor(Qt::black));
            QCOMPARE(plain.points, 20.0);
        }

        // Typed text through "输入" after the rich text, likewise.
        d.click("txt");
        QTRY_VERIFY_WITH_TIMEOUT(d.rich->toPlainText().startsWith(QStringLiteral("集合的含义")),
                                 officefixtures::kConversionWait);
        d.showTyped(QStringLiteral("课堂练习"));
        const Shown typed = shownAt(d.rich, 2);
        QVERIFY(!typed.bold);
        QCOMPARE(typed.colour, QColor(Qt::black));
    }

    void inputCancelsARichTextStillOpening()
    {
        TextDesktop d;
        const QString rtf = d.write(QStringLiteral("备课本/r.rtf"), "{\\rtf1\\ansi slow}");
        d.fakes.documents.provide(rtf, ConvertedDocument::Format::Html,
                                  d.write(QStringLiteral("converted/r.html"), "<p>慢的文本</p>"));
        d.fakes.documents.hold = true;
        d.state.LessonFields[4] = QStringLiteral("r.rtf ");
        d.open();
        d.click("txt");
        QCOMPARE(d.fakes.documents.urgent, QStringList{rtf});

        QTest::mouseClick(d.input->viewport(), Qt::LeftButton);
        QTest::keyClicks(d.input, QStringLiteral("abc"));
        d.click("Input");
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("abc"));
        for (PaneNotice *notice : d.desktop->findChildren<PaneNotice *>())
            QVERIFY(!notice->isVisible());
        d.fakes.documents.answerHeld();
        QCoreApplication::processEvents();
        QCOMPARE(d.rich->toPlainText(), QStringLiteral("abc"));
    }

    void rightButtonPopsUpTheLocationMenu()
    {
        TextDesktop d;
        d.open();
        d.showTyped(QStringLiteral("x"));
        QMenu *location = d.desktop->menus().menu(QStringLiteral("TxtLocation"));
        QTest::mouseClick(d.rich->viewport(), Qt::LeftButton);
        QVERIFY(!location->isVisible());
        QTest::mouseClick(d.rich->viewport(), Qt::RightButton);
        QVERIFY(location->isVisible());
        location->close();
    }

    void placementItemsMoveOnlyAVisiblePane()
    {
        TextDesktop d;
        d.open();
        const TwipsRect start = d.text->geometry();
        d.item("TxtInMiddle");
        QCOMPARE(d.text->geometry(), start);

        d.showTyped(QStringLiteral("x"));
        d.item("TxTInright");
        QCOMPARE(d.text->geometry(), (TwipsRect{7372.5f, 120, 7372.5f, 10665}));
        d.item("TxTIntop");
        d.item("TxtInleft");
        QCOMPARE(d.text->geometry(), (TwipsRect{0, 0, 7372.5f, 5332.5f}));
        d.item("TxtInMiddle");
        QCOMPARE(d.text->geometry(), (TwipsRect{3686.25f, 2666.25f, 7372.5f, 5332.5f}));
        QTest::mouseClick(d.rich->viewport(), Qt::LeftButton);
        d.item("AllFull");
        QCOMPARE(d.text->geometry(), (TwipsRect{0, 0, 14745, 10665}));
        d.item("AllButtom");
        QCOMPARE(d.text->geometry(), (TwipsRect{0, 5332.5f, 14745, 5332.5f}));
        d.item("AllHidden");
        QVERIFY(!d.text->isVisible());
        QCOMPARE(d.current(), QStringLiteral("Txt"));
    }
};

QTEST_MAIN(TextPaneTest)
#include "tst_textpane.moc"
