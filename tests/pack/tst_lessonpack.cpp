#include "lesson/configfile.h"
#include "lesson/gbktext.h"
#include "lesson/lessonbook.h"
#include "pack/lessonpack.h"
#include "pack/packreader.h"
#include "pack/packwriter.h"
#include "support/filebytes.h"

#include <QDirIterator>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <zip.h>

using namespace lessonpack;

namespace {

QStringList filesBelow(const QString &folder)
{
    QStringList files;
    QDirIterator it(folder, QDir::Files | QDir::System | QDir::Hidden, QDirIterator::Subdirectories);
    while (it.hasNext())
        files << QDir(folder).relativeFilePath(it.next());
    files.sort();
    return files;
}

// A zip made member by member: raw name bytes (UTF-8 flag only when asked), data, a link.
struct RawMember {
    QByteArray name;
    QByteArray data;
    bool utf8 = true;
    bool link = false;
};

QByteArray makeZip(const QString &path, const QList<RawMember> &members)
{
    int code = 0;
    zip_t *zip = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &code);
    for (const RawMember &member : members) {
        zip_source_t *source = zip_source_buffer(zip, member.data.constData(), member.data.size(), 0);
        const zip_int64_t index = zip_file_add(zip, member.name.constData(), source,
                                               member.utf8 ? ZIP_FL_ENC_UTF_8 : ZIP_FL_ENC_CP437);
        if (member.link)
            zip_file_set_external_attributes(zip, index, 0, ZIP_OPSYS_UNIX, (S_IFLNK | 0777) << 16);
    }
    zip_close(zip);
    return filebytes::readAll(path);
}

const QByteArray kLesson = "章\r\n课\r\n";

} // namespace

class LessonPackTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_dir;
    QString m_here;    // the program folder a lesson is packed in
    QString m_there;   // an empty one it is unpacked in
    QString m_outside; // files a lesson names by full path
    QString m_lessonPath;

    LessonRecord lesson() const
    {
        LessonRecord fields;
        fields[slot::ChapterTitle] = QStringLiteral("第一章");
        fields[slot::LessonTitle] = QStringLiteral("集合");
        fields[slot::DocumentFolder] = QStringLiteral("D:\\Veltano\\备课本");
        fields[slot::DocumentFile] = QStringLiteral("高中\\讲义.doc");
        fields[slot::TextFiles] = QStringLiteral("高中\\a.txt 高中\\丢失.txt ");
        fields[slot::PictureFiles] = QStringLiteral("备课本\\图\\p.jpg set\\image\\1.jpg ");
        fields[slot::Music1] = m_here + QStringLiteral("/set/music/tn.mid");
        fields[slot::Picture1] = m_outside + QStringLiteral("/背景.jpg");
        fields[slot::Picture2] = m_outside + QStringLiteral("/别处/背景.jpg");
        fields[slot::OtherProgram] = m_outside + QStringLiteral("/tool");
        return fields;
    }

    // Packs lesson() from m_here into `zipPath`.
    PackPlan packed(const QString &zipPath)
    {
        PackPlan plan;
        QString error;
        if (!lessonpack::plan(lesson(), LessonBook(m_here), &plan, &error) ||
            !writePack(plan, zipPath, QStringLiteral("1.0"), &error))
            qWarning() << error;
        return plan;
    }

