// The editor's file passes without a window: save, read, apply and the settings record.

#include "editor/logic/editorfields.h"
#include "editor/logic/lessonfiles.h"
#include "editor/logic/lessonsaver.h"
#include "editor/logic/settingswriter.h"
#include "lesson/settingsfile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

void writeAll(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QString fixture(const char *name)
{
    return QStringLiteral(VELTANO_TEST_DATA "/editor/") + QLatin1String(name);
}

} // namespace

class TestEditorFiles : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_root; // the document folder, <tmp>/备课本

    editorfields::PageTexts typedLesson() const
    {
        editorfields::PageTexts page;
        page[0] = QStringLiteral("第一章");
        page[1] = QStringLiteral("第一课");
        page[2] = m_root;
        page[4] = QStringLiteral("高中\\a.txt 高中\\b.txt ");
        page[9] = QStringLiteral("http://");
        return page;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        m_root = m_dir.filePath(QStringLiteral("备课本"));
        QDir(m_root).removeRecursively();
        QVERIFY(QDir().mkdir(m_root));
    }

    void savedFileIsByteExact()
    {
        const auto outcome = LessonSaver::save(typedLesson(), {}, false);
        QVERIFY(outcome.saved);
        const QString expectedPath = m_root + QStringLiteral("/配置区/第一章/第一课.spz");
        QCOMPARE(outcome.path, expectedPath);
        QCOMPARE(outcome.notice.text, QStringLiteral("已将文件保存为“") + expectedPath + QStringLiteral("”"));
        QCOMPARE(outcome.notice.title, QStringLiteral("提示"));
        QCOMPARE(outcome.notice.icon, EditorNotice::Icon::Warning);

        QByteArray expected = QByteArray::fromHex("b5dad2bbd5c2") + "\r\n" +
                              QByteArray::fromHex("b5dad2bbbfce") + "\r\n" + m_dir.path().toLatin1() + "/" +
                              QByteArray::fromHex("b1b8bfceb1be") + "\r\n\r\n" +
                              QByteArray::fromHex("b8dfd6d0") + "\\a.txt " + QByteArray::fromHex("b8dfd6d0") +
                              "\\b.txt \r\n" + QByteArray("\r\n").repeated(8) + "http://\r\n\r\n";
        QCOMPARE(readAll(expectedPath), expected);
    }

    void savedFileReadsBackIntoEveryField()
    {
        editorfields::PageTexts page;
        for (int i = 0; i < editorfields::kFieldCount; ++i)
            page[i] = QStringLiteral("字段%1").arg(i);
        page[2] = m_root;
        const editorfields::Backgrounds backgrounds = {QStringLiteral("/m/1.mp3"), QStringLiteral("/m/2.mid"),
                                                       QStringLiteral("/b/1.jpg"),
                                                       QStringLiteral("/b/2.jpg")};
        const auto outcome = LessonSaver::save(page, backgrounds, false);
        QVERIFY(outcome.saved);

        LessonRecord fields;
        fields[15] = QStringLiteral("untouched");
        QCOMPARE(lessonfiles::readLesson(outcome.path, fields), page);
        QCOMPARE(editorfields::backgroundsOf(fields), backgrounds);
        QCOMPARE(fields[slot::WebAddress], page[9]);
        QCOMPARE(fields[slot::OtherProgram], page[10]);
        QCOMPARE(fields[15], QStringLiteral("untouched"));
    }

    void windowsFilesReadIntoThePage()
    {
        LessonRecord fields;
        const auto spz = lessonfiles::readLesson(fixture("windows-lesson.spz"), fields);
        QCOMPARE(spz[0], QStringLiteral("第一章 力"));
        QCOMPARE(spz[4], QStringLiteral("高中\\a.txt 高中\\b.rtf "));
        QCOMPARE(spz[8], QStringLiteral("set\\image\\1.jpg 备课本\\高中\\图.jpg "));
        QCOMPARE(spz[9], QStringLiteral("http://www.example.cn/"));
        QCOMPARE(spz[10], QStringLiteral("C:\\Windows\\notepad.exe"));
        QCOMPARE(fields[slot::Picture1], QStringLiteral("D:\\Veltano\\set\\bj\\秋.jpg"));

        // The record file goes onto the page only; the record stays empty.
        const auto gsx = lessonfiles::readLesson(fixture("windows-lesson.gsx"), fields);
        const editorfields::PageTexts expected = {
            QStringLiteral("第二章"),        QStringLiteral("第二课"),
            QStringLiteral("D:\\V\\备课本"), QStringLiteral("初中\\讲义.doc"),
            QStringLiteral("初中\\c.txt "),  QStringLiteral("初中\\d.ppt "),
            QStringLiteral("e.swf "),        QStringLiteral("备课本\\f.mp3 "),
            QStringLiteral("g.jpg "),        QStringLiteral("http://x.cn/"),
            QStringLiteral("calc.exe")};
        QCOMPARE(gsx, expected);
        for (int i = 0; i < kLineFileSlots; ++i)
            QVERIFY(fields[i].isEmpty());
    }

    void capitalEndingAndShortFilesReadAsLittleAsThereIs()
    {
        const QString capital = m_dir.filePath(QStringLiteral("lesson.SPZ"));
        QFile::copy(fixture("windows-lesson.spz"), capital);
        LessonRecord fields;
        fields[3] = QStringLiteral("old");
        editorfields::PageTexts empty;
        empty[9] = QStringLiteral("http://");
        QCOMPARE(lessonfiles::readLesson(capital, fields), empty);
        QVERIFY(fields[3].isEmpty());

        // Nine lines: no web address, so the page shows "http://".
        const auto nine = lessonfiles::readLesson(fixture("nine-lines.spz"), fields);
        QCOMPARE(nine[8], QStringLiteral("set\\image\\1.jpg 备课本\\高中\\图.jpg "));
        QCOMPARE(nine[9], QStringLiteral("http://"));
    }

    void applyingBackgroundsGivesFifteenLines()
    {
        const QString path = m_dir.filePath(QStringLiteral("nine.spz"));
        QFile::remove(path);
        QVERIFY(QFile::copy(fixture("nine-lines.spz"), path));
        QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner);
        const auto notice =
            lessonfiles::applyBackgrounds(path, {QStringLiteral("/set/music/tn.mid"), QString(),
                                                 QStringLiteral("/set/bj/a.jpg"), QString()});
        QVERIFY(notice);
        QCOMPARE(notice->text, QStringLiteral("设置已应用于“") + path + QStringLiteral("中”"));
        QCOMPARE(notice->title, QStringLiteral("提示"));
        QCOMPARE(readAll(path), readAll(fixture("nine-lines.spz")) +
                                    "/set/music/tn.mid\r\n\r\n/set/bj/a.jpg\r\n\r\n\r\n\r\n");

        // A file that cannot be read ends the command without a word.
        QVERIFY(!lessonfiles::applyBackgrounds(m_dir.filePath(QStringLiteral("missing.spz")), {}));
    }

    void saveThatCannotBeDoneSaysWhyAndWritesNothing_data()
    {
        QTest::addColumn<int>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reason");
        QTest::newRow("slash in title")
            << 1 << QStringLiteral("a/b") << QStringLiteral("本节课题含有文件名不能使用的字符“/”");
        QTest::newRow("Windows-only character") << 0 << QStringLiteral("第?章") << QStringLiteral("“?”");
        QTest::newRow("parent folder") << 0 << QStringLiteral("..") << QStringLiteral("不能用作文件名");
        QTest::newRow("missing document folder")
            << 2 << QStringLiteral("/nowhere/备课本") << QStringLiteral("不存在");
        QTest::newRow("text GBK cannot hold")
            << 4 << QStringLiteral("a😀.txt ") << QStringLiteral("“文本文件名”中有系统编码无法保存的字符");
    }

    void saveThatCannotBeDoneSaysWhyAndWritesNothing()
    {
        QFETCH(int, field);
        QFETCH(QString, text);
        QFETCH(QString, reason);
        editorfields::PageTexts page = typedLesson();
        page[field] = text;
        const auto outcome = LessonSaver::save(page, {}, false);
        QVERIFY(!outcome.saved);
        QVERIFY2(outcome.notice.text.startsWith(QStringLiteral("无法保存“") + outcome.path +
                                                QStringLiteral("”：")),
                 qPrintable(outcome.notice.text));
        QVERIFY2(outcome.notice.text.contains(reason), qPrintable(outcome.notice.text));
        QCOMPARE(outcome.notice.title, QStringLiteral("提示"));
        QVERIFY(!QFileInfo::exists(m_root + QStringLiteral("/配置区")));
    }

    void folderThatCannotBeCreatedKeepsTheOldFile()
    {
        QVERIFY(QDir().mkpath(m_root + QStringLiteral("/配置区")));
        writeAll(m_root + QStringLiteral("/配置区/第一章"), "not a folder");
        const auto outcome = LessonSaver::save(typedLesson(), {}, false);
        QVERIFY(!outcome.saved);
        QVERIFY(outcome.notice.text.contains(QStringLiteral("不能建立同名文件夹")));
        QCOMPARE(readAll(m_root + QStringLiteral("/配置区/第一章")), QByteArray("not a folder"));
    }

    void savingAgainKeepsTheFilesBackgroundLines()
    {
        const editorfields::Backgrounds read = {QStringLiteral("m1"), QStringLiteral("m2"),
                                                QStringLiteral("p1"), QStringLiteral("p2")};
        const QString path = LessonSaver::save(typedLesson(), read, false).path;

        editorfields::PageTexts changed = typedLesson();
        changed[3] = QStringLiteral("新.doc");
        QVERIFY(LessonSaver::save(changed, {}, true).saved);
        LessonRecord fields;
        QCOMPARE(lessonfiles::readLesson(path, fields)[3], QStringLiteral("新.doc"));
        QCOMPARE(editorfields::backgroundsOf(fields), read);

        // After a "读取" that brought no backgrounds (a record file) empty lines are what is meant.
        QVERIFY(LessonSaver::save(changed, {}, false).saved);
        lessonfiles::readLesson(path, fields);
        QCOMPARE(editorfields::backgroundsOf(fields), editorfields::Backgrounds());
    }

    void settingsRecordForStageAndSubject()
    {
        const QString path = m_dir.filePath(QStringLiteral("config/Dravik.dll"));
        QDir().mkpath(m_dir.filePath(QStringLiteral("config")));
        const QByteArray record1 = QByteArray(128, 'R');
        writeAll(path, record1);
        const auto outcome = settingswriter::write(path, {QStringLiteral("学校"), QStringLiteral("初中"),
                                                          QStringLiteral("英语"), QStringLiteral("张老师")});
        QVERIFY(outcome.written);
        QCOMPARE(outcome.notice.text, QStringLiteral("系统设置修改完毕"));
        QCOMPARE(outcome.notice.title, QStringLiteral("修改系统设置"));
        QCOMPARE(outcome.notice.icon, EditorNotice::Icon::Information);
        const QByteArray texts = QByteArray::fromHex("0400d1a7d0a3"
                                                     "0800b3f5d6d0d3a2d3ef"
                                                     "0600d5c5c0cfcaa6");
        QCOMPARE(readAll(path), record1 + texts + QByteArray(128 - texts.size(), '\0'));
        QCOMPARE(SettingsFile(path).read().StageSubject, QStringLiteral("初中英语"));
    }

    void settingsRefusedWithoutWriting_data()
    {
        QTest::addColumn<QString>("unit");
        QTest::addColumn<QString>("teacher");
        QTest::addColumn<QString>("message");
        // 57 + 8 + 58 = 123 bytes: one more than the record holds.
        QTest::newRow("123 bytes")
            << QString(57, QLatin1Char('u')) << QString(58, QLatin1Char('t'))
            << QStringLiteral(
                   "单位、学科与执教者姓名共123个字节，超过了设置文件能保存的122个字节，请缩短后再试。");
        QTest::newRow("no teacher") << QStringLiteral("学校") << QString()
                                    << QStringLiteral("请输入单位名称与执教者姓名。");
        QTest::newRow("emoji") << QStringLiteral("学校😀") << QStringLiteral("张")
                               << QStringLiteral("“单位”中有系统编码无法保存的字符，请修改后再试。");
    }

    void settingsRefusedWithoutWriting()
    {
        QFETCH(QString, unit);
        QFETCH(QString, teacher);
        QFETCH(QString, message);
        const QString path =
            m_dir.filePath(QLatin1String(QTest::currentDataTag()) + QStringLiteral("/Dravik.dll"));
        const auto outcome =
            settingswriter::write(path, {unit, QStringLiteral("高中"), QStringLiteral("数学"), teacher});
        QVERIFY(!outcome.written);
        QCOMPARE(outcome.notice.text, message);
        QCOMPARE(outcome.notice.title, QStringLiteral("提示"));
        QVERIFY(!QFileInfo::exists(path));

        // 122 bytes exactly still fit.
        if (QTest::currentDataTag() == QByteArray("123 bytes"))
            QVERIFY(settingswriter::write(
                        path, {unit.left(56), QStringLiteral("高中"), QStringLiteral("数学"), teacher})
                        .written);
    }
};

QTEST_GUILESS_MAIN(TestEditorFiles)
#include "tst_editorfiles.moc"
