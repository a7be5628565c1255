// Bad input through the real code paths: lesson files opened on the cover page and in
// the editor, settings files at start-up, names typed for a save, a dialog's choice of
// ten thousand files, broken media and web addresses that are no page. Each gives a
// message naming the file, or the sound default, loses nothing and does not crash.
#include "cover/coverpage.h"
#include "desktop/panes/panedesktop.h"
#include "desktop/panes/picturecache.h"
#include "editor/editorlineedit.h"
#include "editor/lessoneditor.h"
#include "editor/lessonpage.h"
#include "editor/logic/lessonfiles.h"
#include "editor/logic/lessonsaver.h"
#include "editor/logic/pickerrules.h"
#include "editor/logic/settingswriter.h"
#include "editor/pickerbutton.h"
#include "lesson/configfile.h"
#include "lesson/gbktext.h"
#include "lesson/lineconfigfile.h"
#include "lesson/recordtexts.h"
#include "platform/media/qtmediaplayer.h"
#include "platform/system/detachedlauncher.h"
#include "platform/web/engineview.h"
#include "platform/web/localfileguard.h"
#include "platform/web/ruffleflashplayer.h"
#include "platform/web/webaddress.h"
#include "platform/web/webengine.h"
#include "shell/homescreen.h"
#include "shell/startup.h"
#include "support/testcontext.h"

#include <QBuffer>
#include <QImage>
#include <QLabel>
#include <QRandomGenerator>
#include <QSignalSpy>
#include <QtTest>
#include <unistd.h>

namespace {

const QString kWindowsSpz = QStringLiteral(VELTANO_TEST_DATA "/windows/集合的含义.spz");

QByteArray fileBytes(const QString &path)
{
    QFile file(path);
    file.open(QIODevice::ReadOnly);
    return file.readAll();
}

QByteArray gbkBytes(const QString &text)
{
    QByteArray bytes;
    gbk::encode(text, &bytes);
    return bytes;
}

QByteArray randomBytes(int size, quint32 seed)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator random(seed);
    for (char &b : bytes)
        b = char(random.bounded(256));
    return bytes;
}

// A record of texts, each a 2-byte length and its GBK bytes, padded to 128 bytes.
QByteArray record(const QStringList &texts)
{
    QByteArray bytes;
    recordtexts::pack(texts, &bytes);
    return bytes;
}

enum class Make { File, Folder, Unreadable };

} // namespace

class BadInputsTest : public QObject
{
    Q_OBJECT
private slots:
    // A lesson chosen on the home screen and opened by a click: the cover page opens
    // with what could be read, or the home screen stays with a message naming the file.
    void lessonFileOnTheCover_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<Make>("make");
        QTest::addColumn<QString>("reason"); // "" when the cover opens
        QTest::addColumn<QString>("title");  // the cover's lesson title when it opens

