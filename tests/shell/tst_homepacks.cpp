#include "lesson/configfile.h"
#include "shell/homescreen.h"
#include "support/testcontext.h"

#include <QAction>
#include <QMenu>
#include <QProgressDialog>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

namespace {

// Stands in for the cover page, so that the way on can be observed.
class MarkerScreen : public QWidget
{
};

// A teacher's choice from the home screen's pop-up menu: a right click, then a
// click on the item.
void choose(HomeScreen *home, const char *item)
{
    QTest::mouseRelease(home, Qt::RightButton, {}, QPoint(5, 5));
    QMenu *menu = home->fileMenu();
    QVERIFY(menu->isVisible());
    QAction *action = home->findChild<QAction *>(QLatin1String(item));
    QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(action).center());
    menu->hide();
}

HomeScreen *homeOf(TestContext &t)
{
    t.writeSettings({QString(), QStringLiteral("高中数学"), QString()});
    t.flow.registerScreen(ScreenId::Cover, [] { return new MarkerScreen; });
    return qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
}

} // namespace

class HomePacksTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_outside;

    // A lesson here: a document and a picture in the lesson book, a background elsewhere.
    QString writeLesson(TestContext &t)
    {
        t.write(QStringLiteral("备课本/高中/讲义.doc"), "doc");
        t.write(QStringLiteral("备课本/图/p.jpg"), "picture");
        QFile background(m_outside.filePath(QStringLiteral("背景.jpg")));
        background.open(QIODevice::WriteOnly);
        background.write("background");
        background.close();
        LessonRecord fields;
        fields[slot::ChapterTitle] = QStringLiteral("第一章");
        fields[slot::LessonTitle] = QStringLiteral("集合");
        fields[slot::DocumentFile] = QStringLiteral("高中\\讲义.doc");
        fields[slot::PictureFiles] = QStringLiteral("备课本\\图\\p.jpg 备课本\\图\\缺.jpg ");
        fields[slot::Picture1] = background.fileName();
        QByteArray bytes;
        configfile::encodeLineFile(fields, &bytes);
        return t.write(QStringLiteral("备课本/配置区/第一章/集合.spz"), bytes);
    }

