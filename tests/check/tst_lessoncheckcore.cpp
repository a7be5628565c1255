// The lesson check without a display: which files a lesson names and where
// they are, files of the same name, the mended lesson file and the report.

#include "check/logic/checkreport.h"
#include "check/logic/mediacontent.h"
#include "lesson/lessonbook.h"
#include "lesson/lessonfix.h"
#include "lesson/lessonmedia.h"
#include "lesson/namedfile.h"
#include "support/filebytes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>

using filebytes::gbkLines;
using filebytes::readAll;
using filebytes::write;

class TestLessonCheckCore : public QObject
{
    Q_OBJECT
private slots:
    void mediaAreResolvedAsTheDesktopAndCoverPageResolveThem();
    void documentFieldWithADriveKeepsListNamesAndOtherMachinesPathsAreFound();
    void filesOfTheSameNameAreFoundIgnoringLetterCase();
    void namesInAnotherCaseTheWebPageAndMissingWindowsNames();
    void oneNameIsMendedAndEveryOtherByteStays();
    void mendingAShortFileAddsTheMissingLines();
    void storedNamesFollowEachFieldsRoot();
    void contentChecksAndTheReport();
};

void TestLessonCheckCore::mediaAreResolvedAsTheDesktopAndCoverPageResolveThem()
{
    const LessonBook book(QStringLiteral("/opt/veltano"));
    LessonRecord fields;
    fields[slot::DocumentFile] = QStringLiteral("  高中\\a.doc");
    fields[slot::PictureFiles] = QStringLiteral("备课本\\p1.jpg 备课本\\p2.jpg ");
    fields[slot::MediaFiles] = QStringLiteral("set\\music\\tn.mid");
    fields[slot::Music1] = QStringLiteral("/opt/veltano/set/music/gaoshanls.mp3");
    fields[slot::WebAddress] = QStringLiteral("http://example.org");
    fields[slot::OtherProgram] = QStringLiteral("/usr/bin/gcalccmd");

    const QList<CheckItem> items = lessonmedia::itemsOf(fields, book);
    QCOMPARE(items.size(), 6); // the web address is no file, the editor's final space no name
    QCOMPARE(items[0].field, int(slot::DocumentFile));
    QCOMPARE(items[0].kind, MediaKind::Document);
    QCOMPARE(items[0].stored, QStringLiteral("高中\\a.doc"));
    QCOMPARE(items[0].path, QStringLiteral("/opt/veltano/备课本/高中/a.doc"));
    QCOMPARE(items[1].path, QStringLiteral("/opt/veltano/set/music/tn.mid"));
    QCOMPARE(items[1].kind, MediaKind::AudioVideo);
    QCOMPARE(items[2].entry, 0);
    QCOMPARE(items[3].entry, 1);
    QCOMPARE(items[3].stored, QStringLiteral("备课本\\p2.jpg"));
    QCOMPARE(items[3].path, QStringLiteral("/opt/veltano/备课本/p2.jpg"));
    QCOMPARE(items[4].field, int(slot::Music1));
    QCOMPARE(items[5].kind, MediaKind::Program);
    QCOMPARE(lessonmedia::fieldCaption(slot::PictureFiles), QStringLiteral("图片文件"));
}

void TestLessonCheckCore::documentFieldWithADriveKeepsListNamesAndOtherMachinesPathsAreFound()
{
    QTemporaryDir program;
    const LessonBook book(program.path());
    const QString here = write(program.filePath(QStringLiteral("备课本/高中/b.jpg")));
    write(program.filePath(QStringLiteral("set/bj/back.jpg")));
    LessonRecord fields;
    fields[slot::DocumentFile] = QStringLiteral("D:\\Veltano\\备课本\\a.doc");
    fields[slot::PictureFiles] = QStringLiteral("D:\\Veltano\\备课本\\高中\\b.jpg ");
    fields[slot::Picture2] = QStringLiteral("D:\\Veltano\\set\\bj\\back.jpg");

    const QList<CheckItem> items = lessonmedia::itemsOf(fields, book);
    QCOMPARE(items.size(), 3);
    // Not below this program folder: kept as the lesson names it, and missing.
    QCOMPARE(items[0].path, QStringLiteral("D:/Veltano/备课本/a.doc"));
    QCOMPARE(items[1].path, here);
    QCOMPARE(items[2].path, program.filePath(QStringLiteral("set/bj/back.jpg")));
}

