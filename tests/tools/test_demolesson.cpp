// Checks the demo lesson that the build writes into the program folder's
// lesson book, read the way the program reads it.

#include "browser/logic/browseraddress.h"
#include "lesson/filekinds.h"
#include "lesson/lessonbook.h"
#include "lesson/lineconfigfile.h"
#include "lesson/medialists.h"
#include "lesson/textfiledecoding.h"
#include "lesson/userprogramfolder.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QTemporaryDir>
#include <QtTest>
#include <QUrl>

class TestDemoLesson : public QObject
{
    Q_OBJECT

private slots:
    void lessonFileIsAWindowsLineFile();
    void everyNamedFileIsThere();
    void mediaHaveTheirFormats();
    void aCopyOfTheProgramFolderPlaysIt();
};

namespace {

const QString kProgram = QStringLiteral(VELTANO_APP_DIR);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray lessonBytes(const QString &programFolder = kProgram)
{
    return contents(programFolder + QStringLiteral("/备课本/配置区/示例/示例课.spz"));
}

LessonRecord lesson(const QString &programFolder = kProgram)
{
    QByteArray bytes = lessonBytes(programFolder);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::ReadOnly);
    const QStringList lines = lineconfig::readLines(buffer, kLineFileSlots);
    LessonRecord record;
    for (int i = 0; i < lines.size(); ++i)
        record[i] = lines.at(i);
    return record;
}

QString native(const QString &stored)
{
    return LessonBook::toNativeSeparators(stored);
}

} // namespace

void TestDemoLesson::lessonFileIsAWindowsLineFile()
{
    const QByteArray bytes = lessonBytes();
    QVERIFY(!bytes.isEmpty());
    // Fifteen lines, each ended by CR LF, no byte order mark, GBK.
    QCOMPARE(bytes.count("\r\n"), 15);
    QCOMPARE(bytes.count('\n'), 15);
    QCOMPARE(bytes.count('\r'), 15);
    QVERIFY(bytes.endsWith("\r\n"));
    QStringDecoder decoder("GBK");
    const QString text = decoder.decode(bytes);
    QVERIFY(!decoder.hasError());
    QVERIFY(text.contains(QStringLiteral("示例课")));

    const LessonRecord record = lesson();
    // Saved where the editor saves a lesson of chapter 示例 named 示例课.
    QCOMPARE(record[slot::ChapterTitle], QStringLiteral("示例"));
    QCOMPARE(record[slot::LessonTitle], QStringLiteral("示例课"));
    // Relative names with "\" between folders, lists of names each followed by
    // one space; the document folder and the single files below the program
    // folder, so that nothing names the machine that built it.
    QCOMPARE(record[slot::DocumentFolder], QStringLiteral("备课本"));
    QCOMPARE(record[slot::DocumentFile], QStringLiteral("示例\\示例文档.doc"));
    QCOMPARE(record[slot::WebAddress], QStringLiteral("备课本\\示例\\首页.html"));
    for (int field : {slot::Music1, slot::Music2, slot::Picture1, slot::Picture2})
        QVERIFY2(LessonBook::isRelativeName(record[field]), qPrintable(record[field]));
    QVERIFY(!bytes.contains(kProgram.toUtf8()));
    for (int field = slot::TextFiles; field <= slot::PictureFiles; ++field) {
        QVERIFY2(record[field].endsWith(QLatin1Char(' ')) && !record[field].contains(QLatin1Char('/')),
                 qPrintable(record[field]));
    }
    QVERIFY(record[slot::OtherProgram].isEmpty());
}

void TestDemoLesson::everyNamedFileIsThere()
{
    LessonRecord record = lesson();
    const LessonBook book(kProgram);
    QVERIFY(QFileInfo::exists(LessonBook::resolve(book.lessonBook(), record[slot::DocumentFile])));
    MediaLists lists;
    QVERIFY(buildMediaLists(record, kProgram, lists));
    const struct {
        const MediaList &list;
        int count;
    } expected[] = {{lists.textFiles, 4},
                    {lists.decks, 3},
                    {lists.flashMovies, 2},
                    {lists.media, 3},
                    {lists.pictures, 7}};
    for (const auto &entry : expected) {
        QCOMPARE(entry.list.count, entry.count);
        for (int i = 0; i < entry.count; ++i)
            QVERIFY2(QFileInfo(native(entry.list.elements.at(i))).size() > 0,
                     qPrintable(entry.list.elements.at(i)));
    }
    // What the toolbar shows first: a phone's video and a PNG picture.
    QVERIFY(native(lists.media.elements.at(0)).endsWith(QLatin1String(".mp4")));
    QVERIFY(native(lists.pictures.elements.at(0)).endsWith(QLatin1String(".png")));
}

