#include "cover/coverpage.h"
#include "lesson/configfile.h"
#include "lesson/recordtexts.h"
#include "shell/homescreen.h"
#include "support/testcontext.h"

#include <QAction>
#include <QImage>
#include <QLabel>
#include <QMenu>
#include <QtTest>

namespace {

const QString kWindowsSpz = QStringLiteral(VELTANO_TEST_DATA "/windows/集合的含义.spz");
const QString kWindowsGsx = QStringLiteral(VELTANO_TEST_DATA "/windows/集合的表示.gsx");

// A program folder with the ten cover pictures (picture n is 10·n pixels
// square, so the loaded one can be told) and a window for the desktop.
struct CoverFixture {
    CoverFixture(double r = 0.65)
    {
        t.state.ScreenWidth = 15360;
        t.state.ScreenHeight = 11520;
        t.state.SettingsRecord = {QStringLiteral("一中"), QStringLiteral("高中数学"), QStringLiteral("李明")};
        QDir(t.programFolder()).mkpath(QStringLiteral("set/image"));
        QDir(t.programFolder()).mkpath(QStringLiteral("set/music"));
        QDir(t.programFolder()).mkpath(QStringLiteral("备课本/配置区"));
        for (int n = 1; n <= 10; ++n)
            writePicture(QStringLiteral("set/image/%1.jpg").arg(n), 10 * n);
        t.flow.registerScreen(ScreenId::Cover,
                              [this, r] { return new CoverPage(t.context, [r] { return r; }); });
    }

    QString writePicture(const QString &relative, int size)
    {
        QImage image(size, size, QImage::Format_RGB32);
        image.fill(Qt::darkGreen);
        const QString path = t.programDir.filePath(relative);
        image.save(path, "JPG");
        return path;
    }

    QString writeFile(const QString &relative, const QByteArray &bytes)
    {
        QFile file(t.programDir.filePath(relative));
        file.open(QIODevice::WriteOnly);
        file.write(bytes);
        return file.fileName();
    }

    QString writeSpz(const LessonRecord &fields, int lines = kLineFileSlots)
    {
        QByteArray bytes;
        configfile::encodeLineFile(fields, &bytes);
        // Keep the first `lines` lines only.
        int end = 0;
        for (int i = 0; i < lines; ++i)
            end = bytes.indexOf("\r\n", end) + 2;
        return writeFile(QStringLiteral("备课本/配置区/课.spz"), bytes.left(end));
    }

    // The home screen first, so the cover page is never the last window.
    CoverPage *openCover(const QString &configPath)
    {
        t.flow.registerScreen(ScreenId::Home, [] { return new QWidget; });
        t.flow.show(ScreenId::Home);
        t.state.ConfigPath = configPath;
        return qobject_cast<CoverPage *>(t.flow.show(ScreenId::Cover));
    }

    FakeMediaPlayer *player() const { return t.fakes.mediaPlayers.created.last(); }

    TestContext t;
};

QAction *item(CoverPage *page, const char *name)
{
    return page->musicMenu()->findChild<QAction *>(QLatin1String(name));
}

QLabel *label(CoverPage *page, const char *name)
{
    return page->findChild<QLabel *>(QLatin1String(name));
}

} // namespace