void TestLessonCheckCore::filesOfTheSameNameAreFoundIgnoringLetterCase()
{
    QTemporaryDir program;
    const QString a = write(program.filePath(QStringLiteral("备课本/旧/Video.MP4")));
    const QString b = write(program.filePath(QStringLiteral("备课本/新/深/video.mp4")));
    write(program.filePath(QStringLiteral("备课本/新/video.mp4.bak")));
    const QString missing = program.filePath(QStringLiteral("备课本/video.mp4"));
    QCOMPARE(lessonmedia::sameNameFiles(missing, program.filePath(QStringLiteral("备课本"))),
             QStringList({b, a}));
    QCOMPARE(lessonmedia::sameNameFiles(a, program.path()), QStringList({b}));
}

void TestLessonCheckCore::namesInAnotherCaseTheWebPageAndMissingWindowsNames()
{
    QTemporaryDir program;
    const LessonBook book(program.path());
    const QString picture = write(program.filePath(QStringLiteral("备课本/t/a.jpg")));
    write(program.filePath(QStringLiteral("备课本/示例/首页.html")));
    LessonRecord fields;
    fields[slot::PictureFiles] = QStringLiteral("备课本\\T\\A.JPG D:\\旧电脑\\图片\\图8.jpg ");
    fields[slot::Music1] = QStringLiteral("D:\\旧电脑\\音乐\\歌.mp3");
    fields[slot::WebAddress] = QStringLiteral("备课本\\示例\\丢失的首页.html");

    QList<CheckItem> items = lessonmedia::itemsOf(fields, book);
    QCOMPARE(items.size(), 4);
    QCOMPARE(items[0].path, picture);
    QCOMPARE(items[3].field, int(slot::WebAddress));
    QCOMPARE(items[3].kind, MediaKind::WebPage);
    QCOMPARE(items[3].path, program.filePath(QStringLiteral("备课本/示例/丢失的首页.html")));

    // A web address is checked when it names a file, not when it is an address.
    const auto counted = [&](const char *address) {
        LessonRecord web;
        web[slot::WebAddress] = QString::fromUtf8(address);
        return lessonmedia::itemsOf(web, book).size() == 1;
    };
    for (const char *file :
         {"备课本/示例/首页.HTML", "/srv/课/首页.html", "D:\\旧电脑\\首页.html", "示例\\首页.html"})
        QVERIFY2(counted(file), file);
    for (const char *address : {"http://", "https://www.example.cn/a.html", "www.example.cn", "about:blank"})
        QVERIFY2(!counted(address), address);

    // Missing names of the Windows machine show as the lesson stores them,
    // a missing name of this program folder as the file looked for.
    for (CheckItem &item : items)
        item.status = CheckItem::Status::Missing;
    QCOMPARE(lessonmedia::shownFile(items[1]), QStringLiteral("D:\\旧电脑\\图片\\图8.jpg"));
    QCOMPARE(lessonmedia::shownFile(items[2]), QStringLiteral("D:\\旧电脑\\音乐\\歌.mp3"));
    QCOMPARE(lessonmedia::shownFile(items[3]), items[3].path);
    const QString report = checkreport::format(QStringLiteral("x.spz"), items);
    QVERIFY(report.contains(
        QStringLiteral("[缺少] 图片文件：D:\\旧电脑\\图片\\图8.jpg -> D:\\旧电脑\\图片\\图8.jpg\n")));
    QVERIFY(report.contains(QStringLiteral("[缺少] 浏览器地址：备课本\\示例\\丢失的首页.html -> ") +
                            items[3].path));
}

void TestLessonCheckCore::oneNameIsMendedAndEveryOtherByteStays()
{
    QTemporaryDir dir;
    QStringList lines(15);
    lines[0] = QStringLiteral("第一章");
    lines[1] = QStringLiteral("集合");
    lines[8] = QStringLiteral("备课本\\一.jpg 备课本\\二.jpg 备课本\\三.jpg ");
    lines[9] = QStringLiteral("D:\\Veltano\\set\\music\\tn.mid");
    const QString lesson = write(dir.filePath(QStringLiteral("集合.spz")), gbkLines(lines) + "tail\r\n");

    QString error;
    QVERIFY(lessonfix::rewrite(lesson, slot::PictureFiles, 1, QStringLiteral("备课本\\图\\二.jpg"), &error));
    QStringList expected = lines;
    expected[8] = QStringLiteral("备课本\\一.jpg 备课本\\图\\二.jpg 备课本\\三.jpg ");
    QCOMPARE(readAll(lesson), gbkLines(expected) + "tail\r\n");

    QVERIFY(lessonfix::rewrite(lesson, slot::Music1, 0, QStringLiteral("/opt/v/set/music/tn.mid"), &error));
    expected[9] = QStringLiteral("/opt/v/set/music/tn.mid");
    QCOMPARE(readAll(lesson), gbkLines(expected) + "tail\r\n");

    // A name GBK cannot hold leaves the file as it was.
    QVERIFY(!lessonfix::rewrite(lesson, slot::Music1, 0, QStringLiteral("\U0001F600.mid"), &error));
    QVERIFY(!error.isEmpty());
    QCOMPARE(readAll(lesson), gbkLines(expected) + "tail\r\n");
}

