#include "lesson/userprogramfolder.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray readFile(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class UserProgramFolderTest : public QObject
{
    Q_OBJECT
private slots:
    // First start: set/ borrowed, demo lesson copied. Later starts keep the
    // teacher's own changes and mend a set/ link that points nowhere.
    void preparedOnceThenLeftToTheTeacher()
    {
        QTemporaryDir root;
        const QString installed = root.filePath(QStringLiteral("usr/lib/veltano"));
        writeFile(installed + QStringLiteral("/set/GoodWords.sys"), "sayings");
        writeFile(installed + QStringLiteral("/备课本/示例/课文.txt"), "text");
        writeFile(installed + QStringLiteral("/备课本/配置区/示例/示例.spz"), "lesson");
        const UserProgramFolder user(installed, root.filePath(QStringLiteral("home/文档/Veltano")));

        QVERIFY(user.prepare());
        const QFileInfo set(user.path() + QStringLiteral("/set"));
        QVERIFY(set.isSymLink());
        QCOMPARE(set.symLinkTarget(), installed + QStringLiteral("/set"));
        QCOMPARE(readFile(user.path() + QStringLiteral("/set/GoodWords.sys")), QByteArray("sayings"));
        QCOMPARE(readFile(user.path() + QStringLiteral("/备课本/示例/课文.txt")), QByteArray("text"));
        const QString lesson = user.path() + QStringLiteral("/备课本/配置区/示例/示例.spz");
        QCOMPARE(readFile(lesson), QByteArray("lesson"));
        QVERIFY(!QFileInfo(lesson).isSymLink());
        QCOMPARE(QDir(user.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden),
                 QStringList({QStringLiteral("set"), QStringLiteral("备课本")}));

        writeFile(lesson, "the teacher's lesson");
        QVERIFY(QFile::remove(user.path() + QStringLiteral("/备课本/示例/课文.txt")));
        writeFile(installed + QStringLiteral("/备课本/配置区/示例/新.spz"), "new demo");
        QVERIFY(QFile::remove(set.filePath()));
        QVERIFY(QFile::link(root.filePath(QStringLiteral("gone/set")), set.filePath()));

        QVERIFY(user.prepare());
        QCOMPARE(readFile(lesson), QByteArray("the teacher's lesson"));
        QVERIFY(!QFileInfo::exists(user.path() + QStringLiteral("/备课本/示例/课文.txt")));
        QVERIFY(!QFileInfo::exists(user.path() + QStringLiteral("/备课本/配置区/示例/新.spz")));
        QCOMPARE(QFileInfo(set.filePath()).symLinkTarget(), installed + QStringLiteral("/set"));
    }

    void withoutAnInstalledLessonBookNoneIsMade()
    {
        QTemporaryDir root;
        const QString installed = root.filePath(QStringLiteral("installed"));
        QVERIFY(QDir().mkpath(installed + QStringLiteral("/set")));
        const UserProgramFolder user(installed, root.filePath(QStringLiteral("Veltano")));
        QVERIFY(user.prepare());
        QVERIFY(!QFileInfo::exists(user.path() + QStringLiteral("/备课本")));

        // A folder that cannot be made is reported, not taken.
        writeFile(root.filePath(QStringLiteral("file")), "x");
        QVERIFY(!UserProgramFolder(installed, root.filePath(QStringLiteral("file/Veltano"))).prepare());
    }

    void neededWhenInstalledOrNotWritable()
    {
        QTemporaryDir copy;
        QVERIFY(!UserProgramFolder::neededFor(copy.path()));
        QVERIFY(UserProgramFolder::neededFor(QStringLiteral("/usr/lib/veltano")));
        QVERIFY(UserProgramFolder::neededFor(QStringLiteral("/usr/local/lib/veltano")));
        QVERIFY(UserProgramFolder::neededFor(copy.filePath(QStringLiteral("missing"))));
    }

    // As `xdg-user-dir DOCUMENTS` answers: the user-dirs file's value, else home.
    void defaultPathFollowsTheUsersDocumentsFolder()
    {
        QTemporaryDir home;
        QCOMPARE(UserProgramFolder::defaultPath(home.path(), QString()),
                 home.path() + QStringLiteral("/Veltano"));

        writeFile(home.filePath(QStringLiteral(".config/user-dirs.dirs")),
                  "# written by xdg-user-dirs-update\n"
                  "XDG_DESKTOP_DIR=\"$HOME/桌面\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/Documents\"\n"
                  "XDG_DOCUMENTS_DIR=\"$HOME/文档\"\n");
        QCOMPARE(UserProgramFolder::defaultPath(home.path(), QString()),
                 home.path() + QStringLiteral("/文档/Veltano"));

        writeFile(home.filePath(QStringLiteral("elsewhere/user-dirs.dirs")),
                  "XDG_DOCUMENTS_DIR=\"/srv/教案\"\n");
        QCOMPARE(UserProgramFolder::defaultPath(home.path(), home.filePath(QStringLiteral("elsewhere"))),
                 QStringLiteral("/srv/教案/Veltano"));
    }
};

QTEST_GUILESS_MAIN(UserProgramFolderTest)
#include "tst_userprogramfolder.moc"