class CoverPageTest : public QObject
{
    Q_OBJECT
private slots:
    void lineFileFillsTheCover()
    {
        CoverFixture f;
        f.t.state.LessonFields[slot::Picture2] = QStringLiteral("stale");
        f.t.state.LessonFields[slot::OtherProgram] = QStringLiteral("kept");
        LessonRecord fields;
        fields[slot::ChapterTitle] = QStringLiteral("第一章 集合");
        fields[slot::LessonTitle] = QStringLiteral("集合的含义");
        fields[slot::Music1] = f.t.programDir.filePath(QStringLiteral("mine.mp3"));
        fields[slot::Picture1] = f.writePicture(QStringLiteral("own.jpg"), 33);
        CoverPage *page = f.openCover(f.writeSpz(fields, 12));
        QVERIFY(page && page->isVisible());
        QCOMPARE(page->objectName(), QStringLiteral("Form2"));
        QCOMPARE(page->windowTitle(), QStringLiteral("高中数学Veltano"));

        const LessonRecord &read = f.t.state.LessonFields;
        QCOMPARE(read[slot::LessonTitle], fields[slot::LessonTitle]);
        QVERIFY(read[slot::Picture2].isEmpty()); // emptied before reading
        QCOMPARE(read[slot::OtherProgram], QStringLiteral("kept"));

        QCOMPARE(label(page, "Label1")->text(), fields[slot::ChapterTitle]);
        QCOMPARE(label(page, "Label2")->text(), fields[slot::LessonTitle]);
        QCOMPARE(label(page, "Label3")->text(), QStringLiteral("执教：李明"));
        QCOMPARE(label(page, "Label5")->text(),
                 QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));

        // Layout of a 1024 by 768 screen; the titles are as wide as their text.
        const cover::Layout &l = page->layout();
        QCOMPARE(l.chapter.top, 2560.0f);
        QVERIFY(l.chapter.width > l.lesson.width);
        QCOMPARE(l.chapter.left + l.chapter.width / 2, 7680.0f);
        QCOMPARE(l.lesson.top, 2560.0f + 2 * l.chapter.height);
        QCOMPARE(l.player, (TwipsRect{7680, 5760, 7680, 20}));
        QCOMPARE(label(page, "Label1")->y(), 171); // 2560 twips at 15 twips a pixel
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Image1"))->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().width(), 33);

