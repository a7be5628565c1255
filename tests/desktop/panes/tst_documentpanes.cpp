#include "desktop/panes/deckpane.h"
#include "desktop/panes/deckview.h"
#include "desktop/panes/documentcontainer.h"
#include "desktop/panes/panenotice.h"
#include "desktop/panes/textpane.h"
#include "desktop/panes/wordfullwindow.h"
#include "lesson/lessonfields.h"
#include "panedesktop.h"
#include "platform/office/worddocument.h"
#include "support/officefixtures.h"

#include <QMenu>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextBrowser>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextFrame>
#include <QTextTable>

namespace {

// What LibreOffice makes of a seven-paragraph document: its style block, a
// bold centred heading, a red line.
QByteArray sevenParagraphHtml()
{
    QByteArray html = "<!DOCTYPE html><html><head><meta charset=\"utf-8\"/><style type=\"text/css\">"
                      "p { font-size: 12pt; margin-bottom: 0.1in }</style></head><body>"
                      "<p align=\"center\"><font face=\"宋体\"><font size=\"3\" style=\"font-size: 12pt\">"
                      "<b>第一段</b></font></font></p>"
                      "<p><font color=\"#ff0000\">第二段</font></p>";
    for (int i = 3; i <= 7; ++i)
        html += "<p>p" + QByteArray::number(i) + "</p>";
    return html + "</body></html>";
}

// A deck as the converter leaves it: one page per slide, each one colour.
void writeDeck(const QString &path, const QList<QColor> &colours)
{
    QPdfWriter writer(path);
    writer.setPageSize(QPageSize(QSizeF(280, 210), QPageSize::Millimeter));
    writer.setPageMargins(QMarginsF());
    QPainter painter(&writer);
    for (int i = 0; i < colours.size(); ++i) {
        if (i > 0)
            writer.newPage();
        painter.fillRect(QRect(0, 0, writer.width(), writer.height()), colours.at(i));
    }
}

struct DocumentDesktop : PaneDesktop {
    QString docPath;

    // Field 3 names a seven-paragraph document in the lesson book, converted by the fake.
    void lessonDocument()
    {
        state.LessonFields[slot::DocumentFile] = QStringLiteral("  课\\seven.doc");
        docPath = write(QStringLiteral("备课本/课/seven.doc"), "\xD0\xCF\x11\xE0");
        fakes.documents.provide(docPath, ConvertedDocument::Format::Html,
                                write(QStringLiteral("converted/seven.html"), sevenParagraphHtml()));
    }

    DocumentContainer *container(const char *name) const
    {
        return desktop->findChild<DocumentContainer *>(QLatin1String(name));
    }
    QString pageText(const char *name) const
    {
        const QTextDocument *page = container(name)->page();
        return page ? page->toPlainText() : QString();
    }
    double pagePoints(const char *name) const
    {
        return container(name)->page()->begin().begin().fragment().charFormat().fontPointSize();
    }
};

} // namespace