private slots:
    void init()
    {
        QVERIFY(m_dir.isValid());
        const QString round = QString::number(QRandomGenerator::global()->generate());
        m_here = m_dir.filePath(round + QStringLiteral("/here"));
        m_there = m_dir.filePath(round + QStringLiteral("/there"));
        m_outside = m_dir.filePath(round + QStringLiteral("/outside"));
        QDir().mkpath(m_there);
        filebytes::write(m_here + QStringLiteral("/备课本/高中/讲义.doc"), "doc");
        filebytes::write(m_here + QStringLiteral("/备课本/高中/a.txt"), "text");
        filebytes::write(m_here + QStringLiteral("/备课本/图/p.jpg"), "picture");
        filebytes::write(m_here + QStringLiteral("/set/image/1.jpg"), "installed");
        filebytes::write(m_here + QStringLiteral("/set/music/tn.mid"), "music");
        filebytes::write(m_outside + QStringLiteral("/背景.jpg"), "background 1");
        filebytes::write(m_outside + QStringLiteral("/别处/背景.jpg"), "background 2");
        filebytes::write(m_outside + QStringLiteral("/tool"), "program");
        QFile::setPermissions(m_outside + QStringLiteral("/tool"),
                              QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    }

    // The whole way: a lesson packed here plays there, every name relative.
    void packedLessonUnpacksIntoAnotherProgramFolder()
    {
        const QString zipPath = m_dir.filePath(QStringLiteral("pack.zip"));
        const PackPlan plan = packed(zipPath);
        QCOMPARE(plan.missing.size(), 1);
        QCOMPARE(plan.missing.first().stored, QStringLiteral("高中\\丢失.txt"));

        PackReader reader;
        QString error;
        QVERIFY2(reader.open(zipPath, &error), qPrintable(error));
        ImportPreview preview;
        QVERIFY2(reader.prepare(LessonBook(m_there), qint64(1) << 40, &preview, &error), qPrintable(error));
        QCOMPARE(preview.lessonMember, QStringLiteral("备课本/配置区/第一章/集合.spz"));
        QCOMPARE(preview.fileCount, 6);
        QVERIFY(preview.differing.isEmpty());
        QString lessonPath;
        QVERIFY2(reader.unpack(LessonBook(m_there), OnConflict::KeepBoth, &lessonPath, &error),
                 qPrintable(error));
        QCOMPARE(lessonPath, m_there + QStringLiteral("/备课本/配置区/第一章/集合.spz"));

        QCOMPARE(filesBelow(m_there), (QStringList{
                                          QStringLiteral("备课本/图/p.jpg"),
                                          QStringLiteral("备课本/配置区/第一章/集合.spz"),
                                          QStringLiteral("备课本/集合-附件/tool"),
                                          QStringLiteral("备课本/集合-附件/背景-2.jpg"),
                                          QStringLiteral("备课本/集合-附件/背景.jpg"),
                                          QStringLiteral("备课本/高中/a.txt"),
                                          QStringLiteral("备课本/高中/讲义.doc"),
                                      }));
        QCOMPARE(filebytes::readAll(m_there + QStringLiteral("/备课本/集合-附件/背景-2.jpg")),
                 QByteArray("background 2"));
        // The lesson's other program can still be started; nothing else becomes a program.
        QVERIFY(QFileInfo(m_there + QStringLiteral("/备课本/集合-附件/tool")).isExecutable());
        QVERIFY(!QFileInfo(m_there + QStringLiteral("/备课本/高中/a.txt")).isExecutable());

        // A Windows lesson file: GBK, CR LF, backslashes; full paths now relative.
        const QByteArray bytes = filebytes::readAll(lessonPath);
        QCOMPARE(bytes.count("\r\n"), 15);
        QByteArray title;
        QVERIFY(gbk::encode(QStringLiteral("\r\n集合\r\n"), &title));
        QVERIFY(bytes.contains(title));
        LessonRecord back;
        QString readError;
        QVERIFY(configfile::read(lessonPath, back, &readError));
        QCOMPARE(back[slot::DocumentFolder], QStringLiteral("备课本"));
        QCOMPARE(back[slot::DocumentFile], QStringLiteral("高中\\讲义.doc"));
        QCOMPARE(back[slot::TextFiles], QStringLiteral("高中\\a.txt 高中\\丢失.txt "));
        QCOMPARE(back[slot::PictureFiles], QStringLiteral("备课本\\图\\p.jpg set\\image\\1.jpg "));
        QCOMPARE(back[slot::Music1], QStringLiteral("set\\music\\tn.mid"));
        QCOMPARE(back[slot::Picture1], QStringLiteral("备课本\\集合-附件\\背景.jpg"));
        QCOMPARE(back[slot::Picture2], QStringLiteral("备课本\\集合-附件\\背景-2.jpg"));
        QCOMPARE(back[slot::OtherProgram], QStringLiteral("备课本\\集合-附件\\tool"));
        QCOMPARE(LessonBook(m_there).openable(back[slot::Picture1]),
                 m_there + QStringLiteral("/备课本/集合-附件/背景.jpg"));

        // Names carry the UTF-8 flag: the strict reading returns them unchanged.
        zip_t *zip = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, nullptr);
        for (zip_int64_t i = 0; i < zip_get_num_entries(zip, 0); ++i) {
            const QByteArray raw = zip_get_name(zip, i, ZIP_FL_ENC_RAW);
            QCOMPARE(QByteArray(zip_get_name(zip, i, ZIP_FL_ENC_STRICT)), raw);
        }
        zip_discard(zip);
    }

    void unsafeMembersAreRefusedByName_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<bool>("link");
        QTest::addColumn<QString>("why");
        QTest::newRow("parent") << QByteArray("备课本/../../evil.sh") << false << QStringLiteral("含“..”");
        QTest::newRow("backslash parent")
            << QByteArray("备课本\\..\\..\\evil.sh") << false << QStringLiteral("含“..”");
        QTest::newRow("absolute") << QByteArray("/etc/evil") << false << QStringLiteral("是绝对路径");
        QTest::newRow("drive") << QByteArray("C:/Windows/evil.exe") << false << QStringLiteral("含盘符");
        QTest::newRow("outside") << QByteArray("set/image/1.jpg") << false << QStringLiteral("不在备课本内");
        QTest::newRow("link") << QByteArray("备课本/图/p.jpg") << true << QStringLiteral("是链接");
    }

    // Nothing is written when one member is refused, and the message names it.
    void unsafeMembersAreRefusedByName()
    {
        QFETCH(QByteArray, name);
        QFETCH(bool, link);
        QFETCH(QString, why);
        const QString zipPath = m_dir.filePath(QStringLiteral("bad.zip"));
        makeZip(zipPath, {{QByteArray("备课本/配置区/课.spz"), kLesson},
                          {name, QByteArray("/etc/passwd"), true, link}});
        PackReader reader;
        QString error;
        QVERIFY(!reader.open(zipPath, &error));
        QVERIFY2(error.contains(QString::fromUtf8(name)) && error.contains(why), qPrintable(error));
        QVERIFY(filesBelow(m_there).isEmpty());
    }

    // A zip bomb, a changed member and too little room: refused before anything is written.
    void oversizedOrChangedPacksWriteNothing()
    {
        QString error;
        const QString bomb = m_dir.filePath(QStringLiteral("bomb.zip"));
        makeZip(bomb, {{QByteArray("备课本/配置区/课.spz"), kLesson},
                       {QByteArray("备课本/zero"), QByteArray(4 << 20, 0)}});
        PackReader bombReader;
        QVERIFY(!bombReader.open(bomb, &error));
        QVERIFY2(error.contains(QStringLiteral("备课本/zero")) && error.contains(QStringLiteral("100 倍")),
                 qPrintable(error));

        const QString zipPath = m_dir.filePath(QStringLiteral("changed.zip"));
        packed(zipPath);
        zip_t *zip = zip_open(QFile::encodeName(zipPath).constData(), 0, nullptr);
        const zip_int64_t index = zip_name_locate(zip, "备课本/图/p.jpg", 0);
        QVERIFY(index >= 0);
        static const char kSameSize[] = "PICTURE";
        zip_file_replace(zip, index, zip_source_buffer(zip, kSameSize, 7, 0), ZIP_FL_ENC_UTF_8);
        QCOMPARE(zip_close(zip), 0);
        PackReader changed;
        ImportPreview preview;
        QVERIFY2(changed.open(zipPath, &error), qPrintable(error));
        QVERIFY(!changed.prepare(LessonBook(m_there), qint64(1) << 40, &preview, &error));
        QVERIFY2(error.contains(QStringLiteral("备课本/图/p.jpg")) &&
                     error.contains(QStringLiteral("校验和")),
                 qPrintable(error));

        const QString whole = m_dir.filePath(QStringLiteral("whole.zip"));
        packed(whole);
        PackReader tooBig;
        QVERIFY(tooBig.open(whole, &error));
        QVERIFY(!tooBig.prepare(LessonBook(m_there), 10, &preview, &error));
        QVERIFY2(error.contains(QStringLiteral("可用空间")), qPrintable(error));
        QString lessonPath;
        QVERIFY(!tooBig.unpack(LessonBook(m_there), OnConflict::Replace, &lessonPath, &error));
        QVERIFY(filesBelow(m_there).isEmpty());
    }

    // Zipped by hand on a Chinese Windows: GBK names without the UTF-8 flag, no manifest.
    void gbkNamesWithoutTheFlagImport()
    {
        QByteArray lessonName, pictureName;
        QVERIFY(gbk::encode(QStringLiteral("备课本/配置区/几何.spz"), &lessonName));
        QVERIFY(gbk::encode(QStringLiteral("备课本/图/三角.jpg"), &pictureName));
        const QString zipPath = m_dir.filePath(QStringLiteral("windows.zip"));
        makeZip(zipPath, {{lessonName, kLesson, false}, {pictureName, QByteArray("jpg"), false}});
        PackReader reader;
        QString error;
        ImportPreview preview;
        QString lessonPath;
        QVERIFY2(reader.open(zipPath, &error), qPrintable(error));
        QVERIFY2(reader.prepare(LessonBook(m_there), qint64(1) << 40, &preview, &error), qPrintable(error));
        QVERIFY(reader.unpack(LessonBook(m_there), OnConflict::KeepBoth, &lessonPath, &error));
        QCOMPARE(lessonPath, m_there + QStringLiteral("/备课本/配置区/几何.spz"));
        QCOMPARE(filebytes::readAll(lessonPath), kLesson);
        QCOMPARE(filebytes::readAll(m_there + QStringLiteral("/备课本/图/三角.jpg")), QByteArray("jpg"));
    }

    // A file that differs here is listed; kept, the packed one is renamed and the lesson names it.
    void differingFilesAreKeptOrReplaced()
    {
        const QString zipPath = m_dir.filePath(QStringLiteral("pack.zip"));
        packed(zipPath);
        const QString picture = m_there + QStringLiteral("/备课本/图/p.jpg");
        const QString background = m_there + QStringLiteral("/备课本/集合-附件/背景.jpg");
        filebytes::write(picture, "teacher's own picture");
        filebytes::write(background, "teacher's own background");
        filebytes::write(m_there + QStringLiteral("/备课本/高中/a.txt"), "text"); // the same: no conflict

        for (const OnConflict choice : {OnConflict::KeepBoth, OnConflict::Replace}) {
            PackReader reader;
            QString error;
            ImportPreview preview;
            QString lessonPath;
            QVERIFY(reader.open(zipPath, &error));
            QVERIFY2(reader.prepare(LessonBook(m_there), qint64(1) << 40, &preview, &error),
                     qPrintable(error));
            QVERIFY(reader.unpack(LessonBook(m_there), choice, &lessonPath, &error));
            LessonRecord back;
            QVERIFY(configfile::read(lessonPath, back, &error));
            if (choice == OnConflict::KeepBoth) {
                QCOMPARE(preview.differing, (QStringList{QStringLiteral("备课本/图/p.jpg"),
                                                         QStringLiteral("备课本/集合-附件/背景.jpg")}));
                QCOMPARE(filebytes::readAll(picture), QByteArray("teacher's own picture"));
                // A list ends its names at a space; a single name may hold one.
                QCOMPARE(back[slot::PictureFiles], QStringLiteral("备课本\\图\\p(2).jpg set\\image\\1.jpg "));
                QCOMPARE(back[slot::Picture1], QStringLiteral("备课本\\集合-附件\\背景 (2).jpg"));
                QCOMPARE(filebytes::readAll(m_there + QStringLiteral("/备课本/集合-附件/背景 (2).jpg")),
                         QByteArray("background 1"));
            } else {
                QCOMPARE(filebytes::readAll(picture), QByteArray("picture"));
                QCOMPARE(filebytes::readAll(background), QByteArray("background 1"));
                QCOMPARE(back[slot::PictureFiles], QStringLiteral("备课本\\图\\p.jpg set\\image\\1.jpg "));
            }
        }
    }
};

QTEST_GUILESS_MAIN(LessonPackTest)
#include "tst_lessonpack.moc"
