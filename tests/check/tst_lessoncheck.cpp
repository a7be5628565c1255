// The lesson check in the program: the background run through the (fake) media
// back end, the home screen's "检查课件" and mending a missing name in its window.

#include "check/lessonchecker.h"
#include "check/lessoncheckwindow.h"
#include "platform/documentconverter.h"
#include "shell/homescreen.h"
#include "support/filebytes.h"
#include "support/testcontext.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QSignalSpy>
#include <QTreeWidget>
#include <QtTest>

namespace {

constexpr int kWatchdogMs = 20000;

// A lesson with a text that moved to another folder, a picture, a clip the
// back end refuses and a Flash movie that is no Flash movie.
QString writeLesson(TestContext &t, QStringList *lines = nullptr)
{
    t.write(QStringLiteral("备课本/旧课/讲义.txt"), "text");
    t.write(QStringLiteral("备课本/图/a.jpg"), "jpeg");
    // An MP4 by its first box, whose streams the back end cannot play.
    t.write(QStringLiteral("set/clip.mp4"), QByteArray("\0\0\0\x18"
                                                       "ftypmp42broken",
                                                       18));
    t.write(QStringLiteral("备课本/game.swf"), "<html>");
    QStringList content(15);
    content[1] = QStringLiteral("集合");
    content[4] = QStringLiteral("讲义.txt ");
    content[6] = QStringLiteral("game.swf ");
    content[7] = QStringLiteral("set\\clip.mp4 ");
    content[8] = QStringLiteral("备课本\\图\\a.jpg ");
    if (lines)
        *lines = content;
    return t.write(QStringLiteral("备课本/配置区/集合.spz"), filebytes::gbkLines(content));
}

} // namespace

class TestLessonCheck : public QObject
{
    Q_OBJECT
private slots:
    void everyMediumIsFoundMissingOrUnplayable();
    void aDeckWithoutItsShowPlaysAsPages();
    void aPdfDeckIsJudgedByItsPages();
    void homeMenuOffersTheCheckOnceALessonIsChosen();
    void aFileOfTheSameNameTakesTheMissingOnesPlaceAfterConfirmation();
};

void TestLessonCheck::everyMediumIsFoundMissingOrUnplayable()
{
    TestContext t;
    QStringList lines;
    const QString lesson = writeLesson(t, &lines);
    // A document and a rich text the converter takes, and a deck it refuses.
    const QString document = t.write(QStringLiteral("备课本/讲.doc"), "doc");
    const QString richText = t.write(QStringLiteral("备课本/笔记.txt"), "{\\rtf1 x}");
    const QString deck = t.write(QStringLiteral("备课本/a.ppt"), "ppt");
    lines[3] = QStringLiteral("讲.doc");
    lines[4] = QStringLiteral("讲义.txt 笔记.txt ");
    lines[5] = QStringLiteral("a.ppt ");
    t.write(QStringLiteral("备课本/配置区/集合.spz"), filebytes::gbkLines(lines));
    t.fakes.documents.provide(document, ConvertedDocument::Format::Html, document);
    t.fakes.documents.provide(richText, ConvertedDocument::Format::Html, richText);
    t.fakes.documents.refuse(deck, QStringLiteral("文件内容不是 PowerPoint 演示文稿"));
    t.fakes.mediaProbe.refuse(QStringLiteral("clip.mp4"), QStringLiteral("无法播放"));
    LessonChecker checker(t.context.book, t.fakes.mediaProbe, t.fakes.documents);
    QSignalSpy finished(&checker, &LessonChecker::finished);
    QString error;
    t.fakes.documents.hold = true;
    QVERIFY(checker.start(lesson, &error));
    QTRY_COMPARE_WITH_TIMEOUT(t.fakes.documents.requested.size(), 1, kWatchdogMs);
    // A document the desktop asked for does not settle the one being checked.
    emit t.fakes.documents.opened(ConvertedDocument{deck, deck, ConvertedDocument::Format::Pdf});
    QCOMPARE(checker.items()[0].status, CheckItem::Status::Pending);
    t.fakes.documents.hold = false;
    t.fakes.documents.answerHeld();
    QVERIFY(finished.wait(kWatchdogMs));

    const QList<CheckItem> &items = checker.items();
    QCOMPARE(items.size(), 7);
    QCOMPARE(items[0].status, CheckItem::Status::Found);   // 讲.doc, converted
    QCOMPARE(items[1].status, CheckItem::Status::Missing); // 讲义.txt
    QCOMPARE(items[1].candidates,
             QStringList({t.programDir.filePath(QStringLiteral("备课本/旧课/讲义.txt"))}));
    QCOMPARE(items[2].status, CheckItem::Status::Found);      // 笔记.txt, a rich text converted
    QCOMPARE(items[3].status, CheckItem::Status::Unplayable); // a.ppt, refused by the converter
    QCOMPARE(items[3].reason, QStringLiteral("文件内容不是 PowerPoint 演示文稿"));
    QCOMPARE(items[4].status, CheckItem::Status::Unplayable); // game.swf, by its content
    QCOMPARE(items[5].status, CheckItem::Status::Unplayable); // clip.mp4, by the back end
    QCOMPARE(items[5].reason, QStringLiteral("无法播放"));
    QCOMPARE(items[6].status, CheckItem::Status::Found); // a.jpg
    // Only what exists and passed its content check reaches a back end; plain
    // texts need none.
    QCOMPARE(t.fakes.mediaProbe.probed.size(), 2);
    // The deck refused as a show is tried as still pages, as the deck pane does.
    QCOMPARE(t.fakes.documents.requested, QStringList({document, richText, deck, deck}));
    QCOMPARE(t.fakes.documents.pages, QStringList({deck}));

    QVERIFY(!checker.start(t.write(QStringLiteral("x.doc"), "x"), &error));
    QVERIFY(error.contains(QStringLiteral("不是课件文件")));
}

