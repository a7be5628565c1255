#include "lesson/configfile.h"
#include "lesson/gbktext.h"
#include "lesson/lineconfigfile.h"
#include "lesson/recordtexts.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

namespace {

QByteArray gbkBytes(const QString &text)
{
    QByteArray bytes;
    gbk::encode(text, &bytes);
    return bytes;
}

QByteArray record(const QStringList &texts)
{
    QByteArray bytes;
    for (const QString &text : texts) {
        const QByteArray encoded = gbkBytes(text);
        bytes.append(char(encoded.size() & 0xff));
        bytes.append(char(encoded.size() >> 8));
        bytes.append(encoded);
    }
    return bytes.leftJustified(128, '\0');
}

LessonRecord readLines(const QByteArray &bytes, LessonRecord fields = {})
{
    QBuffer buffer;
    buffer.setData(bytes);
    buffer.open(QIODevice::ReadOnly);
    configfile::readLineFile(buffer, fields);
    return fields;
}

} // namespace

class ConfigFilesTest : public QObject
{
    Q_OBJECT
private slots:
    void lineFileRoundTripIsByteExact()
    {
        LessonRecord fields;
        fields[slot::ChapterTitle] = QStringLiteral("第一章 集合");
        fields[slot::LessonTitle] = QStringLiteral("集合的含义");
        fields[slot::DocumentFolder] = QStringLiteral("/opt/veltano/备课本");
        fields[slot::TextFiles] = QStringLiteral("高中\\a.txt 高中\\b.txt ");
        fields[slot::PictureFiles] = QStringLiteral("set\\image\\1.jpg ");
        fields[slot::WebAddress] = QStringLiteral("http://");
        QByteArray bytes;
        QVERIFY(configfile::encodeLineFile(fields, &bytes));
        QCOMPARE(bytes.count("\r\n"), 15);
        QVERIFY(bytes.contains(gbkBytes(QStringLiteral("高中\\a.txt 高中\\b.txt \r\n"))));
        QVERIFY(!bytes.contains('\n' + QByteArray("\n")));

        const LessonRecord back = readLines(bytes);
        for (int i = 0; i < kLineFileSlots; ++i)
            QCOMPARE(back[i], fields[i]);
    }

