#include "lesson/configfile.h"
#include "lesson/gbktext.h"
#include "lesson/lessonbook.h"
#include "pack/lessonpack.h"
#include "pack/packprogress.h"
#include "pack/packreader.h"
#include "pack/packtasks.h"
#include "pack/packwriter.h"
#include "pack/staging.h"
#include "rawzip.h"
#include "support/filebytes.h"

#include <QDirIterator>
#include <QProcess>
#include <QTemporaryDir>
#include <QtTest>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>
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

// Every file and folder below `folder`, hidden ones too (a staging folder left behind).
QStringList everythingBelow(const QString &folder)
{
    QStringList found;
    QDirIterator it(folder, QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot,
                    QDirIterator::Subdirectories);
    while (it.hasNext())
        found << QDir(folder).relativeFilePath(it.next());
    found.sort();
    return found;
}

// A lesson file with the given fields set, as the Windows version writes it.
QByteArray lessonBytes(const QList<std::pair<int, QString>> &set)
{
    LessonRecord fields;
    fields[slot::ChapterTitle] = QStringLiteral("章");
    fields[slot::LessonTitle] = QStringLiteral("课");
    for (const auto &[field, text] : set)
        fields[field] = text;
    QByteArray bytes;
    configfile::encodeLineFile(fields, &bytes);
    return bytes;
}

QByteArray randomBytes(int size)
{
    QByteArray bytes(size, '\0');
    QRandomGenerator::global()->fillRange(reinterpret_cast<quint32 *>(bytes.data()), size / 4);
    return bytes;
}

// Cancels once the first bytes have gone through.
class CancelAtOnce : public Progress
{
public:
    bool advance(qint64 bytes) override
    {
        Progress::advance(bytes);
        cancel();
        return false;
    }
};

const QByteArray kLesson = "章\r\n课\r\n";
const Room kRoom{qint64(1) << 40};

} // namespace

