// Saves that survive a kill: a child process runs "保存", "应用于…" and "确定" over and
// over and is killed with SIGKILL at random moments. After every kill each file holds
// exactly its content before or after the operation that was running; no other file
// is left in the lesson's or the settings' folder but a hidden complete copy of the new
// content, which the next save takes away.
#include "saveops.h"

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

    // Besides the file, its folder may hold one thing only: the hidden complete copy of
    // the next content, left when the kill fell between naming the new content and the
    // rename that puts it in place (two system calls).
    bool onlyTheFileAndItsNewCopy(const QString &path, const QByteArray &next)
    {
        const QFileInfo file(path);
        const QString copy = QStringLiteral(".") + file.fileName() + QStringLiteral("~");
        QStringList entries = entriesOf(file.path());
        if (entries.removeAll(copy) == 1) {
            ++m_copiesLeft;
            if (contentOf(file.path() + QLatin1Char('/') + copy) != next) {
                qWarning("the copy of %s is not its next content", qPrintable(path));
                return false;
            }
        }
        if (entries == QStringList{file.fileName()})
            return true;
        qWarning("left in the folder: %s", qPrintable(entries.join(QLatin1Char('|'))));
        return false;
    }

    int m_copiesLeft = 0;

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
            QVERIFY(onlyTheFileAndItsNewCopy(lessonPath, saveops::lessonAfter(done + 1, root)));
            QVERIFY(onlyTheFileAndItsNewCopy(settingsPath, saveops::settingsAfter(done + 1)));
            QCOMPARE(entriesOf(root + QStringLiteral("/配置区")), QStringList{QStringLiteral("第一章")});
        }
        qInfo("%d operations, %d kills, %d copies left for the next save", done - 2, kills, m_copiesLeft);

        // The next save of each file takes its copy away.
        for (int n = done + 1; n <= done + 3; ++n)
            QVERIFY(saveops::run(n, root, settingsPath));
        QCOMPARE(entriesOf(QFileInfo(lessonPath).path()), QStringList{QFileInfo(lessonPath).fileName()});
        QCOMPARE(entriesOf(QFileInfo(settingsPath).path()), QStringList{QStringLiteral("Dravik.dll")});
    }
};

QTEST_GUILESS_MAIN(SaveKillTest)
#include "tst_savekill.moc"