private slots:
    // Packed on one computer, imported on another: one left click later the cover shows.
    void packedOnOneComputerImportedOnAnother()
    {
        TestContext here;
        HomeScreen *home = homeOf(here);
        const QString lesson = writeLesson(here);
        const QString zipPath = m_outside.filePath(QStringLiteral("集合.zip"));
        QVERIFY(!home->findChild<QAction *>(QStringLiteral("MyPack"))->isEnabled());
        here.fakes.fileDialog.answer({lesson});
        choose(home, "MyFileOpen");
        here.fakes.fileDialog.answer({zipPath});
        here.fakes.messageBox.answer(MessageBox::Answer::Ok);
        choose(home, "MyPack");
        // The background from outside the program and documents folders is named before writing.
        const QString outside = here.fakes.messageBox.shown.first().text;
        QVERIFY2(outside.contains(m_outside.filePath(QStringLiteral("背景.jpg"))), qPrintable(outside));
        const OpenFileRequest asked = here.fakes.fileDialog.requests.last();
        QVERIFY(asked.save);
        QCOMPARE(asked.fileName, QStringLiteral("集合.zip"));
        QVERIFY(QFileInfo::exists(zipPath));
        const QString packed = here.fakes.messageBox.shown.last().text;
        QVERIFY2(packed.contains(QStringLiteral("3 个文件")) && packed.contains(QStringLiteral("缺.jpg")),
                 qPrintable(packed));

        TestContext there;
        HomeScreen *other = homeOf(there);
        there.fakes.fileDialog.answer({zipPath});
        there.fakes.messageBox.answer(MessageBox::Answer::Ok);
        choose(other, "MyImport");
        const QString asking = there.fakes.messageBox.shown.first().text;
        QVERIFY2(asking.contains(QStringLiteral("备课本/配置区/第一章/集合.spz")) &&
                     asking.contains(QStringLiteral("3 个")),
                 qPrintable(asking));
        const QString unpacked = there.programFolder() + QStringLiteral("/备课本/配置区/第一章/集合.spz");
        QCOMPARE(there.state.ConfigPath, unpacked);
        QVERIFY(QFileInfo::exists(there.programFolder() + QStringLiteral("/备课本/集合-附件/背景.jpg")));

        QTest::mouseRelease(other, Qt::LeftButton, {}, QPoint(5, 5));
        QVERIFY(there.flow.isLoaded(ScreenId::Cover));
    }

    // A file that differs here is named before anything is written; cancelling writes nothing.
    void differingFilesAreNamedAndCancelWritesNothing()
    {
        TestContext here;
        HomeScreen *home = homeOf(here);
        here.fakes.fileDialog.answer({writeLesson(here)});
        choose(home, "MyFileOpen");
        const QString zipPath = m_outside.filePath(QStringLiteral("第二.zip"));
        here.fakes.fileDialog.answer({zipPath});
        here.fakes.messageBox.answer(MessageBox::Answer::Ok);
        choose(home, "MyPack");

        TestContext there;
        HomeScreen *other = homeOf(there);
        const QString own = there.write(QStringLiteral("备课本/图/p.jpg"), "teacher's own");
        there.fakes.fileDialog.answer({zipPath});
        there.fakes.messageBox.answer(MessageBox::Answer::Cancel);
        choose(other, "MyImport");
        const FakeMessageBox::Shown asked = there.fakes.messageBox.shown.first();
        QCOMPARE(asked.buttons, MessageBox::Buttons::YesNoCancel);
        QVERIFY2(asked.text.contains(QStringLiteral("备课本/图/p.jpg")), qPrintable(asked.text));
        QCOMPARE(there.fakes.messageBox.shown.size(), 1);
        QVERIFY(!QFileInfo::exists(there.programFolder() + QStringLiteral("/备课本/配置区")));
        QFile kept(own);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("teacher's own"));
        QVERIFY(there.state.ConfigPath.isEmpty());
    }

    // Packing runs beside the window with a progress bar; "取消" on it leaves no pack.
    void packingShowsProgressAndCancelLeavesNothing()
    {
        TestContext here;
        HomeScreen *home = homeOf(here);
        QFile video(here.write(QStringLiteral("备课本/视频/课.mp4"), "video"));
        QVERIFY(video.resize(qint64(64) << 20));
        LessonRecord fields;
        fields[slot::LessonTitle] = QStringLiteral("视频课");
        fields[slot::MediaFiles] = QStringLiteral("备课本\\视频\\课.mp4 ");
        QByteArray bytes;
        configfile::encodeLineFile(fields, &bytes);
        here.fakes.fileDialog.answer({here.write(QStringLiteral("备课本/配置区/视频课.spz"), bytes)});
        choose(home, "MyFileOpen");
        const QString zipPath = m_outside.filePath(QStringLiteral("视频课.zip"));
        here.fakes.fileDialog.answer({zipPath});
        bool shown = false;
        QTimer::singleShot(0, [home, &shown] {
            auto *progress = home->findChild<QProgressDialog *>(QStringLiteral("packProgress"));
            shown = progress && progress->isVisible();
            if (shown)
                QTest::mouseClick(progress->findChild<QPushButton *>(), Qt::LeftButton);
        });
        choose(home, "MyPack");
        QVERIFY(shown);
        const QString told = here.fakes.messageBox.shown.last().text;
        QVERIFY2(told.contains(QStringLiteral("已取消")), qPrintable(told));
        QVERIFY(!QFileInfo::exists(zipPath));
        QCOMPARE(
            QDir(m_outside.path()).entryList(QDir::Files | QDir::Hidden).filter(QStringLiteral("视频课")),
            QStringList());
    }
};

QTEST_MAIN(HomePacksTest)
#include "tst_homepacks.moc"