void TestLessonCheckCore::mendingAShortFileAddsTheMissingLines()
{
    QTemporaryDir dir;
    const QString lesson =
        write(dir.filePath(QStringLiteral("短.spz")), gbkLines({QStringLiteral("章"), QStringLiteral("课")}));
    QString error;
    QVERIFY(lessonfix::rewrite(lesson, slot::MediaFiles, 0, QStringLiteral("set\\a.mp3"), &error));
    QStringList expected(8);
    expected[0] = QStringLiteral("章");
    expected[1] = QStringLiteral("课");
    expected[7] = QStringLiteral("set\\a.mp3");
    QCOMPARE(readAll(lesson), gbkLines(expected));
}

void TestLessonCheckCore::storedNamesFollowEachFieldsRoot()
{
    const LessonBook book(QStringLiteral("/opt/v"));
    QCOMPARE(
        lessonfix::storedName(slot::DocumentFile, QStringLiteral("/opt/v/备课本/高中/a.doc"), book, false),
        QStringLiteral("高中\\a.doc"));
    QCOMPARE(
        lessonfix::storedName(slot::PictureFiles, QStringLiteral("/opt/v/备课本/高中/a.jpg"), book, false),
        QStringLiteral("备课本\\高中\\a.jpg"));
    QCOMPARE(lessonfix::storedName(slot::DeckFiles, QStringLiteral("/opt/v/set/a.ppt"), book, false),
             QString());
    QCOMPARE(lessonfix::storedName(slot::Picture1, QStringLiteral("/opt/v/set/bj/a.jpg"), book, false),
             QStringLiteral("/opt/v/set/bj/a.jpg"));
    QCOMPARE(lessonfix::storedName(slot::TextFiles, QStringLiteral("/opt/v/备课本/a.txt"), book, true),
             QStringLiteral("/opt/v/备课本/a.txt"));
    QCOMPARE(lessonfix::replaceEntry(QStringLiteral("  a b "), slot::TextFiles, 0, QStringLiteral("c")),
             QStringLiteral("  c b "));
}