        FakeMediaPlayer *player = f.player();
        QCOMPARE(player->URL(), fields[slot::Music1]);
        QCOMPARE(player->commands, (QStringList{QStringLiteral("url:") + fields[slot::Music1], "play"}));
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QVERIFY(!player->widget()->isVisible());
        QVERIFY(!player->windowlessVideo());
        QVERIFY(player->autoStart());
        QCOMPARE(player->volume(), 50);
    }

    void musicWithoutSlot9FallsBack()
    {
        CoverFixture f;
        LessonRecord fields;
        fields[slot::LessonTitle] = QStringLiteral("无音乐");
        const QString spz = f.writeSpz(fields);
        QCOMPARE(f.openCover(spz)->layout().player.left, 7680.0f);
        QCOMPARE(f.player()->URL(), f.t.programDir.filePath(QStringLiteral("set/music/tn.mid")));

        f.t.flow.unload(ScreenId::Cover);
        const QString mp3 = f.writeFile(QStringLiteral("set/music/gaoshanls.mp3"), "ID3");
        f.openCover(spz);
        QCOMPARE(f.player()->URL(), mp3);
    }

    void windowsLineFileOpensUnchanged()
    {
        CoverFixture f;
        QVERIFY(QFile::remove(f.t.programDir.filePath(QStringLiteral("set/image/3.jpg"))));
        CoverPage *page =
            f.openCover(f.t.install(kWindowsSpz, QStringLiteral("备课本/配置区/集合的含义.spz")));
        QCOMPARE(label(page, "Label2")->text(), QStringLiteral("集合的含义"));
        // Full Windows paths found nowhere go to the player as they stand; the
        // missing picture leaves the dark background.
        QCOMPARE(f.player()->URL(), QStringLiteral("D:\\Veltano\\set\\music\\tn.mid"));
        QVERIFY(page->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().isNull());

        // The same files below this program folder are taken from there.
        f.t.flow.unload(ScreenId::Cover);
        const QString music = f.writeFile(QStringLiteral("set/music/tn.mid"), "MThd");
        f.writePicture(QStringLiteral("set/image/3.jpg"), 30);
        page = f.openCover(f.t.state.ConfigPath);
        QCOMPARE(f.player()->URL(), music);
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().width(), 30); // 3.jpg
    }

    void recordFileGetsDefaultMusicAndARandomPicture()
    {
        CoverFixture f(0.65);
        const QString mp3 = f.writeFile(QStringLiteral("set/music/gaoshanls.mp3"), "ID3");
        f.t.state.LessonFields[slot::Music1] = QStringLiteral("left over");
        CoverPage *page =
            f.openCover(f.t.install(kWindowsGsx, QStringLiteral("备课本/配置区/集合的表示.gsx")));
        QCOMPARE(label(page, "Label1")->text(), QStringLiteral("第一章集合"));
        QCOMPARE(label(page, "Label2")->text(), QStringLiteral("集合的表示"));
        QVERIFY(f.t.state.LessonFields[slot::Music1].isEmpty());
        QCOMPARE(f.player()->URL(), mp3);
        QCOMPARE(page->findChild<QLabel *>(QStringLiteral("Image1"))->pixmap().width(), 70); // 7.jpg
    }

    void musicMenuItemsAndToggles()
    {
        CoverFixture f;
        CoverPage *page = f.openCover(f.writeSpz({}));
        QStringList names;
        for (QAction *a : page->musicMenu()->actions()) {
            names << a->objectName();
            QVERIFY(a->isEnabled());
            QVERIFY(!a->isChecked());
        }
        QCOMPARE(names, (QStringList{"MusicSelect", "Line", "MusicPlay", "MusicPause", "MusicStop", "l",
                                     "MusicVisible", "MaxWin"}));
        QCOMPARE(page->musicMenu()->title(), QStringLiteral("背景音乐"));
        QCOMPARE(item(page, "MaxWin")->text(), QStringLiteral("全窗口(Full)"));

        QWidget *player = f.player()->widget();
        item(page, "MusicVisible")->trigger();
        QVERIFY(item(page, "MusicVisible")->isChecked());
        QVERIFY(player->isVisible());
        QCOMPARE(page->layout().player, (TwipsRect{7680, 5760, 7680, 5760}));
        QCOMPARE(player->geometry(), QRect(512, 384, 512, 384));
        item(page, "MusicVisible")->trigger();
        QVERIFY(!item(page, "MusicVisible")->isChecked());
        QVERIFY(!player->isVisible());
        QCOMPARE(page->layout().player.height, 20.0f);

        item(page, "MaxWin")->trigger();
        QVERIFY(f.player()->fullScreen());
        QVERIFY(item(page, "MaxWin")->isChecked());
        item(page, "MaxWin")->trigger();
        QVERIFY(!f.player()->fullScreen());
        // Full screen left in the player itself: the menu shows it windowed.
        item(page, "MaxWin")->trigger();
        f.player()->setFullScreen(false);
        emit page->musicMenu()->aboutToShow();
        item(page, "MaxWin")->trigger();
        QVERIFY(f.player()->fullScreen());

        f.player()->commands.clear();
        item(page, "MusicPause")->trigger();
        item(page, "MusicPlay")->trigger();
        item(page, "MusicStop")->trigger();
        QCOMPARE(f.player()->commands, (QStringList{"pause", "play", "stop"}));
    }

    void musicSelectPlaysTheChoiceOrNothingOnCancel()
    {
        CoverFixture f;
        CoverPage *page = f.openCover(f.writeSpz({}));
        const QString before = f.player()->URL();
        f.t.fakes.fileDialog.answerCancel();
        item(page, "MusicSelect")->trigger();
        QCOMPARE(f.player()->URL(), before);
        const OpenFileRequest &request = f.t.fakes.fileDialog.requests.last();
        QCOMPARE(request.startFolder, f.t.programDir.filePath(QStringLiteral("set/music")));
        // The six entries, then today's kinds before "所有文件".
        QCOMPARE(request.filter.split(QLatin1Char('|')).size(), 14);
        QVERIFY(request.filter.endsWith(QStringLiteral("*.flac;*.aac|所有文件|*.*")));
        QVERIFY(request.filter.startsWith(QStringLiteral("MP3文件|*.mp3;*.M3u|Midi文件|")));

        f.t.fakes.fileDialog.answer({QStringLiteral("/music/song.mid")});
        item(page, "MusicSelect")->trigger();
        QCOMPARE(f.player()->URL(), QStringLiteral("/music/song.mid"));
        QCOMPARE(f.player()->commands.last(), QStringLiteral("play"));
    }

    void mouseRulesPopUpTheMenu()
    {
        CoverFixture f;
        CoverPage *page = f.openCover(f.writeSpz({}));
        QMenu *menu = page->musicMenu();
        const auto popsUp = [menu](const std::function<void()> &act) {
            menu->hide();
            act();
            const bool shown = menu->isVisible();
            menu->hide();
            return shown;
        };
        QVERIFY(popsUp([&] { QTest::mouseClick(label(page, "Label2"), Qt::RightButton); }));
        QVERIFY(!popsUp([&] { QTest::mouseClick(label(page, "Label1"), Qt::RightButton); }));
        QVERIFY(!popsUp([&] { QTest::mouseClick(label(page, "Label2"), Qt::LeftButton); }));
        QVERIFY(popsUp([&] { QTest::mouseClick(label(page, "Image1"), Qt::RightButton, {}, {20, 20}); }));
        QVERIFY(!popsUp([&] { QTest::mouseClick(label(page, "Image1"), Qt::MiddleButton, {}, {20, 20}); }));
        QVERIFY(popsUp([&] { emit f.player()->mouseDown(1); }));
        QVERIFY(!popsUp([&] { emit f.player()->mouseDown(2); }));
        // A left click on the chapter title is no click on the picture.
        QTest::mouseClick(label(page, "Label1"), Qt::LeftButton);
        QVERIFY(f.t.flow.isLoaded(ScreenId::Cover));
    }

    void leftClickOnThePictureOpensTheDesktop()
    {
        CoverFixture f;
        CoverPage *page = f.openCover(f.writeSpz({}));
        f.t.flow.registerScreen(ScreenId::Desktop, [] { return new QWidget; });
        QPointer<FakeMediaPlayer> player = f.player();
        QTest::mouseClick(label(page, "Image1"), Qt::LeftButton, {}, {20, 20});
        QVERIFY(f.t.flow.window(ScreenId::Desktop)->isVisible());
        QVERIFY(!f.t.flow.isLoaded(ScreenId::Cover));
        // The music ends with the page.
        QTRY_VERIFY(player.isNull());
        QVERIFY(!f.t.ended);
    }

    void unreadableConfigurationKeepsTheHomeScreen_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("reason");
        QTest::newRow("missing") << QStringLiteral("不在.spz") << QByteArray()
                                 << QStringLiteral("文件不存在");
        QByteArray overlong(128, '\0');
        overlong[0] = char(200); // the first text would run past the record
        QTest::newRow("gsx past its record")
            << QStringLiteral("坏.gsx") << overlong << QStringLiteral("损坏");
    }

    void unreadableConfigurationKeepsTheHomeScreen()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(QString, reason);
        CoverFixture f;
        f.t.writeSettings(f.t.state.SettingsRecord);
        auto *home = qobject_cast<HomeScreen *>(f.t.flow.show(ScreenId::Home));
        const QString path = f.t.programDir.filePath(QStringLiteral("备课本/配置区/") + name);
        if (!bytes.isEmpty())
            f.writeFile(QStringLiteral("备课本/配置区/") + name, bytes);
        f.t.state.ConfigPath = path;
        home->goOn(Qt::LeftButton, {});

        QCOMPARE(f.t.fakes.messageBox.shown.size(), 1);
        QCOMPARE(f.t.fakes.messageBox.shown.first().title, QStringLiteral("提示"));
        QVERIFY(f.t.fakes.messageBox.shown.first().text.contains(path));
        QVERIFY(f.t.fakes.messageBox.shown.first().text.contains(reason));
        QVERIFY(!f.t.flow.isLoaded(ScreenId::Cover));
        QVERIFY(f.t.flow.isLoaded(ScreenId::Home));
        QVERIFY(!f.t.ended);
    }
};

QTEST_MAIN(CoverPageTest)
#include "tst_coverpage.moc"
