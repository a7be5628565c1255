// Checks the demo lesson that the build writes into the program folder's
// lesson book, read the way the program reads it.

#include "desktop/logic/medialists.h"
#include "desktop/logic/textfiledecoding.h"
#include "lesson/lessonbook.h"
#include "lesson/lineconfigfile.h"

#include <QBuffer>
#include <QFile>
#include <QImage>
#include <QStringDecoder>
#include <QtTest>
#include <QUrl>

class TestDemoLesson : public QObject
{
    Q_OBJECT

private slots:
    void lessonFileIsAWindowsLineFile();
    void everyNamedFileIsThere();
    void mediaHaveTheirFormats();
};

namespace {

const QString kProgram = QStringLiteral(VELTANO_APP_DIR);

QByteArray contents(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QByteArray lessonBytes()
{
    return contents(kProgram + QStringLiteral("/备课本/配置区/示例/示例课.spz"));
}

LessonRecord lesson()
{
    QByteArray bytes = lessonBytes();
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
    QCOMPARE(LessonBook::savedLessonPath(record[slot::DocumentFolder], record[slot::ChapterTitle],
                                         record[slot::LessonTitle]),
             kProgram + QStringLiteral("/备课本/配置区/示例/示例课.spz"));
    // Relative names with "\" between folders, lists of names each followed by one space.
    QCOMPARE(record[slot::DocumentFile], QStringLiteral("示例\\示例文档.doc"));
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
    } expected[] = {{lists.textFiles, 3},
                    {lists.presentations, 1},
                    {lists.flashMovies, 2},
                    {lists.media, 2},
                    {lists.pictures, 6}};
    for (const auto &entry : expected) {
        QCOMPARE(entry.list.count, entry.count);
        for (int i = 0; i < entry.count; ++i)
            QVERIFY2(QFileInfo(native(entry.list.elements.at(i))).size() > 0,
                     qPrintable(entry.list.elements.at(i)));
    }
    QVERIFY(native(lists.media.elements.at(0)).endsWith(QLatin1String(".avi")));
    // The background music and pictures, found also after the folder is copied elsewhere.
    for (int field : {slot::Music1, slot::Music2, slot::Picture1, slot::Picture2}) {
        const QString stored = QString(record[field]).replace(kProgram, QStringLiteral("D:\\Veltano"));
        QVERIFY2(QFileInfo::exists(native(book.locate(stored))), qPrintable(record[field]));
    }
    const QUrl page(record[slot::WebAddress]);
    QVERIFY(page.isLocalFile());
    QVERIFY(contents(page.toLocalFile()).contains("<title>Veltano 示例课</title>"));
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

    QSet<QByteArray> pictures;
    for (int n = 1; n <= 6; ++n) {
        const QString path = folder + QStringLiteral("图%1.jpg").arg(n);
        QVERIFY2(!QImage(path).isNull(), qPrintable(path));
        pictures.insert(contents(path));
    }
    QCOMPARE(pictures.size(), 6);
}

QTEST_MAIN(TestDemoLesson)
#include "test_demolesson.moc"
