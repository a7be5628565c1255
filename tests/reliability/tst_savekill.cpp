// Saves that survive a kill: a child process runs "保存", "应用于…" and "确定" over and
// over and is killed with SIGKILL at random moments. After every kill each file holds
// exactly its content before or after the operation that was running, and once the
// program has opened the files again nothing else is left in their folders.
#include "saveops.h"

#include <functional>
#include <QDir>
#include <QProcess>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QThread>
#include <QtTest>

namespace {

QByteArray contentOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

QStringList entriesOf(const QString &folder)
{
    return QDir(folder).entryList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
}

} // namespace

class SaveKillTest : public QObject
{
    Q_OBJECT

    // A kill between naming the new content and the rename that puts it in place (two
    // system calls) leaves a hidden complete copy of it beside the file; opening the
    // file takes the copy away, so afterwards the folder holds the file alone.
    bool onlyTheFileOnceOpened(const QString &path, const QByteArray &next, const std::function<void()> &open)
    {
        const QFileInfo file(path);
        const QString copy = file.path() + QStringLiteral("/.") + file.fileName() + QStringLiteral("~");
        if (QFileInfo::exists(copy)) {
            ++m_copiesSwept;
            if (contentOf(copy) != next) {
                qWarning("the copy of %s is not its next content", qPrintable(path));
                return false;
            }
        }
        open();
        const QStringList entries = entriesOf(file.path());
        if (entries == QStringList{file.fileName()})
            return true;
        qWarning("left in the folder: %s", qPrintable(entries.join(QLatin1Char('|'))));
        return false;
    }

    int m_copiesSwept = 0;

private slots:
    void everyFileIsOldOrNewAfterEachKill()
    {
        QTemporaryDir dir;
        const QString root = dir.filePath(QStringLiteral("备课本"));
        QVERIFY(QDir().mkpath(root));
        const QString settingsPath = dir.filePath(QStringLiteral("config/Veltano/Dravik.dll"));
        const QString lessonPath = saveops::lessonPath(root);
        for (int n = 0; n < 3; ++n)
            QVERIFY(saveops::run(n, root, settingsPath));

        constexpr int kOperations = 1000;
        int done = 2; // the last operation known complete
        int kills = 0;
        QRandomGenerator random(20261208);
        while (done < 2 + kOperations) {
            QProcess child;
            child.start(QStringLiteral(SAVE_CHILD), {root, settingsPath, QString::number(done + 1)});
            QVERIFY(child.waitForReadyRead(30000));
            QVERIFY(child.readLine().startsWith("ready"));
            QThread::usleep(random.bounded(20000));
            child.kill();
            QVERIFY(child.waitForFinished(30000));
            ++kills;
            const QList<QByteArray> reported = child.readAllStandardOutput().split('\n');
            for (const QByteArray &line : reported) {
                bool isNumber = false;
                const int n = line.toInt(&isNumber);
                if (isNumber)
                    done = n;
            }

            // The operation after the last reported one may have completed unreported.
            const int running = done + 1;
            const QByteArray lesson = contentOf(lessonPath);
            const QByteArray settings = contentOf(settingsPath);
            const bool ranToEnd = running % 3 == 2 ? settings == saveops::settingsAfter(running)
                                                   : lesson == saveops::lessonAfter(running, root);
            if (ranToEnd)
                done = running;
            QVERIFY2(lesson == saveops::lessonAfter(done, root),
                     qPrintable(QStringLiteral("lesson file torn after operation %1 (%2 bytes)")
                                    .arg(done)
                                    .arg(lesson.size())));
            QVERIFY2(settings == saveops::settingsAfter(done),
                     qPrintable(QStringLiteral("settings file torn after operation %1").arg(done)));
            QVERIFY(onlyTheFileOnceOpened(lessonPath, saveops::lessonAfter(done + 1, root), [&] {
                LessonRecord fields;
                QString error;
                QVERIFY(configfile::read(lessonPath, fields, &error));
            }));
            QVERIFY(onlyTheFileOnceOpened(settingsPath, saveops::settingsAfter(done + 1),
                                          [&] { SettingsFile(settingsPath).read(); }));
            QCOMPARE(entriesOf(root + QStringLiteral("/配置区")), QStringList{QStringLiteral("第一章")});
        }
        qInfo("%d operations, %d kills, %d copies swept on opening", done - 2, kills, m_copiesSwept);
    }
};

QTEST_GUILESS_MAIN(SaveKillTest)
#include "tst_savekill.moc"