Q_DECLARE_METATYPE(lessonpack::Room)
Q_DECLARE_METATYPE(rawzip::Member)

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

    // Opens, checks and unpacks a pack into `programFolder`; the first step that fails says why.
    bool imported(const QString &zipPath, const QString &programFolder, OnConflict choice,
                  QString *lessonPath, QString *error, ImportPreview *preview = nullptr,
                  Progress *progress = nullptr)
    {
        PackReader reader;
        ImportPreview shown;
        return reader.open(zipPath, error) &&
               reader.prepare(LessonBook(programFolder), kRoom, nullptr, preview ? preview : &shown, error) &&
               reader.unpack(LessonBook(programFolder), choice, progress, lessonPath, error);
    }

    QString writeRaw(const QString &name, const QList<rawzip::Member> &members)
    {
        const QString path = m_dir.filePath(name);
        filebytes::write(path, rawzip::build(members));
        return path;
    }

    // Packs lesson() from m_here into `zipPath`.
    PackPlan packed(const QString &zipPath)
    {
        PackPlan plan;
        QString error;
        if (!lessonpack::plan(lesson(), LessonBook(m_here), m_outside, &plan, &error) ||
            !writePack(plan, zipPath, QStringLiteral("1.0"), nullptr, &error))
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
        QVERIFY2(reader.prepare(LessonBook(m_there), kRoom, nullptr, &preview, &error), qPrintable(error));
        QCOMPARE(preview.lessonMember, QStringLiteral("备课本/配置区/第一章/集合.spz"));
        QCOMPARE(preview.fileCount, 6);
        QVERIFY(preview.differing.isEmpty());
        QString lessonPath;
        QVERIFY2(reader.unpack(LessonBook(m_there), OnConflict::KeepBoth, nullptr, &lessonPath, &error),
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
        QVERIFY(!changed.prepare(LessonBook(m_there), kRoom, nullptr, &preview, &error));
        QVERIFY2(error.contains(QStringLiteral("备课本/图/p.jpg")) &&
                     error.contains(QStringLiteral("校验和")),
                 qPrintable(error));

        const QString whole = m_dir.filePath(QStringLiteral("whole.zip"));
        packed(whole);
        PackReader tooBig;
        QVERIFY(tooBig.open(whole, &error));
        QVERIFY(!tooBig.prepare(LessonBook(m_there), Room{10}, nullptr, &preview, &error));
        QVERIFY2(error.contains(QStringLiteral("可用空间")), qPrintable(error));
        QString lessonPath;
        QVERIFY(!tooBig.unpack(LessonBook(m_there), OnConflict::Replace, nullptr, &lessonPath, &error));
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
        QVERIFY2(reader.prepare(LessonBook(m_there), kRoom, nullptr, &preview, &error), qPrintable(error));
        QVERIFY(reader.unpack(LessonBook(m_there), OnConflict::KeepBoth, nullptr, &lessonPath, &error));
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
            QVERIFY2(reader.prepare(LessonBook(m_there), kRoom, nullptr, &preview, &error),
                     qPrintable(error));
            QVERIFY(reader.unpack(LessonBook(m_there), choice, nullptr, &lessonPath, &error));
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

    // Packing takes nothing private, whoever's lesson names it, and lists what
    // it takes from outside the program and documents folders.
    void privateFilesAreNeverPackedAndOutsideOnesListed()
    {
        const QString home = m_dir.filePath(QStringLiteral("home"));
        const QByteArray savedHome = qgetenv("HOME");
        qputenv("HOME", QFile::encodeName(home));
        const QString key = filebytes::write(home + QStringLiteral("/.ssh/id_rsa"), "secret key");
        const QString history = filebytes::write(home + QStringLiteral("/.bash_history"), "history");
        QVERIFY(QFile::link(key, m_here + QStringLiteral("/备课本/图/key.jpg")));
        LessonRecord fields = lesson();
        fields[slot::PictureFiles] = QStringLiteral("备课本\\图\\p.jpg 备课本\\图\\key.jpg ");
        fields[slot::Music2] = history;
        fields[slot::Picture2] = QStringLiteral("/etc/passwd");
        fields[slot::MediaFiles] = key + QLatin1Char(' ');
        PackPlan plan;
        QString error;
        QVERIFY(lessonpack::plan(fields, LessonBook(m_here), home + QStringLiteral("/文档"), &plan, &error));
        qputenv("HOME", savedHome);
        QStringList refused;
        for (const CheckItem &item : plan.refused)
            refused << item.stored;
        refused.sort();
        QStringList expected{QStringLiteral("/etc/passwd"), key, history,
                             QStringLiteral("备课本\\图\\key.jpg")};
        expected.sort();
        QCOMPARE(refused, expected);
        for (const PackFile &file : plan.files)
            QVERIFY2(!file.source.contains(QLatin1String("ssh")) &&
                         !file.source.startsWith(QLatin1String("/etc")),
                     qPrintable(file.source));
        QCOMPARE(plan.outside,
                 (QStringList{m_outside + QStringLiteral("/背景.jpg"), m_outside + QStringLiteral("/tool")}));
        QVERIFY(!plan.lessonBytes.contains("ssh") && !plan.lessonBytes.contains("passwd"));
    }

    // A pack's lesson may name only files below the program folder it lands in.
    void importedLessonsNameNothingOutsideTheProgramFolder()
    {
        filebytes::write(m_there + QStringLiteral("/备课本/keep.txt"), "kept text");
        const QString zipPath = writeRaw(
            QStringLiteral("private.zip"),
            {{"备课本/配置区/课.spz",
              lessonBytes({{slot::TextFiles, QStringLiteral("a.txt 备课本\\..\\..\\..\\..\\etc\\shadow ")},
                           {slot::DocumentFile, QStringLiteral("/etc/hostname")},
                           {slot::Picture1, QStringLiteral("/etc/passwd")},
                           {slot::Picture2, QStringLiteral("备课本\\a.txt")},
                           {slot::WebAddress, QStringLiteral("file:///etc/passwd")}})},
             {"备课本/a.txt", "text"}});
        QString lessonPath;
        QString error;
        ImportPreview preview;
        QVERIFY2(imported(zipPath, m_there, OnConflict::KeepBoth, &lessonPath, &error, &preview),
                 qPrintable(error));
        QCOMPARE(preview.dropped.size(), 4);
        QVERIFY(lessonpack::unpackedText(preview, lessonPath).contains(QStringLiteral("/etc/passwd")));
        LessonRecord back;
        QVERIFY(configfile::read(lessonPath, back, &error));
        QCOMPARE(back[slot::TextFiles], QStringLiteral("a.txt "));
        QVERIFY(back[slot::DocumentFile].isEmpty() && back[slot::Picture1].isEmpty() &&
                back[slot::WebAddress].isEmpty());
        QCOMPARE(back[slot::Picture2], QStringLiteral("备课本\\a.txt"));
    }

    // Refused before anything is written: one piece of data under twenty names,
    // a member below an existing file, a name too long for the file system, and
    // many small files that fit by bytes but not by blocks.
    void packsThatCannotLandWhole_data()
    {
        QTest::addColumn<QList<rawzip::Member>>("members");
        QTest::addColumn<Room>("room");
        QTest::addColumn<QString>("why");
        const rawzip::Member lesson{"备课本/配置区/课.spz", kLesson};
        QList<rawzip::Member> shared{lesson, {"备课本/a.bin", randomBytes(100000)}};
        for (int i = 0; i < 20; ++i)
            shared.append({"备课本/copy" + QByteArray::number(i), {}, false, 1});
        QTest::newRow("overlapping") << shared << kRoom << QStringLiteral("重叠");
        QTest::newRow("below a file") << QList<rawzip::Member>{lesson, {"备课本/图/p.jpg/q.jpg", "x"}}
                                      << kRoom << QStringLiteral("之下");
        QTest::newRow("long name") << QList<rawzip::Member>{lesson, {"备课本/" + QByteArray(300, 'n'), "x"}}
                                   << kRoom << QStringLiteral("名称过长");
        QList<rawzip::Member> small{lesson};
        for (int i = 0; i < 2000; ++i)
            small.append({"备课本/小/" + QByteArray::number(i), "x"});
        QTest::newRow("blocks") << small << Room{qint64(6) << 20, 4096, -1} << QStringLiteral("可用空间");
    }

    void packsThatCannotLandWhole()
    {
        QFETCH(QList<rawzip::Member>, members);
        QFETCH(Room, room);
        QFETCH(QString, why);
        filebytes::write(m_there + QStringLiteral("/备课本/图/p.jpg"), "teacher's own");
        const QStringList before = everythingBelow(m_there);
        PackReader reader;
        ImportPreview preview;
        QString error;
        QString lessonPath;
        const bool passed = reader.open(writeRaw(QStringLiteral("refused.zip"), members), &error) &&
                            reader.prepare(LessonBook(m_there), room, nullptr, &preview, &error);
        QVERIFY(!passed);
        QVERIFY2(error.contains(why), qPrintable(error));
        QVERIFY(!reader.unpack(LessonBook(m_there), OnConflict::Replace, nullptr, &lessonPath, &error));
        QCOMPARE(everythingBelow(m_there), before);
    }

    // On a disk too small for what the free-space check let through, and on a
    // cancel, the lesson book is left as it was: no files under their names, no
    // staging folder, the teacher's replaced file back.
    void failedOrCancelledImportsLeaveNothing()
    {
        const QString zipPath = m_dir.filePath(QStringLiteral("pack.zip"));
        packed(zipPath);
        const QString own = filebytes::write(m_there + QStringLiteral("/备课本/图/p.jpg"), "teacher's own");
        const QStringList before = everythingBelow(m_there);
        QString lessonPath;
        QString error;
        CancelAtOnce cancel;
        QVERIFY(!imported(zipPath, m_there, OnConflict::Replace, &lessonPath, &error, nullptr, &cancel));
        QVERIFY2(error.contains(QStringLiteral("已取消")), qPrintable(error));
        QCOMPARE(everythingBelow(m_there), before);

        if (::geteuid() != 0)
            QSKIP("a small disk needs a tmpfs mounted as root; run as root to test a full disk");
        const QString disk = m_dir.filePath(QStringLiteral("disk"));
        QDir().mkpath(disk);
        QCOMPARE(QProcess::execute(QStringLiteral("mount"),
                                   {QStringLiteral("-t"), QStringLiteral("tmpfs"), QStringLiteral("-o"),
                                    QStringLiteral("size=1m"), QStringLiteral("tmpfs"), disk}),
                 0);
        const auto unmount = qScopeGuard([&disk] { QProcess::execute(QStringLiteral("umount"), {disk}); });
        filebytes::write(disk + QStringLiteral("/备课本/图/p.jpg"), "teacher's own");
        QList<rawzip::Member> big{{"备课本/配置区/课.spz", kLesson}, {"备课本/图/p.jpg", "packed"}};
        for (int i = 0; i < 8; ++i)
            big.append({"备课本/大/" + QByteArray::number(i), randomBytes(200000)});
        PackReader reader;
        ImportPreview preview;
        const QString full = writeRaw(QStringLiteral("full.zip"), big);
        QVERIFY(reader.open(full, &error));
        QVERIFY(!reader.prepare(LessonBook(disk), roomAt(disk + QStringLiteral("/备课本")), nullptr, &preview,
                                &error));
        QVERIFY2(error.contains(QStringLiteral("可用空间")), qPrintable(error));
        // Past a check that counted wrong, the disk fills while the members are written.
        QVERIFY(reader.prepare(LessonBook(disk), kRoom, nullptr, &preview, &error));
        QVERIFY(!reader.unpack(LessonBook(disk), OnConflict::Replace, nullptr, &lessonPath, &error));
        QCOMPARE(everythingBelow(disk), (QStringList{QStringLiteral("备课本"), QStringLiteral("备课本/图"),
                                                     QStringLiteral("备课本/图/p.jpg")}));
        QCOMPARE(filebytes::readAll(disk + QStringLiteral("/备课本/图/p.jpg")), QByteArray("teacher's own"));
        QCOMPARE(filebytes::readAll(own), QByteArray("teacher's own"));
    }

    // An import killed between its moves: the next start gives the teacher's
    // replaced file back and takes away what the import had brought.
    void importKilledWhileMovingIsUndoneAtTheNextStart()
    {
        const LessonBook book(m_there);
        const QString own = filebytes::write(m_there + QStringLiteral("/备课本/图/p.jpg"), "teacher's own");
        const pid_t child = ::fork();
        if (child == 0) {
            lessonpack::Staging staging(book);
            QString error;
            if (!staging.create(&error))
                ::_exit(2);
            const auto stage = [&staging](const QByteArray &bytes, const QString &target) {
                const QString file = staging.newFile();
                filebytes::write(file, bytes);
                staging.add(file, target);
            };
            stage("packed", own);
            stage("new", m_there + QStringLiteral("/备课本/新/b.txt"));
            stage(kLesson, m_there + QStringLiteral("/备课本/配置区/课.spz"));
            // Killed after the second move: nothing of the process runs on.
            staging.commit(&error, [](int moved) {
                if (moved == 1)
                    ::_exit(0);
            });
            ::_exit(3);
        }
        int status = -1;
        QCOMPARE(::waitpid(child, &status, 0), child);
        QVERIFY(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        QCOMPARE(filebytes::readAll(own), QByteArray("packed"));

        removeStaleStaging(book);
        QCOMPARE(everythingBelow(m_there), (QStringList{QStringLiteral("备课本"), QStringLiteral("备课本/图"),
                                                        QStringLiteral("备课本/图/p.jpg")}));
        QCOMPARE(filebytes::readAll(own), QByteArray("teacher's own"));
    }

    // What zip tools write: an entry for each folder, the lesson book's own among them.
    void packsZippedByHandWithFolderEntriesImport()
    {
        const QString made = m_dir.filePath(QStringLiteral("made"));
        filebytes::write(made + QStringLiteral("/备课本/配置区/几何.spz"), kLesson);
        filebytes::write(made + QStringLiteral("/备课本/图/三角.jpg"), "jpg");
        QList<QStringList> tools{{QStringLiteral("zip"), QStringLiteral("-qr")}};
        if (!QStandardPaths::findExecutable(QStringLiteral("7z")).isEmpty())
            tools.append(
                {QStringLiteral("7z"), QStringLiteral("a"), QStringLiteral("-bd"), QStringLiteral("-tzip")});
        else
            qWarning("7z is not installed: only zip -r is tested");
        for (const QStringList &tool : tools) {
            const QString zipPath = m_dir.filePath(tool.first() + QStringLiteral(".zip"));
            QProcess zip;
            zip.setWorkingDirectory(made);
            zip.start(tool.first(), tool.mid(1) + QStringList{zipPath, QStringLiteral("备课本")});
            QVERIFY(zip.waitForFinished() && zip.exitCode() == 0);
            const QString there = m_dir.filePath(tool.first());
            QDir().mkpath(there);
            QString lessonPath;
            QString error;
            QVERIFY2(imported(zipPath, there, OnConflict::KeepBoth, &lessonPath, &error), qPrintable(error));
            QCOMPARE(filesBelow(there), (QStringList{QStringLiteral("备课本/图/三角.jpg"),
                                                     QStringLiteral("备课本/配置区/几何.spz")}));
        }
        // Folder entries outside the lesson book are still refused.
        PackReader reader;
        QString error;
        QVERIFY(!reader.open(
            writeRaw(QStringLiteral("folder.zip"), {{"备课本/配置区/课.spz", kLesson}, {"set/", ""}}),
            &error));
        QVERIFY2(error.contains(QStringLiteral("不在备课本内")), qPrintable(error));
    }

    // Chapters, titles and attachments with characters Windows refuses or spaces
    // get names every computer takes; the packed lesson still names every file.
    void packedNamesImportEverywhere()
    {
        filebytes::write(m_outside + QStringLiteral("/my pic.jpg"), "picture");
        filebytes::write(m_outside + QStringLiteral("/a:b|c.jpg"), "picture 2");
        LessonRecord fields = lesson();
        fields[slot::ChapterTitle] = QStringLiteral("第一章: 集合/函数");
        fields[slot::LessonTitle] = QStringLiteral("集合 初步?");
        fields[slot::Picture1] = m_outside + QStringLiteral("/my pic.jpg");
        fields[slot::PictureFiles] = m_outside + QStringLiteral("/a:b|c.jpg ");
        PackPlan plan;
        QString error;
        QVERIFY(lessonpack::plan(fields, LessonBook(m_here), m_outside, &plan, &error));
        QCOMPARE(plan.lessonMember, QStringLiteral("备课本/配置区/第一章__集合_函数/集合_初步_.spz"));
        const QString zipPath = m_dir.filePath(QStringLiteral("names.zip"));
        QVERIFY2(writePack(plan, zipPath, QStringLiteral("1.0"), nullptr, &error), qPrintable(error));
        QString lessonPath;
        QVERIFY2(imported(zipPath, m_there, OnConflict::KeepBoth, &lessonPath, &error), qPrintable(error));
        LessonRecord back;
        QVERIFY(configfile::read(lessonPath, back, &error));
        QCOMPARE(back[slot::Picture1], QStringLiteral("备课本\\集合_初步_-附件\\my_pic.jpg"));
        QCOMPARE(back[slot::PictureFiles], QStringLiteral("备课本\\集合_初步_-附件\\a_b_c.jpg "));
        for (const CheckItem &item : lessonmedia::itemsOf(back, LessonBook(m_there)))
            QVERIFY2(QFileInfo(item.path).isFile() || item.stored.contains(QStringLiteral("丢失")) ||
                         item.stored.startsWith(QStringLiteral("set\\")),
                     qPrintable(item.stored));
    }

    // Keep-both renames every form of the name a Windows lesson uses, and a
    // second import of the same pack copies nothing it already brought.
    void keepBothRenamesWindowsNamesAndNeverCopiesTwice()
    {
        const QString zipPath = writeRaw(
            QStringLiteral("windows.zip"),
            {{"备课本/配置区/手工.spz",
              lessonBytes({{slot::Picture1, QStringLiteral("D:\\Veltano\\备课本\\手工\\图一.jpg")},
                           {slot::PictureFiles, QStringLiteral("D:\\Veltano\\备课本\\手工\\图一.JPG ")}})},
             {"备课本/手工/图一.jpg", "packed picture"}});
        filebytes::write(m_there + QStringLiteral("/备课本/手工/图一.jpg"), "teacher's picture");
        QString lessonPath;
        QString error;
        QVERIFY2(imported(zipPath, m_there, OnConflict::KeepBoth, &lessonPath, &error), qPrintable(error));
        LessonRecord back;
        QVERIFY(configfile::read(lessonPath, back, &error));
        // Named in a list, where a space would end it, the kept name has none.
        QCOMPARE(back[slot::Picture1], QStringLiteral("备课本\\手工\\图一(2).jpg"));
        QCOMPARE(back[slot::PictureFiles], QStringLiteral("备课本\\手工\\图一(2).jpg "));
        QCOMPARE(LessonBook(m_there).openable(back[slot::Picture1]),
                 m_there + QStringLiteral("/备课本/手工/图一(2).jpg"));
        const QStringList once = filesBelow(m_there);
        QString again;
        QVERIFY2(imported(zipPath, m_there, OnConflict::KeepBoth, &again, &error), qPrintable(error));
        QCOMPARE(again, lessonPath);
        QCOMPARE(filesBelow(m_there), once);
    }

    // A manifest's checksums in capitals are checksums still; names with
    // control characters reach a terminal or a dialog escaped.
    void upperCaseChecksumsAndControlCharacters()
    {
        const QString zipPath = m_dir.filePath(QStringLiteral("pack.zip"));
        packed(zipPath);
        zip_t *zip = zip_open(QFile::encodeName(zipPath).constData(), 0, nullptr);
        zip_file_t *file = zip_fopen(zip, "veltano-pack.json", 0);
        QByteArray manifest(1 << 16, '\0');
        manifest.truncate(int(zip_fread(file, manifest.data(), manifest.size())));
        zip_fclose(file);
        QByteArray capitals = manifest;
        const QRegularExpression hex(QStringLiteral("[0-9a-f]{64}"));
        for (const QRegularExpressionMatch &match : hex.globalMatch(QString::fromLatin1(manifest)))
            capitals.replace(match.captured().toLatin1(), match.captured().toUpper().toLatin1());
        QVERIFY(capitals != manifest);
        zip_file_add(zip, "veltano-pack.json",
                     zip_source_buffer(zip, capitals.constData(), capitals.size(), 0),
                     ZIP_FL_OVERWRITE | ZIP_FL_ENC_UTF_8);
        QCOMPARE(zip_close(zip), 0);
        QString lessonPath;
        QString error;
        QVERIFY2(imported(zipPath, m_there, OnConflict::KeepBoth, &lessonPath, &error), qPrintable(error));

        PackReader reader;
        // Without the UTF-8 flag: libzip refuses control characters in flagged names.
        QVERIFY(!reader.open(
            writeRaw(QStringLiteral("escape.zip"), {{"备课本/配置区/课.spz", kLesson},
                                                    {"/\x1b]0;owned\x07\x1b[2J", "x", false, -1, false}}),
            &error));
        QVERIFY2(!error.contains(QChar(0x1b)) && !error.contains(QChar(0x07)) &&
                     error.contains(QStringLiteral("\\x1B]0;owned\\x07\\x1B[2J")),
                 qPrintable(error));
    }

    // Pictures and video go in stored, text deflated; a cancelled pack leaves no file.
    void mediaAreStoredAndACancelledPackLeavesNothing()
    {
        const QString zipPath = m_dir.filePath(QStringLiteral("stored.zip"));
        filebytes::write(m_here + QStringLiteral("/备课本/高中/a.txt"), QByteArray("text ").repeated(1000));
        packed(zipPath);
        zip_t *zip = zip_open(QFile::encodeName(zipPath).constData(), ZIP_RDONLY, nullptr);
        zip_stat_t picture;
        zip_stat_t text;
        QCOMPARE(zip_stat(zip, "备课本/图/p.jpg", 0, &picture), 0);
        QCOMPARE(zip_stat(zip, "备课本/高中/a.txt", 0, &text), 0);
        QCOMPARE(picture.comp_method, zip_uint16_t(ZIP_CM_STORE));
        QCOMPARE(text.comp_method, zip_uint16_t(ZIP_CM_DEFLATE));
        zip_discard(zip);

        PackPlan plan;
        QString error;
        QVERIFY(lessonpack::plan(lesson(), LessonBook(m_here), m_outside, &plan, &error));
        CancelAtOnce cancel;
        const QString cancelled = m_dir.filePath(QStringLiteral("cancelled/pack.zip"));
        QDir().mkpath(QFileInfo(cancelled).path());
        QVERIFY(!writePack(plan, cancelled, QStringLiteral("1.0"), &cancel, &error));
        QVERIFY2(error.contains(QStringLiteral("已取消")), qPrintable(error));
        QVERIFY(everythingBelow(QFileInfo(cancelled).path()).isEmpty());
    }
};

QTEST_GUILESS_MAIN(LessonPackTest)
#include "tst_lessonpack.moc"
