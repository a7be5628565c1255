#include "lesson/lessonbook.h"

#include <QTemporaryDir>
#include <QtTest>

class LessonBookTest : public QObject
{
    Q_OBJECT
private slots:
    void foldersLieBesideTheProgram()
    {
        const LessonBook book(QStringLiteral("/opt/v"));
        QCOMPARE(book.lessonBook(), QStringLiteral("/opt/v/备课本"));
        QCOMPARE(book.configArea(), QStringLiteral("/opt/v/备课本/配置区"));
        QCOMPARE(book.setFolder(QStringLiteral("music")), QStringLiteral("/opt/v/set/music"));
        QCOMPARE(book.sayingsFile(), QStringLiteral("/opt/v/set/GoodWords.sys"));
    }

    void ensureConfigAreaCreatesBothLevels()
    {
        QTemporaryDir dir;
        const LessonBook book(dir.path());
        QVERIFY(book.ensureConfigArea());
        QVERIFY(QFileInfo(book.configArea()).isDir());
        QVERIFY(book.ensureConfigArea());
    }

    void savedLessonGoesIntoChapterFolder()
    {
        QCOMPARE(LessonBook::savedLessonPath(QStringLiteral("/v/备课本"), QStringLiteral("第一章"),
                                             QStringLiteral("集合")),
                 QStringLiteral("/v/备课本/配置区/第一章/集合.spz"));
        QCOMPARE(LessonBook::savedLessonPath(QStringLiteral("/v/备课本"), QString(), QStringLiteral("集合")),
                 QStringLiteral("/v/备课本/配置区/集合.spz"));
    }

    void relativeNamesUseBackslashes()
    {
        QCOMPARE(
            LessonBook::relativeName(QStringLiteral("/v/备课本"), QStringLiteral("/v/备课本/高中/a.txt")),
            QStringLiteral("高中\\a.txt"));
        QCOMPARE(LessonBook::relativeName(QStringLiteral("/v"), QStringLiteral("/v/备课本/高中/a.jpg")),
                 QStringLiteral("备课本\\高中\\a.jpg"));
        QCOMPARE(LessonBook::relativeName(QStringLiteral("/v/备课本"), QStringLiteral("/v/备课本/a.doc")),
                 QStringLiteral("a.doc"));
    }

    void locationTestNeedsASeparatorAfterTheRoot()
    {
        QVERIFY(LessonBook::liesBelow(QStringLiteral("/v/备课本/高中"), QStringLiteral("/v/备课本")));
        QVERIFY(!LessonBook::liesBelow(QStringLiteral("/v/set/image"), QStringLiteral("/v/备课本")));
        QVERIFY(!LessonBook::liesBelow(QStringLiteral("/V/备课本"), QStringLiteral("/v/备课本")));
        QVERIFY(LessonBook::liesBelow(QStringLiteral("/v/备课本"), QStringLiteral("/v/备课本")));
        QVERIFY(LessonBook::liesBelow(QStringLiteral("D:\\v\\备课本\\a"), QStringLiteral("D:\\v\\备课本")));
        // A sibling whose name begins with the root's name lies beside it.
        QVERIFY(!LessonBook::liesBelow(QStringLiteral("/v/备课本2"), QStringLiteral("/v/备课本")));
    }

    void resolveKeepsAbsoluteNames()
    {
        QCOMPARE(LessonBook::resolve(QStringLiteral("/v/备课本"), QStringLiteral("高中\\a.txt")),
                 QStringLiteral("/v/备课本/高中/a.txt"));
        QCOMPARE(LessonBook::resolve(QStringLiteral("/v"), QStringLiteral("/home/t/a.avi")),
                 QStringLiteral("/home/t/a.avi"));
        QVERIFY(LessonBook::isAbsoluteName(QStringLiteral("D:\\a.doc")));
        QVERIFY(LessonBook::isAbsoluteName(QStringLiteral("i:x")));
        QVERIFY(!LessonBook::isAbsoluteName(QStringLiteral("j:\\a.doc")));
        QVERIFY(!LessonBook::isAbsoluteName(QStringLiteral("高中\\a.doc")));
    }