void TestLessonCheckCore::contentChecksAndTheReport()
{
    QTemporaryDir dir;
    const QString swf = write(dir.filePath(QStringLiteral("a.swf")), "CWS\x0a");
    const QString notSwf = write(dir.filePath(QStringLiteral("b.swf")), "<html>");
    const QString deck =
        write(dir.filePath(QStringLiteral("c.ppt")), QByteArray("\xD0\xCF\x11\xE0\xA1\xB1", 6));
    const QString rtfText = write(dir.filePath(QStringLiteral("d.rtf")), "plain");
    QVERIFY(mediacontent::check(MediaKind::Flash, swf).isEmpty());
    QVERIFY(!mediacontent::check(MediaKind::Flash, notSwf).isEmpty());
    QCOMPARE(mediacontent::backEndFor(MediaKind::Deck, deck), mediacontent::BackEnd::Converter);
    QCOMPARE(mediacontent::backEndFor(MediaKind::Text, rtfText), mediacontent::BackEnd::None);
    QCOMPARE(
        mediacontent::backEndFor(MediaKind::Text, write(dir.filePath(QStringLiteral("e.txt")), "{\\rtf1")),
        mediacontent::BackEnd::Converter);
    QCOMPARE(mediacontent::backEndFor(MediaKind::Picture, swf), mediacontent::BackEnd::MediaProbe);
    QVERIFY(!mediacontent::check(MediaKind::Text, rtfText).isEmpty());
    QVERIFY(!mediacontent::check(MediaKind::Program, swf).isEmpty());
    // Today's kinds: checked by content, a Word text through the converter.
    const QString png = write(dir.filePath(QStringLiteral("f.png")), QByteArray("\x89PNG\r\n\x1a\n", 8));
    const QString deckAsPng = write(dir.filePath(QStringLiteral("g.png")), "PK\x03\x04ppt/slides");
    const QString mp4 = write(dir.filePath(QStringLiteral("h.mp4")), QByteArray("\0\0\0\x18"
                                                                                "ftypmp42",
                                                                                12));
    const QString wordText = write(dir.filePath(QStringLiteral("i.docx")), "PK\x03\x04word/document.xml");
    QVERIFY(mediacontent::check(MediaKind::Picture, png).isEmpty());
    QCOMPARE(mediacontent::check(MediaKind::Picture, deckAsPng), QStringLiteral("文件内容不是图片"));
    // What the picture decoder reads is left to it, as the pane leaves it: a
    // BigTIFF (ImageMagick), and a Netpbm picture no signature here knows.
    QVERIFY(mediacontent::check(MediaKind::Picture,
                                QStringLiteral(VELTANO_TEST_DATA "/pictures/bigtiff-imagemagick.tif"))
                .isEmpty());
    QVERIFY(
        mediacontent::check(MediaKind::Picture, write(dir.filePath(QStringLiteral("l.tif")), "P6 1 1 255\n"))
            .isEmpty());
    QVERIFY(mediacontent::check(MediaKind::AudioVideo, mp4).isEmpty());
    QCOMPARE(
        mediacontent::check(MediaKind::AudioVideo, write(dir.filePath(QStringLiteral("j.mkv")), "plain")),
        QStringLiteral("文件内容不是视频或音频"));
    QVERIFY(mediacontent::check(MediaKind::Text, wordText).isEmpty());
    QCOMPARE(mediacontent::backEndFor(MediaKind::Text, wordText), mediacontent::BackEnd::Converter);
    QCOMPARE(mediacontent::check(MediaKind::Text, write(dir.filePath(QStringLiteral("k.docx")), "plain")),
             QStringLiteral("文件内容不是 Word 文档"));
    // What a lesson from elsewhere may name instead of a file: refused by what it is,
    // a pipe without waiting for a writer.
    const QString pipe = dir.filePath(QStringLiteral("l.txt"));
    QCOMPARE(::mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
    QFile huge(write(dir.filePath(QStringLiteral("m.txt")), "text"));
    QVERIFY(huge.resize(qint64(17) << 20));
    QVERIFY(mediacontent::check(MediaKind::Text, pipe).contains(QStringLiteral("是管道")));
    QCOMPARE(mediacontent::backEndFor(MediaKind::Text, pipe), mediacontent::BackEnd::None);
    QVERIFY(mediacontent::check(MediaKind::Picture, QStringLiteral("/dev/zero"))
                .contains(QStringLiteral("是设备")));
    QVERIFY(mediacontent::check(MediaKind::AudioVideo, dir.path()).contains(QStringLiteral("是文件夹")));
    QVERIFY(
        mediacontent::check(MediaKind::Text, huge.fileName()).contains(QStringLiteral("超过文本文件的上限")));
    QVERIFY(namedfile::problem(huge.fileName(), MediaKind::Picture).isEmpty());

    CheckItem found{slot::PictureFiles,
                    0,
                    MediaKind::Picture,
                    QStringLiteral("备课本\\a.jpg"),
                    QStringLiteral("/v/备课本/a.jpg"),
                    CheckItem::Status::Found,
                    {},
                    {}};
    CheckItem missing = found;
    missing.status = CheckItem::Status::Missing;
    missing.candidates = {QStringLiteral("/v/备课本/旧/a.jpg")};
    QCOMPARE(checkreport::exitCode({found}), 0);
    QCOMPARE(checkreport::exitCode({found, missing}), 1);
    const QString report = checkreport::format(QStringLiteral("x.spz"), {found, missing});
    QVERIFY(report.contains(QStringLiteral("[找到] 图片文件：备课本\\a.jpg -> /v/备课本/a.jpg")));
    QVERIFY(report.contains(QStringLiteral("[缺少] 图片文件")));
    QVERIFY(report.contains(QStringLiteral("同名文件：/v/备课本/旧/a.jpg")));
    QVERIFY(report.contains(QStringLiteral("共 2 项，1 项有问题。")));
}

QTEST_GUILESS_MAIN(TestLessonCheckCore)
#include "tst_lessoncheckcore.moc"