    void windowsWrittenFileReadsIntoSlots()
    {
        QFile file(QStringLiteral(VELTANO_TEST_DATA "/windows/集合的含义.spz"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        LessonRecord fields;
        QVERIFY(configfile::readLineFile(file, fields));
        QCOMPARE(fields[slot::ChapterTitle], QStringLiteral("第一章集合"));
        QCOMPARE(fields[slot::LessonTitle], QStringLiteral("集合的含义"));
        QCOMPARE(fields[slot::DocumentFolder], QStringLiteral("D:\\Veltano\\备课本"));
        QCOMPARE(fields[slot::DeckFiles], QStringLiteral("高中\\集合.ppt 高中\\练习.pps "));
        QCOMPARE(fields[slot::Music1], QStringLiteral("D:\\Veltano\\set\\music\\tn.mid"));
        QCOMPARE(fields[slot::WebAddress], QStringLiteral("http://www.pep.com.cn"));
        QCOMPARE(fields[slot::OtherProgram], QString());
    }

    void lineEndingsFollowCarriageReturns()
    {
        // An LF alone stays in the line; CR ends it; CR LF counts once; a last
        // line without its CR still counts.
        const LessonRecord fields = readLines("a\nb\r\rc\r\nd");
        QCOMPARE(fields[0], QStringLiteral("a\nb"));
        QCOMPARE(fields[1], QString());
        QCOMPARE(fields[2], QStringLiteral("c"));
        QCOMPARE(fields[3], QStringLiteral("d"));
    }

    void shortFileLeavesLaterSlotsAlone()
    {
        LessonRecord before;
        before[14] = QStringLiteral("/usr/bin/gcalctool");
        QByteArray nine;
        for (int i = 0; i < 9; ++i)
            nine += QByteArray::number(i) + "\r\n";
        const LessonRecord fields = readLines(nine, before);
        QCOMPARE(fields[8], QStringLiteral("8"));
        QCOMPARE(fields[9], QString());
        QCOMPARE(fields[14], QStringLiteral("/usr/bin/gcalctool"));
    }

    void linesPastFifteenAreIgnored()
    {
        QByteArray many;
        for (int i = 0; i < 20; ++i)
            many += QByteArray::number(i) + "\r\n";
        const LessonRecord fields = readLines(many);
        QCOMPARE(fields[14], QStringLiteral("14"));
        QCOMPARE(fields[15], QString());
    }

    void textGbkCannotHoldIsRefused()
    {
        LessonRecord fields;
        fields[slot::LessonTitle] = QStringLiteral("复习😀");
        QByteArray bytes;
        int bad = -1;
        QVERIFY(!configfile::encodeLineFile(fields, &bytes, &bad));
        QCOMPARE(bad, int(slot::LessonTitle));
    }

    void recordFileFillsElevenSlots()
    {
        const QStringList texts = {QStringLiteral("第二章"),
                                   QStringLiteral("函数"),
                                   QStringLiteral("D:\\备课本"),
                                   QStringLiteral("a.doc"),
                                   QStringLiteral("t.txt "),
                                   QString(),
                                   QString(),
                                   QStringLiteral("v.avi "),
                                   QStringLiteral("p.jpg "),
                                   QStringLiteral("http://a"),
                                   QStringLiteral("c:\\x.exe")};
        QBuffer buffer;
        buffer.setData(record(texts));
        buffer.open(QIODevice::ReadOnly);
        LessonRecord fields;
        fields[slot::Music1] = QStringLiteral("kept");
        QVERIFY(configfile::readRecordFile(buffer, fields));
        QCOMPARE(fields[0], texts[0]);
        QCOMPARE(fields[8], texts[8]);
        QCOMPARE(fields[13], texts[9]);
        QCOMPARE(fields[14], texts[10]);
        QCOMPARE(fields[slot::Music1], QStringLiteral("kept"));
    }

    void recordRunningPastItsEndIsRefused()
    {
        QByteArray bytes = record({QStringLiteral("x")});
        // Second text claims 200 bytes: past the 128-byte record.
        bytes[3] = char(200);
        QBuffer buffer;
        buffer.setData(bytes + QByteArray(300, 'z'));
        buffer.open(QIODevice::ReadOnly);
        LessonRecord fields;
        QVERIFY(!configfile::readRecordFile(buffer, fields));
        QCOMPARE(fields[0], QString());

        QBuffer truncated;
        truncated.setData(QByteArray("\x05\x00ab", 4));
        truncated.open(QIODevice::ReadOnly);
        QVERIFY(!configfile::readRecordFile(truncated, fields));
    }

    void formIsToldByExactEnding()
    {
        QCOMPARE(configfile::formOf(QStringLiteral("/a/b.spz")), configfile::Form::Line);
        QCOMPARE(configfile::formOf(QStringLiteral("/a/b.gsx")), configfile::Form::Record);
        QCOMPARE(configfile::formOf(QStringLiteral("/a/b.SPZ")), configfile::Form::Unknown);
        QCOMPARE(configfile::formOf(QStringLiteral("/a/b.txt")), configfile::Form::Unknown);
        QCOMPARE(
            configfile::formOf(QStringLiteral("/a/b.txt"), {QStringLiteral("spz"), QStringLiteral("txt")}),
            configfile::Form::Line);
    }

    void readReportsMissingFilesAndReadsNothingForOtherEndings()
    {
        QTemporaryDir dir;
        LessonRecord fields;
        QString error;
        QVERIFY(!configfile::read(dir.filePath(QStringLiteral("none.spz")), fields, &error));
        QVERIFY(!error.isEmpty());
        QVERIFY(configfile::read(dir.filePath(QStringLiteral("none.doc")), fields, &error));
    }

    void packRefusesOverlongRecords()
    {
        QByteArray out;
        QCOMPARE(recordtexts::pack({QString(64, QChar(u'字'))}, &out), recordtexts::PackResult::TooLong);
        QCOMPARE(recordtexts::pack({QString(63, QChar(u'a'))}, &out), recordtexts::PackResult::Ok);
        QCOMPARE(out.size(), 128);
    }
};

QTEST_GUILESS_MAIN(ConfigFilesTest)
#include "tst_configfiles.moc"