    // Lessons written on Windows name files by that machine's full paths.
    void locateFindsWindowsPathsBelowTheProgram()
    {
        QTemporaryDir dir;
        const LessonBook book(dir.path());
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("set/music")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("备课本/高中")));
        for (const char *name : {"set/music/tn.mid", "备课本/高中/a.jpg", "here.mp3"}) {
            QFile file(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        QCOMPARE(book.locate(QStringLiteral("D:\\Veltano\\set\\music\\tn.mid")),
                 dir.filePath(QStringLiteral("set/music/tn.mid")));
        QCOMPARE(book.locate(QStringLiteral("E:\\教学\\备课本\\高中\\a.jpg")),
                 dir.filePath(QStringLiteral("备课本/高中/a.jpg")));
        // A later "set" folder is tried when the first one leads nowhere.
        QCOMPARE(book.locate(QStringLiteral("D:\\set\\v\\set\\music\\tn.mid")),
                 dir.filePath(QStringLiteral("set/music/tn.mid")));
        // An existing file is kept as stored; so is anything not found here.
        const QString stored = LessonBook::toStoredSeparators(dir.filePath(QStringLiteral("here.mp3")));
        QCOMPARE(book.locate(stored), stored);
        for (const char *kept : {"D:\\Veltano\\set\\music\\gone.mid", "D:\\music\\tn.mid", ""})
            QCOMPARE(book.locate(QString::fromUtf8(kept)), QString::fromUtf8(kept));

        // Relative names lie below the program folder, wherever the process was started.
        QVERIFY(QDir::setCurrent(dir.path() + QStringLiteral("/set")));
        QCOMPARE(book.locate(QStringLiteral("set\\music\\tn.mid")),
                 dir.filePath(QStringLiteral("set/music/tn.mid")));
        QCOMPARE(book.openable(QStringLiteral("备课本\\高中\\a.jpg")),
                 dir.filePath(QStringLiteral("备课本/高中/a.jpg")));
        QVERIFY(QDir::setCurrent(QDir::tempPath()));

        // Folders follow the same rule.
        QCOMPARE(book.locateFolder(QStringLiteral("D:\\教学\\备课本")), book.lessonBook());
        QCOMPARE(book.locateFolder(QStringLiteral("D:\\备课本\\高中")),
                 dir.filePath(QStringLiteral("备课本/高中")));
        QCOMPARE(book.locateFolder(book.lessonBook()), book.lessonBook());
        QCOMPARE(book.locateFolder(QStringLiteral("备课本")), book.lessonBook());
        QCOMPARE(book.locateFolder(QStringLiteral("D:\\备课本旧")), QStringLiteral("D:\\备课本旧"));
    }

    // Lessons come from a file system that ignores letter case.
    void namesInAnotherLetterCaseAreFound()
    {
        QTemporaryDir dir;
        const LessonBook book(dir.path());
        for (const char *name : {"备课本/t/a.jpg", "备课本/rv/hdr.doc", "set/music/tn.mid",
                                 "备课本/Pics/X.jpg", "备课本/pics/x.jpg", "备课本/pics/X.JPG.bak"}) {
            QVERIFY(QDir(dir.path()).mkpath(QFileInfo(dir.filePath(QString::fromUtf8(name))).path()));
            QFile file(dir.filePath(QString::fromUtf8(name)));
            QVERIFY(file.open(QIODevice::WriteOnly));
        }
        const auto at = [&dir](const char *name) { return dir.filePath(QString::fromUtf8(name)); };
        // Relative names, names of the Windows machine and full local paths alike.
        QCOMPARE(book.openable(QStringLiteral("备课本\\T\\A.JPG")), at("备课本/t/a.jpg"));
        QCOMPARE(book.openable(QStringLiteral("D:\\VELTANO\\SET\\Music\\TN.MID")), at("set/music/tn.mid"));
        QCOMPARE(book.openable(QStringLiteral("D:\\Veltano\\Set\\music\\tn.mid")), at("set/music/tn.mid"));
        QCOMPARE(book.openable(LessonBook::toStoredSeparators(at("备课本/RV/HDR.DOC"))),
                 at("备课本/rv/hdr.doc"));
        QCOMPARE(book.locateFolder(QStringLiteral("E:\\教学\\备课本\\RV")), at("备课本/rv"));
        // The exact name wins; else the first in code point order, folder by folder.
        QCOMPARE(book.openable(QStringLiteral("备课本\\pics\\x.jpg")), at("备课本/pics/x.jpg"));
        QCOMPARE(book.openable(QStringLiteral("备课本\\Pics\\X.jpg")), at("备课本/Pics/X.jpg"));
        QCOMPARE(book.openable(QStringLiteral("备课本\\PICS\\X.JPG")), at("备课本/Pics/X.jpg"));
        QCOMPARE(book.openable(QStringLiteral("备课本\\pics\\X.JPG")), at("备课本/pics/x.jpg"));
        // What matches nothing stays as stored: no other name, no prefix of one.
        for (const char *kept : {"备课本\\T\\A.JP", "备课本\\T\\A.JPG\\B", "D:\\Veltano\\SET\\tn.mid"})
            QCOMPARE(book.locate(QString::fromUtf8(kept)), QString::fromUtf8(kept));
    }
};

QTEST_GUILESS_MAIN(LessonBookTest)
#include "tst_lessonbook.moc"