// The check's items for a lesson of just these decks (field 5), once it has finished.
QList<CheckItem> checkDecks(TestContext &t, const QString &decks)
{
    QStringList lines(15);
    lines[5] = decks;
    const QString lesson = t.write(QStringLiteral("备课本/配置区/decks.spz"), filebytes::gbkLines(lines));
    LessonChecker checker(t.context.book, t.fakes.mediaProbe, t.fakes.documents);
    QSignalSpy finished(&checker, &LessonChecker::finished);
    QString error;
    if (!checker.start(lesson, &error) || !finished.wait(kWatchdogMs))
        return {};
    return checker.items();
}

// A deck whose show cannot be made plays as its still pages in class: found,
// and the report says so.
void TestLessonCheck::aDeckWithoutItsShowPlaysAsPages()
{
    TestContext t;
    const QString deck = t.write(QStringLiteral("备课本/b.pptx"), "pptx");
    const QString exam = t.install(QStringLiteral(VELTANO_TEST_DATA "/documents/exam-writer.pdf"),
                                   QStringLiteral("备课本/b.pdf"));
    t.fakes.documents.refuse(deck, QStringLiteral("转换超时"));
    t.fakes.documents.provide(deck, ConvertedDocument::Format::Pdf, exam);
    const QList<CheckItem> items = checkDecks(t, QStringLiteral("b.pptx "));
    QCOMPARE(items.size(), 1);
    QCOMPARE(items[0].status, CheckItem::Status::Found);
    QVERIFY2(items[0].reason.contains(QStringLiteral("静态页面")) &&
                 items[0].reason.contains(QStringLiteral("转换超时")),
             qPrintable(items[0].reason));
}

// A PDF is shown as it is: a page the deck pane cannot render makes it unplayable.
void TestLessonCheck::aPdfDeckIsJudgedByItsPages()
{
    TestContext t;
    const QString exam = t.install(QStringLiteral(VELTANO_TEST_DATA "/documents/exam-writer.pdf"),
                                   QStringLiteral("备课本/卷.pdf"));
    const QString broken = t.install(QStringLiteral(VELTANO_TEST_DATA "/documents/second-page-missing.pdf"),
                                     QStringLiteral("备课本/坏.pdf"));
    t.fakes.documents.provide(exam, ConvertedDocument::Format::Pdf, exam);
    t.fakes.documents.provide(broken, ConvertedDocument::Format::Pdf, broken);
    const QList<CheckItem> items = checkDecks(t, QStringLiteral("卷.pdf 坏.pdf "));
    QCOMPARE(items.size(), 2);
    QCOMPARE(items[0].status, CheckItem::Status::Found);
    QCOMPARE(items[1].status, CheckItem::Status::Unplayable);
    QCOMPARE(items[1].reason, QStringLiteral("第 2 页无法显示"));
}