void TestDemoLesson::mediaHaveTheirFormats()
{
    const QString folder = kProgram + QStringLiteral("/备课本/示例/");
    const QByteArray ole("\xd0\xcf\x11\xe0", 4);
    QVERIFY(contents(folder + QStringLiteral("示例文档.doc")).startsWith(ole));
    QVERIFY(contents(folder + QStringLiteral("示例幻灯片.ppt")).startsWith(ole));
    const QByteArray rtf = contents(folder + QStringLiteral("示例文档.rtf"));
    QVERIFY(rtf.startsWith("{\\rtf"));
    QVERIFY(rtf.contains("\\u27426")); // 欢, the document's first letter

    // One text as a Windows editor saves it, one as a Linux editor does; the
    // text pane reads both.
    const QByteArray reading = contents(folder + QStringLiteral("课文.txt"));
    QStringDecoder utf8(QStringDecoder::Utf8);
    const QString asUtf8 = utf8.decode(reading);
    QVERIFY(utf8.hasError());
    QVERIFY(decodeTextFile(reading).startsWith(QStringLiteral("春天的早晨\n")));
    QVERIFY(decodeTextFile(contents(folder + QStringLiteral("思考题.txt")))
                .startsWith(QStringLiteral("读后思考\n")));

    const QByteArray first = contents(folder + QStringLiteral("风车.swf"));
    const QByteArray second = contents(folder + QStringLiteral("小鱼.swf"));
    QVERIFY(first.startsWith("FWS") && second.startsWith("FWS") && first != second);
    const QByteArray mp3 = contents(folder + QStringLiteral("春天.mp3"));
    QVERIFY(mp3.size() > 10000 && uint8_t(mp3[0]) == 0xff && (uint8_t(mp3[1]) & 0xe0) == 0xe0);
    const QByteArray avi = contents(folder + QStringLiteral("彩条.avi"));
    QVERIFY(avi.startsWith("RIFF") && avi.mid(8, 4) == "AVI ");

    // Today's kinds hold what their names say, as the program tells it.
    const struct {
        const char *file;
        filekinds::Content content;
    } today[] = {{"示例文档.docx", filekinds::Content::WordXml},
                 {"示例幻灯片.pptx", filekinds::Content::SlidesXml},
                 {"示例幻灯片.pdf", filekinds::Content::Pdf},
                 {"彩条.mp4", filekinds::Content::AudioVideo},
                 {"图7.png", filekinds::Content::Picture}};
    for (const auto &entry : today) {
        QFile file(folder + QString::fromUtf8(entry.file));
        QVERIFY2(file.open(QIODevice::ReadOnly), entry.file);
        QCOMPARE(filekinds::identify(file), entry.content);
        QVERIFY(filekinds::contentProblem(QFileInfo(file).suffix(), entry.content).isEmpty());
    }
    QVERIFY(contents(folder + QStringLiteral("彩条.mp4")).contains("avc1"));
    QVERIFY(!QImage(folder + QStringLiteral("图7.png")).isNull());

    QSet<QByteArray> pictures;
    for (int n = 1; n <= 6; ++n) {
        const QString path = folder + QStringLiteral("图%1.jpg").arg(n);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        pictures.insert(contents(path));
    }
    QCOMPARE(pictures.size(), 6);
}

// Installed, the program gives each user a program folder of their own with a
// copy of the lesson book; a copied folder is the same case.
void TestDemoLesson::aCopyOfTheProgramFolderPlaysIt()
{
    QTemporaryDir dir;
    const QString copy = dir.filePath(QStringLiteral("Veltano"));
    QVERIFY(UserProgramFolder(kProgram, copy).prepare());
    const LessonBook book(copy);
    const LessonRecord record = lesson(copy);
    const auto inCopy = [&copy](const QString &path) {
        return path.startsWith(copy + QLatin1Char('/')) && QFileInfo(path).isFile();
    };

    // The editor reads the lesson's document folder as the copy's lesson book,
    // saves the lesson back where it was read and finds the files below it.
    const QString folder = book.locateFolder(record[slot::DocumentFolder]);
    QCOMPARE(folder, book.lessonBook());
    QCOMPARE(LessonBook::savedLessonPath(folder, record[slot::ChapterTitle], record[slot::LessonTitle]),
             copy + QStringLiteral("/备课本/配置区/示例/示例课.spz"));
    QVERIFY(inCopy(LessonBook::resolve(folder, record[slot::DocumentFile])));
    LessonRecord fields = record;
    MediaLists lists;
    QVERIFY(buildMediaLists(fields, copy, lists));
    for (const MediaList *list :
         {&lists.textFiles, &lists.decks, &lists.flashMovies, &lists.media, &lists.pictures}) {
        for (int i = 0; i < list->count; ++i)
            QVERIFY2(inCopy(book.openable(list->elements.at(i))), qPrintable(list->elements.at(i)));
    }
    for (int field : {slot::Music1, slot::Music2, slot::Picture1, slot::Picture2})
        QVERIFY2(inCopy(book.openable(record[field])), qPrintable(record[field]));

    // The web address opens the copy's own start page.
    const QUrl page(browserAddress(record[slot::WebAddress], book));
    QVERIFY(page.isLocalFile());
    QVERIFY(inCopy(page.toLocalFile()));
    QVERIFY(contents(page.toLocalFile()).contains("<title>Veltano 示例课</title>"));
}

QTEST_MAIN(TestDemoLesson)
#include "test_demolesson.moc"