        const QByteArray windows = fileBytes(kWindowsSpz);
        const QString lesson = QStringLiteral("集合的含义");
        const QString notText = QStringLiteral("不是课程配置文件");
        QTest::newRow("empty spz") << "空.spz" << QByteArray() << Make::File << ""
                                   << "";
        QTest::newRow("spz cut inside a character")
            << "断.spz" << windows.left(windows.indexOf(gbkBytes(lesson)) + 5) << Make::File << ""
            << "集合";
        QTest::newRow("50 MB spz of one line")
            << "大.spz" << QByteArray(50 << 20, 'a') << Make::File << notText << "";
        QTest::newRow("50 MB spz after its 15 lines")
            << "大尾.spz" << windows + QByteArray(50 << 20, '\0') << Make::File << "" << lesson;
        QTest::newRow("binary spz") << "二进制.spz" << randomBytes(4096, 1) << Make::File << notText << "";
        QTest::newRow("invalid GBK bytes")
            << "乱码.spz" << QByteArray("\xff\xfe\x81\r\n\x80\x80\xa1\r\n") << Make::File << ""
            << "";
        QTest::newRow("gsx lengths past its record") << "坏.gsx"
                                                     << QByteArray("\xc8\x00"
                                                                   "abc",
                                                                   5)
                                                            .leftJustified(128, '\0')
                                                     << Make::File << "损坏"
                                                     << "";
        QTest::newRow("gsx shorter than a record")
            << "短.gsx" << record({"章", "节"}).left(5) << Make::File << "损坏"
            << "";
        QTest::newRow("folder named like a lesson") << "文件夹.spz" << QByteArray() << Make::Folder << ""
                                                    << "";
        QTest::newRow("file no one may read") << "锁.spz" << windows << Make::Unreadable << ""
                                              << "";
    }

    void lessonFileOnTheCover()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        QFETCH(Make, make);
        QFETCH(QString, reason);
        QFETCH(QString, title);
        if (make == Make::Unreadable && geteuid() == 0)
            QSKIP("root reads every file; run as a normal user");

        TestContext t;
        t.writeSettings({QStringLiteral("一中"), QStringLiteral("高中数学"), QStringLiteral("李明")});
        const QString path = t.write(QStringLiteral("备课本/配置区/") + name, bytes);
        if (make == Make::Folder) {
            QFile::remove(path);
            QDir().mkpath(path);
        }
        if (make == Make::Unreadable)
            QFile::setPermissions(path, {});
        const bool opens = reason.isEmpty() && make == Make::File;

        auto *home = qobject_cast<HomeScreen *>(t.flow.show(ScreenId::Home));
        t.state.ConfigPath = path;
        home->goOn(Qt::LeftButton, {});

        QVERIFY(!t.ended);
        if (opens) {
            QVERIFY(t.fakes.messageBox.shown.isEmpty());
            auto *cover = qobject_cast<CoverPage *>(t.flow.window(ScreenId::Cover));
            QVERIFY(cover);
            QVERIFY(title.isEmpty() ||
                    cover->findChild<QLabel *>(QStringLiteral("Label2"))->text().startsWith(title));
            return;
        }
        QCOMPARE(t.fakes.messageBox.shown.size(), 1);
        QVERIFY(t.fakes.messageBox.shown.first().text.contains(QDir::toNativeSeparators(path)));
        QVERIFY(t.fakes.messageBox.shown.first().text.contains(reason));
        QVERIFY(t.flow.isLoaded(ScreenId::Home));
        QCOMPARE(fileBytes(path), bytes);
    }

    // Settings files of odd sizes start the program with what record 2 holds (empty
    // when it cannot be read), and "确定" then writes record 2 keeping the rest.
    void settingsFileAtStartUp_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("stageSubject"); // read at start-up

        const QByteArray settings = record({"一中", "高中物理", "李明"});
        QTest::newRow("0 bytes") << QByteArray() << "";
        QTest::newRow("127 bytes") << randomBytes(127, 2) << "";
        QTest::newRow("255 bytes") << QByteArray(128, 'x') + settings.left(127) << "高中物理";
        QTest::newRow("10,000 bytes")
            << (QByteArray(128, 'x') + settings).leftJustified(10000, 'z') << "高中物理";
        QTest::newRow("lengths past record 2")
            << QByteArray(128, 'x') + QByteArray("\x7f\x00", 2) + QByteArray(126, 'a') << "";
    }

    void settingsFileAtStartUp()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, stageSubject);
        TestContext t;
        QDir().mkpath(QFileInfo(t.context.settingsPath).path());
        QFile file(t.context.settingsPath);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        file.close();

        QVERIFY(!runStartUp(t.context));
        QCOMPARE(t.state.SettingsRecord.StageSubject, stageSubject);

        const auto outcome =
            settingswriter::write(t.context.settingsPath, {QStringLiteral("二中"), QStringLiteral("初中"),
                                                           QStringLiteral("英语"), QStringLiteral("王芳")});
        QVERIFY(outcome.written);
        const QByteArray written = fileBytes(t.context.settingsPath);
        QCOMPARE(SettingsFile::parse(written).StageSubject, QStringLiteral("初中英语"));
        if (bytes.size() >= 128)
            QCOMPARE(written.left(128), bytes.left(128));
        QCOMPARE(written.mid(256), bytes.mid(256));
    }

    // "应用于…" rewrites only a file that is a lesson's text; anything else is named and left alone.
    void applyBackgroundsLeavesOtherFilesAlone_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("written");
        QTest::newRow("binary spz") << randomBytes(3000, 3) << false;
        QTest::newRow("50 MB line") << QByteArray(50 << 20, 'b') << false;
        QTest::newRow("nine lines") << fileBytes(kWindowsSpz).left(60) << true;
    }

    void applyBackgroundsLeavesOtherFilesAlone()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, written);
        TestContext t;
        const QString path = t.write(QStringLiteral("备课本/配置区/课.spz"), bytes);
        const auto notice = lessonfiles::applyBackgrounds(path, {QStringLiteral("/m.mid"), {}, {}, {}});
        QVERIFY(notice);
        QVERIFY(notice->text.contains(path));
        if (written) {
            QCOMPARE(fileBytes(path).count("\r\n"), kLineFileSlots);
            return;
        }
        QVERIFY(notice->text.contains(configfile::notTextReason()));
        QCOMPARE(fileBytes(path), bytes);

        // "读取" of the same bytes as a ".txt" ends quietly with an empty page.
        QVERIFY(QFile::rename(path, path + QStringLiteral(".txt")));
        LessonRecord fields;
        const auto page = lessonfiles::readLesson(path + QStringLiteral(".txt"), fields);
        QVERIFY(page[slot::ChapterTitle].isEmpty());
        QCOMPARE(page[editorfields::WebAddressField], QStringLiteral("http://"));
    }

    // Titles typed for "保存": spaces are fine, what a file name cannot hold is named,
    // and a folder where the file should go is not touched.
    void namesTypedForASave_data()
    {
        QTest::addColumn<QString>("chapter");
        QTest::addColumn<QString>("title");
        QTest::addColumn<QString>("problem"); // "" when saved
        QTest::newRow("spaces") << "第 一 章"
                                << "集合 的 含义"
                                << "";
        QTest::newRow("quotes") << "第一章"
                                << "“集合”与\"元素\""
                                << "含有文件名不能使用的字符“\"”";
        QTest::newRow("newline") << "第一\n章"
                                 << "集合"
                                 << "章节课题含有控制字符";
        QTest::newRow("text the code page cannot hold") << "第一章"
                                                        << "集合😀"
                                                        << "本节课题";
        QTest::newRow("lone surrogate at the end")
            << "第一章" << QString("集合") + QChar(0xd83d) << "本节课题";
        QTest::newRow("chapter .. escaping the lesson book") << ".."
                                                             << "集合"
                                                             << "“..”不能用作文件名";
        QTest::newRow("title with ..\\ escaping the lesson book") << "第一章"
                                                                  << "..\\..\\..\\集合"
                                                                  << "含有文件名不能使用的字符“\\”";
        QTest::newRow("folder named like the file") << "第一章"
                                                    << "目录"
                                                    << "目录.spz";
    }

    void namesTypedForASave()
    {
        QFETCH(QString, chapter);
        QFETCH(QString, title);
        QFETCH(QString, problem);
        TestContext t;
        const QString root = t.programDir.filePath(QStringLiteral("备课本"));
        QDir().mkpath(root + QStringLiteral("/配置区/第一章/目录.spz"));
        editorfields::PageTexts page;
        page[slot::ChapterTitle] = chapter;
        page[slot::LessonTitle] = title;
        page[slot::DocumentFolder] = root;

        const LessonSaver::Outcome outcome = LessonSaver::save(page, {}, false);
        if (problem.isEmpty()) {
            QVERIFY2(outcome.saved, qPrintable(outcome.notice.text));
            QCOMPARE(outcome.path, LessonBook::savedLessonPath(root, chapter, title));
            LessonRecord back;
            QString error;
            QVERIFY(configfile::read(outcome.path, back, &error));
            QCOMPARE(back[slot::LessonTitle], title);
            return;
        }
        QVERIFY(!outcome.saved);
        QVERIFY2(outcome.notice.text.contains(problem), qPrintable(outcome.notice.text));
        QVERIFY(QFileInfo(root + QStringLiteral("/配置区/第一章/目录.spz")).isDir());
    }

    // Ten thousand files chosen at once in the editor's several-files dialog all reach
    // the lesson's field, in the order chosen.
    void tenThousandFilesChosenAtOnce()
    {
        TestContext t;
        auto *editor = qobject_cast<LessonEditor *>(t.flow.show(ScreenId::Editor));
        QVERIFY(editor);
        QStringList paths;
        for (int i = 0; i < 10000; ++i)
            paths.append(t.programFolder() + QStringLiteral("/备课本/高中/课文%1.txt").arg(i));
        t.fakes.fileDialog.answer(paths);
        QTest::mouseClick(editor->lessonPage()->picker(7), Qt::LeftButton);
        QVERIFY(t.fakes.fileDialog.requests.last().multiple);
        const QString field = editor->lessonPage()->text1(4)->text();
        QCOMPARE(field.count(QStringLiteral(".txt")), 10000);
        QVERIFY(field.startsWith(QStringLiteral("高中\\课文0.txt")));
        QVERIFY(field.contains(QStringLiteral("高中\\课文9999.txt")));

        bool refused = true;
        GetDlgSelectFileInfo(QStringLiteral("no folder at all"), &refused);
        QVERIFY(!refused);
    }

    // Addresses a teacher types or a lesson names: a script or words are refused with
    // words naming them, so the browser loads nothing; a page with spaces in its path opens.
    void webAddresses_data()
    {
        QTest::addColumn<QString>("address");
        QTest::addColumn<QString>("opens"); // "" when refused
        QTest::newRow("javascript: scheme") << "javascript:document.title='ran'"
                                            << "";
        QTest::newRow("javascript: in capitals after spaces") << "  JavaScript:alert(1)"
                                                              << "";
        QTest::newRow("page given as data") << "data:text/html,<script>alert(1)</script>"
                                            << "";
        QTest::newRow("words with spaces") << "集合 的 含义"
                                           << "";
        QTest::newRow("spaces in the path") << "http://www.example.com/第一 课.html"
                                            << "http://www.example.com/%E7%AC%AC%E4%B8%80%20%E8%AF%BE.html";
        QTest::newRow("no scheme") << "www.example.com"
                                   << "http://www.example.com";
    }

    void webAddresses()
    {
        QFETCH(QString, address);
        QFETCH(QString, opens);
        const webaddress::Resolved resolved = webaddress::resolve(address);
        QCOMPARE(resolved.url.toString(QUrl::FullyEncoded), opens);
        QCOMPARE(resolved.problem.isEmpty(), !opens.isEmpty());
        QVERIFY(resolved.problem.contains(address.trimmed()) || resolved.problem.isEmpty());
    }

    // Movies the Flash pane cannot play are named in its notice, without the web engine
    // starting for them.
    void brokenMovies_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QByteArray header("FWS\x0a\xe8\x03\x00\x00", 8); // 1000 bytes long, it says
        QTest::newRow("truncated swf") << header + QByteArray(100, '\0');
        QTest::newRow("swf with a wrong signature") << "GWS" + header.mid(3) + QByteArray(992, '\0');
        QTest::newRow("zero-byte swf") << QByteArray();
    }

    void brokenMovies()
    {
        QFETCH(QByteArray, bytes);
        TestContext t;
        const QString path = t.write(QStringLiteral("备课本/动画 “一”.swf"), bytes);
        WebEngine engine(QStringLiteral(VELTANO_APP_DIR "/web"));
        QWidget window;
        RuffleFlashPlayer player(engine, &window);
        window.show();
        player.setMovie(path);
        QCOMPARE(player.status(), FlashPlayer::Status::Failed);
        QVERIFY2(player.view()->noticeText().contains(path), qPrintable(player.view()->noticeText()));
        QVERIFY(!engine.started());
    }

    // The Flash page may read the program's web folder and the movie's own folder
    // (and what is below it), nothing else of this computer.
    void movieReadsNothingBeyondItsFolder()
    {
        TestContext t;
        const QString web = t.programFolder() + QStringLiteral("/web");
        const QString lessons = t.programFolder() + QStringLiteral("/备课本");
        const QString folder = lessons + QStringLiteral("/第一课");
        t.write(QStringLiteral("备课本/第一课/a.swf"));
        t.write(QStringLiteral("备课本/第一课/图/b.jpg"));
        t.write(QStringLiteral("备课本/其他/c.txt"));
        const QString secret = t.write(QStringLiteral("秘密.txt"));
        QVERIFY(QFile::link(secret, folder + QStringLiteral("/链接.txt")));
        LocalFileGuard guard(web, nullptr);
        guard.setFolder(folder);
        const auto allows = [&guard](const QString &path) { return guard.allows(QUrl::fromLocalFile(path)); };
        QVERIFY(allows(web + QStringLiteral("/ruffle/ruffle.js")));
        QVERIFY(allows(folder + QStringLiteral("/a.swf")));
        QVERIFY(allows(folder + QStringLiteral("/图/b.jpg")));
        QVERIFY(!allows(lessons + QStringLiteral("/其他/c.txt")));
        QVERIFY(!allows(folder + QStringLiteral("/../其他/c.txt")));
        QVERIFY(!allows(web + QStringLiteral("/../秘密.txt")));
        QVERIFY(!allows(folder + QStringLiteral("/链接.txt")));
        QVERIFY(!allows(QStringLiteral("/etc/passwd")));
        QVERIFY(guard.allows(QUrl(QStringLiteral("https://example.com/movie.swf"))));
        // Below the folder a name in another letter case leads to the file and
        // a missing one goes through, to be reported as missing.
        QCOMPARE(guard.route(QUrl::fromLocalFile(folder + QStringLiteral("/图/B.JPG"))),
                 QUrl::fromLocalFile(folder + QStringLiteral("/图/b.jpg")));
        const QUrl missing = QUrl::fromLocalFile(folder + QStringLiteral("/没有.swf"));
        QCOMPARE(guard.route(missing), missing);
        QVERIFY(!allows(lessons + QStringLiteral("/其他/没有.txt")));
        QVERIFY(!allows(folder + QStringLiteral("/../其他/C.TXT")));
        QVERIFY(!allows(folder + QStringLiteral("/链接.TXT")));
    }

    // Broken sound files in the real player: it reports an error or simply ends, and
    // never hangs; a good file plays afterwards.
    void brokenSoundFiles_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray mp3Frame = QByteArray::fromHex("fffb9064") + QByteArray(413, '\x55');
        QByteArray midi = QByteArray::fromHex("4d546864000000060000000100604d54726b0000000c00903c40600080"
                                              "3c4000ff2f00");
        QTest::newRow("zero-byte mp3") << "空.mp3" << QByteArray();
        QTest::newRow("truncated mp3")
            << "断.mp3" << QByteArray("ID3\x03\x00\x00\x00\x00\x10\x00", 10) + mp3Frame.left(200);
        QTest::newRow("zero-byte midi") << "空.mid" << QByteArray();
        QTest::newRow("truncated midi") << "断.mid" << midi.left(20);
    }

    void brokenSoundFiles()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestContext t;
        QWidget window;
        QtMediaPlayer player(&window);
        QSignalSpy errors(&player, &MediaPlayer::error);
        QSignalSpy states(&player, &MediaPlayer::stateChanged);
        player.setURL(t.write(name, bytes));
        player.play();
        // An error, or a short play that ends by itself, closes the attempt.
        QTRY_VERIFY_WITH_TIMEOUT(
            !errors.isEmpty() || (!states.isEmpty() && player.state() == MediaPlayer::State::Stopped), 15000);

        // The player is not stuck: a good sound plays next.
        player.setURL(
            t.install(QStringLiteral(VELTANO_APP_DIR "/set/music/tn.mid"), QStringLiteral("tn.mid")));
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.state(), MediaPlayer::State::Playing, 15000);
        player.stop();
    }

    // Pictures the pane cannot show are named once each and never decoded again.
    void brokenPictures_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        const auto encoded = [](const char *format) {
            QImage image(40, 30, QImage::Format_RGB32);
            image.fill(Qt::darkCyan);
            QBuffer buffer;
            buffer.open(QIODevice::WriteOnly);
            image.save(&buffer, format);
            return buffer.data();
        };
        QByteArray png = encoded("PNG");
        png.replace(16, 4, QByteArray(4, '\xff')); // IHDR width past any limit
        QByteArray bmp = encoded("BMP");
        bmp.replace(18, 8, QByteArray::fromHex("60ea000060ea0000")); // 60000 by 60000
        QTest::newRow("JPEG cut after its header") << "断.jpg" << encoded("JPG").left(40);
        QTest::newRow("PNG with an impossible width") << "坏.png" << png;
        QTest::newRow("GIF cut inside its header") << "断.gif" << encoded("GIF").left(10);
        QTest::newRow("BMP of 60000 by 60000 pixels") << "巨.bmp" << bmp;
        QTest::newRow("random bytes named .png") << "乱.png" << randomBytes(5000, 4);
        QTest::newRow("1 GB file named .jpg") << "大.jpg" << QByteArray();
    }

    void brokenPictures()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        TestContext t;
        const QString path = t.write(name, bytes);
        if (bytes.isEmpty())
            QVERIFY(QFile::resize(path, qint64(1) << 30)); // sparse: no gigabyte on the disk
        PictureCache cache([] { return QSize(680, 512); });
        QVERIFY(!cache.picture(path).readable);
        QVERIFY(!cache.picture(path).readable);
    }

    // The lesson's "其他应用程序", started by "外接程序" with the real launcher, is one
    // program with no arguments: shell words in the field stay part of its name and never run.
    void lessonProgramNeverReachesAShell()
    {
        QTemporaryDir dir;
        const QString marker = dir.filePath(QStringLiteral("ran"));
        const QString program =
            dir.filePath(QStringLiteral("课件 $(touch injected); touch injected2 `touch injected3`.sh"));
        QFile script(program);
        QVERIFY(script.open(QIODevice::WriteOnly));
        script.write("#!/bin/sh\necho \"$#\" > \"$(dirname \"$0\")/ran\"\n");
        script.close();
        QFile::setPermissions(program, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);

        PaneDesktop d;
        DetachedLauncher launcher;
        d.context.platform.launcher = &launcher;
        d.state.LessonFields[slot::OtherProgram] = program;
        d.show();
        d.button("MyProgram");
        QTRY_VERIFY_WITH_TIMEOUT(QFileInfo::exists(marker), 15000);
        QCOMPARE(fileBytes(marker), QByteArray("0\n"));

        d.state.LessonFields[slot::OtherProgram] = dir.filePath(QStringLiteral("missing; touch injected4"));
        d.button("MyProgram");
        QVERIFY(!launcher.start(dir.filePath(QStringLiteral("missing && touch injected5"))));
        const QStringList left = QDir(dir.path()).entryList(QDir::Files);
        QCOMPARE(left.filter(QStringLiteral("injected")), QStringList{program.section(QLatin1Char('/'), -1)});
    }
};

QTEST_MAIN(BadInputsTest)
#include "tst_badinputs.moc"