class DocumentPanesTest : public QObject
{
    Q_OBJECT
private slots:
    void wordPagesThroughTheLessonDocument()
    {
        DocumentDesktop d;
        d.lessonDocument();
        d.show();
        // Start-up trimmed the field and began opening the document at once.
        QCOMPARE(d.state.LessonFields[slot::DocumentFile], QStringLiteral("课\\seven.doc"));
        QCOMPARE(d.fakes.documents.requested, QStringList{d.docPath});
        DocumentContainer *ole1 = d.container("OLE1");

        // Keys before any page: the teacher is told to press "Word".
        QTest::keyClick(ole1, '.');
        QCOMPARE(d.fakes.messageBox.shown.size(), 1);
        QCOMPARE(d.fakes.messageBox.shown.first().text, QStringLiteral("你还没有调用文档，请按“Word”按钮！"));
        QCOMPARE(d.fakes.messageBox.shown.first().title, QStringLiteral("Sorry"));

        QTRY_VERIFY(d.fakes.documents.requested.size() == 1);
        d.click("word");
        QTRY_COMPARE(d.pageText("OLE1"), QStringLiteral("第一段\n第二段\np3"));
        QCOMPARE(d.pageText("OLE2"), d.pageText("OLE1"));
        QCOMPARE(d.pagePoints("OLE1"), 28.0);
        // The source's formatting stays: the heading bold and centred.
        const QTextBlock heading = ole1->page()->begin();
        QCOMPARE(heading.blockFormat().alignment() & Qt::AlignHorizontal_Mask,
                 Qt::Alignment(Qt::AlignHCenter));
        QCOMPARE(heading.begin().fragment().charFormat().fontWeight(), int(QFont::Bold));
        // The page is painted: a white sheet with dark type on it.
        const QImage painted = ole1->grab().toImage();
        QCOMPARE(painted.pixelColor(3, 3), QColor(Qt::white));
        // The toolbar click left the keyboard with the document.
        QCOMPARE(QApplication::focusWidget(), ole1);

        QTest::keyClick(ole1, '.');
        QCOMPARE(d.pageText("OLE1"), QStringLiteral("p4\np5\np6\np7"));
        QTest::keyClick(ole1, '=');
        QCOMPARE(d.pageText("OLE1"), QStringLiteral("p4\np5\np6\np7"));
        QCOMPARE(d.pagePoints("OLE1"), 31.0);
        QCOMPARE(d.pagePoints("OLE2"), 31.0);
        QTest::keyClick(ole1, ',');
        QCOMPARE(d.pageText("OLE1"), QStringLiteral("第一段\n第二段\np3"));
        QTest::keyClick(ole1, '.');
        QTest::keyClick(ole1, '.');
        QCOMPARE(d.pageText("OLE1"), QStringLiteral("第一段\n第二段\np3"));

        // With the text pane showing, "=" is its key; "." still pages.
        d.desktop->inputBox()->setPlainText(QStringLiteral("x"));
        d.button("Input");
        auto *text = d.pane<TextPane>(PaneKind::Text);
        ole1->setFocus(Qt::MouseFocusReason);
        QTest::keyClick(ole1, '=');
        QCOMPARE(text->fontSize().points(), 30.0);
        QCOMPARE(d.pagePoints("OLE1"), 31.0);
        QTest::keyClick(ole1, '.');
        QCOMPARE(d.pageText("OLE1"), QStringLiteral("p4\np5\np6\np7"));
        QCOMPARE(d.fakes.messageBox.shown.size(), 1);
    }