void TestLessonCheck::homeMenuOffersTheCheckOnceALessonIsChosen()
{
    TestContext t;
    t.writeSettings({QStringLiteral("一中"), QStringLiteral("高中数学"), QStringLiteral("李明")});
    const QString lesson = writeLesson(t);
    auto *home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
    QVERIFY(home);
    const QList<QAction *> items = home->fileMenu()->actions();
    QCOMPARE(items.at(0)->objectName(), QStringLiteral("MyFileOpen"));
    QCOMPARE(items.at(1)->objectName(), QStringLiteral("MyCheck"));
    QCOMPARE(items.at(1)->text(), QStringLiteral("检查课件"));
    QCOMPARE(items.at(2)->objectName(), QStringLiteral("MyPack"));
    QCOMPARE(items.at(3)->objectName(), QStringLiteral("MyImport"));
    QCOMPARE(items.at(4)->objectName(), QStringLiteral("clin"));
    QVERIFY(!items.at(1)->isEnabled());

    t.fakes.fileDialog.answer({lesson});
    home->MyFileOpen_Click();
    QVERIFY(items.at(1)->isEnabled());
    items.at(1)->trigger();
    auto *window = home->findChild<LessonCheckWindow *>(QStringLiteral("frmCheck"));
    QVERIFY(window && window->isVisible());
    QCOMPARE(window->list()->topLevelItemCount(), 4);
    QTRY_VERIFY_WITH_TIMEOUT(window->checker().isFinished(), kWatchdogMs);
    QCOMPARE(window->list()->topLevelItem(3)->text(0), QStringLiteral("找到"));
    // The lesson is still the one chosen: a left click goes on to the cover page.
    QCOMPARE(t.state.ConfigPath, lesson);
}

void TestLessonCheck::aFileOfTheSameNameTakesTheMissingOnesPlaceAfterConfirmation()
{
    TestContext t;
    QStringList lines;
    const QString lesson = writeLesson(t, &lines);
    const QByteArray before = filebytes::readAll(lesson);
    LessonCheckWindow window(t.context, lesson);
    window.show();
    QTRY_VERIFY_WITH_TIMEOUT(window.checker().isFinished(), kWatchdogMs);
    QTreeWidgetItem *missing = window.list()->topLevelItem(0);
    QCOMPARE(missing->text(0), QStringLiteral("缺少"));
    QCOMPARE(missing->childCount(), 1);
    auto *use = window.findChild<QPushButton *>(QStringLiteral("UseCandidate"));
    QVERIFY(!use->isEnabled());
    window.list()->setCurrentItem(missing->child(0));
    QVERIFY(use->isEnabled());

    t.fakes.messageBox.answer(MessageBox::Answer::No);
    QTest::mouseClick(use, Qt::LeftButton);
    QCOMPARE(filebytes::readAll(lesson), before);
    const QString question = t.fakes.messageBox.shown.last().text;
    QVERIFY(question.contains(QStringLiteral("第 5 行（文本文件名）")));
    QVERIFY(question.contains(QStringLiteral("讲义.txt")));
    QVERIFY(question.contains(QStringLiteral("旧课\\讲义.txt")));

    t.fakes.messageBox.answer(MessageBox::Answer::Yes);
    window.list()->setCurrentItem(missing->child(0));
    QTest::mouseClick(use, Qt::LeftButton);
    lines[4] = QStringLiteral("旧课\\讲义.txt ");
    QCOMPARE(filebytes::readAll(lesson), filebytes::gbkLines(lines));
    QTRY_COMPARE_WITH_TIMEOUT(window.list()->topLevelItem(0)->text(0), QStringLiteral("找到"), kWatchdogMs);
    QCOMPARE(window.list()->topLevelItem(0)->text(2), QStringLiteral("旧课\\讲义.txt"));
}

QTEST_MAIN(TestLessonCheck)
#include "tst_lessoncheck.moc"