    void wordPlacementGivesAHalfSizePane()
    {
        DocumentDesktop d;
        d.lessonDocument();
        d.show();
        Pane *ole2 = d.desktop->ole2();
        // No page yet: the item only moves and enables the container.
        d.item("WordInright");
        QCOMPARE(ole2->geometry(), (TwipsRect{7372.5f, 0, 7372.5f, 5332.5f}));
        QVERIFY(d.container("OLE2")->isEnabled());
        QVERIFY(!ole2->isVisible());

        d.button("word");
        QTRY_VERIFY(d.container("OLE2")->page());
        d.item("WordInleft");
        QCOMPARE(ole2->geometry(), (TwipsRect{0, 0, 7372.5f, 5332.5f}));
        QVERIFY(ole2->isVisible());
        // Placed over OLE1's white page, the pane's own page has an edge.
        const QImage placed = d.container("OLE2")->grab().toImage();
        for (const QPoint &edge : {QPoint(1, 1), QPoint(placed.width() - 2, placed.height() / 2)})
            QVERIFY(placed.pixelColor(edge).lightness() < 128);
        QCOMPARE(placed.pixelColor(DocumentContainer::kEdgeWidth + 2, DocumentContainer::kEdgeWidth + 2),
                 QColor(Qt::white));
        QCOMPARE(d.container("OLE1")->grab().toImage().pixelColor(1, 1), QColor(Qt::white));
        d.item("WordInButtom");
        QCOMPARE(ole2->geometry(), (TwipsRect{0, 5332.5f, 7372.5f, 5332.5f}));
        d.item("WordInmiddle");
        QCOMPARE(ole2->geometry(), (TwipsRect{3686.25f, 2666.25f, 7372.5f, 5332.5f}));
        // The square page is laid out narrower than the large one.
        QVERIFY(d.container("OLE2")->page()->textWidth() < d.container("OLE1")->page()->textWidth());
        QTest::mouseClick(d.container("OLE2"), Qt::LeftButton, {}, QPoint(20, 20));
        QCOMPARE(d.current(), QStringLiteral("Word"));
        d.desktop->menus().menu(QStringLiteral("WordLocation"))->close();

        // The whole document in a window of its own, at the pane's size; Esc closes it.
        d.item("WordFull");
        QPointer<WordFullWindow> full;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<WordFullWindow *>(window))
                full = found;
        QVERIFY(full && full->isVisible());
        QCOMPARE(full->text()->document()->blockCount(), 7);
        QCOMPARE(full->text()->document()->begin().begin().fragment().charFormat().fontPointSize(), 28.0);
        QTest::keyClick(full->text(), Qt::Key_Escape);
        QTRY_VERIFY(!full);
    }

    void aBrokenDocumentIsReportedAndThePageKept()
    {
        DocumentDesktop d;
        d.lessonDocument();
        d.show();
        d.button("word");
        QTRY_COMPARE(d.pageText("OLE1"), QStringLiteral("第一段\n第二段\np3"));

        // On a black desktop the notice still shows.
        d.fakes.choiceDialogs.nextColor = QColor(Qt::black);
        d.item("Backcolour");
        d.item("Backcolour");
        const QString broken = d.write(QStringLiteral("备课本/坏.doc"), "not a document");
        d.fakes.documents.refuse(broken, QStringLiteral("文件内容不是 Word 文档"));
        d.fakes.documents.hold = true;
        d.fakes.fileDialog.answer({broken});
        d.item("WordOpen");
        const OpenFileRequest &request = d.fakes.fileDialog.requests.first();
        QCOMPARE(request.filter,
                 QStringLiteral("文档文件(*.DOC)|*.doc|RichText文件(*.rtf)|*.rtf|文本文件(*.txt)|*.txt|"
                                "常用格式|*.docx;*.odt;*.wps;*.txt"));
        QCOMPARE(request.startFolder, d.context.book.lessonBook());
        QCOMPARE(d.state.LessonFields[slot::DocumentFile], broken);
        QVERIFY(d.desktop->windowTitle().endsWith(QString(19, QLatin1Char(' ')) + QStringLiteral("坏")));
        // While it opens the desktop waits visibly, without blocking.
        PaneNotice *busy = nullptr;
        for (PaneNotice *notice : d.desktop->findChildren<PaneNotice *>())
            if (notice->isVisible())
                busy = notice;
        QVERIFY(busy);
        QCOMPARE(busy->text(), QStringLiteral("正在打开…（最多 30 秒）"));
        const QImage shownNotice = busy->grab().toImage();
        QVERIFY(shownNotice.pixelColor(shownNotice.width() / 2, 3).lightness() > 200);
        QCOMPARE(d.container("OLE1")->cursor().shape(), Qt::BusyCursor);

        // The failure shows over the pane, not as a box to answer; a click
        // on it puts it away.
        d.fakes.documents.answerHeld();
        QCOMPARE(d.container("OLE1")->cursor().shape(), Qt::ArrowCursor);
        QVERIFY(busy->isVisible());
        QVERIFY(busy->text().contains(broken));
        QVERIFY(busy->text().contains(QStringLiteral("文件内容不是 Word 文档")));
        QCOMPARE(busy->cursor().shape(), Qt::ArrowCursor);
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);
        QCOMPARE(d.pageText("OLE1"), QStringLiteral("第一段\n第二段\np3"));
        QTest::mouseClick(busy, Qt::LeftButton);
        QVERIFY(!busy->isVisible());

        // Leaving the desktop closes the document and releases the converter.
        d.fakes.messageBox.answer(MessageBox::Answer::Yes);
        d.button("Exit");
        QCOMPARE(d.fakes.documents.releases, 1);
    }

    // A deck plays as its show, which the presenter's keys step wherever the
    // keyboard is; a deck whose show cannot be made, or cannot be played,
    // shows its pages instead, without a word to the teacher.
    void decksPlayTheirShowsOrFallBackToTheirPages()
    {
        DocumentDesktop d;
        const QString a = d.write(QStringLiteral("备课本/a.ppt"));
        const QString b = d.write(QStringLiteral("备课本/b.ppt"));
        const QString aShow = d.write(QStringLiteral("converted/a.svg"));
        const QString aPdf = d.write(QStringLiteral("converted/a.pdf"));
        const QString bPdf = d.write(QStringLiteral("converted/b.pdf"));
        writeDeck(aPdf, {Qt::red});
        writeDeck(bPdf, {Qt::yellow});
        d.fakes.documents.provide(a, ConvertedDocument::Format::Show, aShow);
        d.fakes.documents.provide(a, ConvertedDocument::Format::Pdf, aPdf);
        d.fakes.documents.provide(b, ConvertedDocument::Format::Pdf, bPdf);
        d.fakes.documents.refuse(b, QStringLiteral("LibreOffice 未能转换该文件"));
        d.state.LessonFields[slot::DeckFiles] = QStringLiteral("a.ppt b.ppt ");
        d.show();
        auto *deck = d.pane<DeckPane>(PaneKind::Deck);
        DeckView *view = deck->WebBrowser1();
        const QPoint centre = view->rect().center();

        d.click("ppt");
        QTRY_VERIFY(deck->player());
        auto *show = static_cast<FakeDeckPlayer *>(deck->player());
        QTRY_COMPARE(show->show(), aShow);
        QVERIFY(show->widget()->isVisible());
        QCOMPARE(show->widget()->geometry(), view->rect());
        QCOMPARE(d.current(), QStringLiteral("Ppt"));
        QTest::keyClick(show->widget(), Qt::Key_PageDown);
        QTest::keyClick(show->widget(), Qt::Key_PageUp);
        QCOMPARE(show->steps, (QList<int>{1, -1}));

        d.click("ppt");
        QVERIFY(show->show().isEmpty());
        d.click("ppt");
        QTRY_COMPARE(view->slideCount(), 1);
        QVERIFY(!show->widget()->isVisible());
        QCOMPARE(view->grab().toImage().pixelColor(centre), QColor(Qt::yellow));
        QCOMPARE(d.fakes.documents.pages, QStringList{b});
        QVERIFY(!d.desktop->findChild<PaneNotice *>()->isVisible());

        show->refusal = QStringLiteral("幻灯片放映无法启动");
        d.click("ppt");
        d.click("ppt");
        QTRY_COMPARE(view->slideCount(), 1);
        QCOMPARE(view->grab().toImage().pixelColor(centre), QColor(Qt::red));
        QVERIFY(!show->widget()->isVisible());
        QCOMPARE(d.fakes.documents.pages, (QStringList{b, a}));
    }

    void pptTogglesThroughTheLessonsDecks()
    {
        DocumentDesktop d;
        const QString a = d.write(QStringLiteral("备课本/a.ppt"));
        const QString b = d.write(QStringLiteral("备课本/b.ppt"));
        const QString aPdf = d.write(QStringLiteral("converted/a.pdf"));
        const QString bPdf = d.write(QStringLiteral("converted/b.pdf"));
        writeDeck(aPdf, {Qt::red, Qt::green, Qt::blue});
        writeDeck(bPdf, {Qt::yellow});
        d.fakes.documents.provide(a, ConvertedDocument::Format::Pdf, aPdf);
        d.fakes.documents.provide(b, ConvertedDocument::Format::Pdf, bPdf);
        d.state.LessonFields[slot::DeckFiles] = QStringLiteral("a.ppt b.ppt ");
        d.show();
        // Both decks start converting at start-up.
        QCOMPARE(d.fakes.documents.requested, (QStringList{a, b}));
        auto *deck = d.pane<DeckPane>(PaneKind::Deck);
        DeckView *view = deck->WebBrowser1();
        QAction *button = d.desktop->toolbar()->button(QStringLiteral("ppt"));

        // A hidden deck pane is never moved.
        d.item("PPtInLeft");
        QVERIFY(!deck->isVisible());

        d.click("ppt");
        QCOMPARE(button->text(), QStringLiteral("停止"));
        QVERIFY(deck->isVisible());
        QCOMPARE(deck->geometry(), (TwipsRect{0, 0, 7372.5f, 5332.5f}));
        QTRY_COMPARE(view->slideCount(), 3);
        // A deck shown makes the pane the current one, in front of the others.
        QCOMPARE(d.current(), QStringLiteral("Ppt"));
        QCOMPARE(d.desktop->workArea()->children().last(), view);
        const QPoint centre = view->rect().center();
        QCOMPARE(view->grab().toImage().pixelColor(centre), QColor(Qt::red));
        // The next slide is ready before it is asked for.
        QTRY_VERIFY(view->isRendered(1));
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(view->grab().toImage().pixelColor(centre), QColor(Qt::green));
        QTest::mouseClick(view, Qt::LeftButton);
        QTest::keyClick(view, Qt::Key_Space);
        QCOMPARE(view->slide(), 2);
        QTest::keyClick(view, Qt::Key_Up);
        QCOMPARE(view->slide(), 1);

        d.click("ppt");
        QCOMPARE(button->text(), QStringLiteral("播放"));
        QVERIFY(!deck->isVisible());
        QCOMPARE(view->slideCount(), 0);
        d.click("ppt");
        QTRY_COMPARE(view->slideCount(), 1);
        QCOMPARE(view->grab().toImage().pixelColor(centre), QColor(Qt::yellow));
        d.click("ppt");
        QVERIFY(!deck->isVisible());
        d.click("ppt");
        QTRY_COMPARE(view->slideCount(), 3);
        QCOMPARE(d.fakes.fileDialog.requests.size(), 0);
    }

    // A Word file with a picture and a table of five rows (written by
    // python-docx, converted by LibreOffice): the picture shows, grown with the
    // type and within the page, and the table comes whole on one page.
    void wordPagesShowPicturesAndWholeTables()
    {
        DocumentDesktop d;
        const QString doc = d.write(QStringLiteral("备课本/课/图表.docx"), "PK\x03\x04word/");
        d.fakes.documents.provide(doc, ConvertedDocument::Format::Html,
                                  officefixtures::fixture("pictures-table/pictures-table.html"));
        d.state.LessonFields[slot::DocumentFile] = QStringLiteral("课\\图表.docx");
        d.show();
        d.click("word");
        DocumentContainer *ole1 = d.container("OLE1");
        QTRY_VERIFY(ole1->page());
        // The picture: blue with a yellow square, 227 by 151 pixels at 12 points.
        const QImage page = ole1->grab().toImage();
        QRect blue;
        int yellow = 0;
        for (int y = 0; y < page.height(); ++y) {
            for (int x = 0; x < page.width(); ++x) {
                const QColor c = page.pixelColor(x, y);
                if (qAbs(c.red() - 0x10) < 8 && qAbs(c.green() - 0x60) < 8 && qAbs(c.blue() - 0xd0) < 8)
                    blue |= QRect(x, y, 1, 1);
                yellow += c.red() > 220 && c.green() > 170 && c.blue() < 40;
            }
        }
        QVERIFY2(blue.width() > 227 * 2 && blue.width() <= ole1->width(),
                 qPrintable(QString::number(blue.width())));
        QCOMPARE(blue.width() * 151 / 227, blue.height());
        QVERIFY(yellow > 1000);

        const auto tablesOnPage = [ole1] {
            QList<QTextTable *> tables;
            for (QTextFrame *frame : ole1->page()->rootFrame()->childFrames())
                if (auto *table = qobject_cast<QTextTable *>(frame))
                    tables.append(table);
            return tables;
        };
        QVERIFY(tablesOnPage().isEmpty());
        QTest::keyClick(ole1, '.');
        const QList<QTextTable *> tables = tablesOnPage();
        QCOMPARE(tables.size(), 1);
        QCOMPARE(tables.first()->rows(), 5);
        QCOMPARE(tables.first()->columns(), 3);
        QVERIFY(d.pageText("OLE1").contains(QStringLiteral("行5列3")));
        // At twice the size it is too long for the column: it is shown smaller, whole.
        QCOMPARE(ole1->scale(), 1.0);
        for (int i = 0; i < 10; ++i)
            QTest::keyClick(ole1, '=');
        QCOMPARE(tablesOnPage().size(), 1);
        QVERIFY(ole1->scale() < 1.0);
        QVERIFY(ole1->page()->size().height() * ole1->scale() <= ole1->height());
        QTest::keyClick(ole1, '.');
        QVERIFY(tablesOnPage().isEmpty());
        QVERIFY(!d.pageText("OLE1").contains(QStringLiteral("行")));
        QVERIFY(d.pageText("OLE1").contains(QStringLiteral("最后一段")));
    }

    // A converted document shows the pictures its conversion wrote beside it,
    // and no file elsewhere, whatever it names.
    void pagesDrawPicturesFromTheirOwnFolderOnly()
    {
        QTemporaryDir dir;
        QDir().mkpath(dir.filePath(QStringLiteral("converted")));
        QImage picture(4, 4, QImage::Format_RGB32);
        picture.fill(Qt::red);
        QVERIFY(picture.save(dir.filePath(QStringLiteral("converted/in.png"))));
        const QString outside = dir.filePath(QStringLiteral("out.png"));
        QVERIFY(picture.save(outside));
        const QString html = dir.filePath(QStringLiteral("converted/document.html"));
        QFile file(html);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(("<p><img src=\"in.png\"><img src=\"../out.png\"><img src=\"" +
                    QUrl::fromLocalFile(outside).toString() + "\"></p>")
                       .toUtf8());
        file.close();
        QString problem;
        const auto word = WordDocument::load({html, html, ConvertedDocument::Format::Html}, &problem);
        QVERIFY2(word, qPrintable(problem));
        for (const std::unique_ptr<QTextDocument> &page : {word->copyRange(1, 1, 28), word->copyAll(28)}) {
            const auto shown = [&page](const QUrl &name) {
                return page->resource(QTextDocument::ImageResource, name).value<QImage>();
            };
            QCOMPARE(shown(QUrl(QStringLiteral("in.png"))).pixelColor(1, 1), QColor(Qt::red));
            QVERIFY(shown(QUrl(QStringLiteral("../out.png"))).isNull());
            QVERIFY(shown(QUrl::fromLocalFile(outside)).isNull());
        }
    }

    // A PDF a word processor exported paints no page background: it shows on
    // white paper, not black. A page the file cannot render gets a notice.
    void pdfPagesShowOnPaperAndAnUnrenderablePageIsTold()
    {
        DocumentDesktop d;
        const QString exam =
            d.install(officefixtures::fixture("exam-writer.pdf"), QStringLiteral("备课本/卷.pdf"));
        const QString broken =
            d.install(officefixtures::fixture("second-page-missing.pdf"), QStringLiteral("备课本/坏.pdf"));
        d.fakes.documents.provide(exam, ConvertedDocument::Format::Pdf, exam);
        d.fakes.documents.provide(broken, ConvertedDocument::Format::Pdf, broken);
        d.state.LessonFields[slot::DeckFiles] = QStringLiteral("卷.pdf 坏.pdf ");
        d.show();
        DeckView *view = d.pane<DeckPane>(PaneKind::Deck)->WebBrowser1();
        d.click("ppt");
        QTRY_COMPARE(view->slideCount(), 1);
        // An A4 page, upright in a landscape pane: its margins are paper, its
        // lines of text dark, the pane beside it black.
        const QImage shown = view->grab().toImage();
        const int middle = shown.width() / 2;
        QCOMPARE(shown.pixelColor(middle, shown.height() - 3), QColor(Qt::white));
        QCOMPARE(shown.pixelColor(2, shown.height() / 2), QColor(Qt::black));
        int dark = 0;
        for (int y = 0; y < shown.height() / 3; ++y)
            for (int x = middle - shown.height() / 3; x < middle + shown.height() / 3; ++x)
                dark += shown.pixelColor(x, y).lightness() < 100;
        QVERIFY2(dark > 20, qPrintable(QString::number(dark)));

        d.click("ppt");
        d.click("ppt");
        QTRY_COMPARE(view->slideCount(), 2);
        QTest::keyClick(view, Qt::Key_PageDown);
        QCOMPARE(view->slide(), 1);
        PaneNotice *told = nullptr;
        QTRY_VERIFY([&] {
            for (PaneNotice *notice : d.desktop->findChildren<PaneNotice *>())
                if (notice->isVisible())
                    told = notice;
            return told != nullptr;
        }());
        QCOMPARE(told->text(), QStringLiteral("幻灯片无法显示：第 2 页无法显示"));
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);
    }

    // The decks and the rich texts among the text files (by content, whatever
    // their names) convert in the background from start-up, showing nothing;
    // the one the teacher asks for goes ahead of them, and leaving stops them
    // all, also in a lesson without a Word document.
    void backgroundConversionsGiveWayAndStopOnLeaving()
    {
        DocumentDesktop d;
        const QString a = d.write(QStringLiteral("备课本/a.ppt"));
        const QString b = d.write(QStringLiteral("备课本/b.ppt"));
        d.write(QStringLiteral("备课本/plain.txt"), "{ not rich");
        const QString rich = d.write(QStringLiteral("备课本/Rich.TXT"), "{\\rtf1 rich}");
        d.state.LessonFields[slot::DeckFiles] = QStringLiteral("a.ppt b.ppt ");
        d.state.LessonFields[slot::TextFiles] = QStringLiteral("plain.txt missing.rtf rich.txt ");
        d.fakes.documents.hold = true;
        d.show();
        QCOMPARE(d.fakes.documents.requested, (QStringList{rich, a, b}));
        QVERIFY(d.fakes.documents.urgent.isEmpty());
        d.fakes.documents.answerHeld();
        QTest::qWait(50);
        QVERIFY(!d.pane<TextPane>(PaneKind::Text)->isVisible());
        d.click("ppt");
        QCOMPARE(d.fakes.documents.urgent, QStringList{a});

        d.fakes.messageBox.answer(MessageBox::Answer::Yes);
        d.click("Exit");
        QCOMPARE(d.fakes.documents.releases, 1);
    }

    // A Word 2007 document named ".doc", as Word itself saves and opens it.
    void wordFullOpensAtThePageOnScreenAndFollowsNoLink()
    {
        DocumentDesktop d;
        d.install(officefixtures::fixture("word2007.doc"), QStringLiteral("备课本/课/集合.doc"));
        d.state.LessonFields[slot::DocumentFile] = QStringLiteral("课\\集合.doc");
        officefixtures::RealConverter office;
        d.context.platform.documents = &office.converter;
        d.show();
        d.click("word");
        DocumentContainer *ole1 = d.container("OLE1");
        QTRY_VERIFY_WITH_TIMEOUT(ole1->page() || !d.fakes.messageBox.shown.isEmpty(),
                                 officefixtures::kConversionWait);
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);
        QVERIFY(d.pageText("OLE1").startsWith(QStringLiteral("第1段")));
        QTest::keyClick(ole1, '.');
        QTest::keyClick(ole1, '.');
        QVERIFY(d.pageText("OLE1").startsWith(QStringLiteral("第7段")));
        QCOMPARE(d.fakes.messageBox.shown.size(), 0);

        d.item("WordFull");
        QPointer<WordFullWindow> full;
        for (QWidget *window : QApplication::topLevelWidgets())
            if (auto *found = qobject_cast<WordFullWindow *>(window))
                full = found;
        QVERIFY(full && full->isVisible());
        QTextBrowser *text = full->text();
        QCOMPARE(text->document()->blockCount(), 30);
        const auto topParagraph = [text] { return text->cursorForPosition(QPoint(4, 4)).blockNumber() + 1; };
        QCOMPARE(topParagraph(), 7);

        // A click on the link in paragraph 8 leaves the document where it is.
        const QTextBlock linked = text->document()->findBlockByNumber(7);
        QTextCursor onLink(linked);
        onLink.setPosition(linked.position() + linked.text().indexOf(QStringLiteral("资料")) + 1);
        QVERIFY(onLink.charFormat().isAnchor());
        const QPoint link = text->cursorRect(onLink).center();
        QTest::mouseClick(text->viewport(), Qt::LeftButton, {}, link);
        QCoreApplication::processEvents();
        QCOMPARE(text->document()->blockCount(), 30);
        QVERIFY(text->toPlainText().startsWith(QStringLiteral("第1段")));
        QCOMPARE(topParagraph(), 7);
        full->close();
    }

    void pptWithoutDecksAsksForOne()
    {
        DocumentDesktop d;
        d.show();
        d.fakes.fileDialog.answerCancel();
        d.click("ppt");
        QCOMPARE(d.fakes.fileDialog.requests.first().filter,
                 QStringLiteral("PowerPoint演示文稿|*.ppt|常用格式|*.pptx;*.ppsx;*.odp;*.dps;*.pdf"));
        QCOMPARE(d.desktop->toolbar()->button(QStringLiteral("ppt"))->text(), QStringLiteral("播放"));
        QVERIFY(!d.pane<DeckPane>(PaneKind::Deck)->isVisible());
    }
};

QTEST_MAIN(DocumentPanesTest)
#include "tst_documentpanes.moc"
