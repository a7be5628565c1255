#include "platform/system/singleinstance.h"

#include <atomic>
#include <QDir>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <thread>

namespace {

// A later launch runs in a thread of its own, as it would in a process of its
// own, while the running program answers from the event loop.
SingleInstance::Role launch(const QString &key, const QString &lessonPath)
{
    std::atomic<bool> done{false};
    SingleInstance::Role role = SingleInstance::Role::First;
    std::thread later([&] {
        role = SingleInstance(key).claim(lessonPath);
        done = true;
    });
    while (!done)
        QTest::qWait(5);
    later.join();
    return role;
}

} // namespace

class SingleInstanceTest : public QObject
{
    Q_OBJECT
private slots:
    void laterLaunchesHandTheirLessonToTheRunningOne()
    {
        QTemporaryDir programFolder;
        SingleInstance running(programFolder.path());
        QSignalSpy handed(&running, &SingleInstance::lessonHanded);
        QCOMPARE(running.claim(QString()), SingleInstance::Role::First);

        QCOMPARE(launch(programFolder.path(), QStringLiteral("/home/t/课件/集合.spz")),
                 SingleInstance::Role::Handed);
        QCOMPARE(launch(programFolder.path(), QString()), SingleInstance::Role::Handed);
        QTRY_COMPARE(handed.count(), 2);
        QCOMPARE(handed.at(0).at(0).toString(), QStringLiteral("/home/t/课件/集合.spz"));
        QCOMPARE(handed.at(1).at(0).toString(), QString());

        // Another program folder is another program.
        QTemporaryDir other;
        SingleInstance beside(other.path());
        QCOMPARE(beside.claim(QString()), SingleInstance::Role::First);
    }

    void aSocketLeftByACrashIsTakenOver()
    {
        QTemporaryDir programFolder;
        QFile left(QDir::temp().filePath(SingleInstance::serverName(programFolder.path())));
        QVERIFY(left.open(QIODevice::WriteOnly));
        left.close();

        SingleInstance running(programFolder.path());
        QSignalSpy handed(&running, &SingleInstance::lessonHanded);
        QCOMPARE(running.claim(QString()), SingleInstance::Role::First);
        QCOMPARE(launch(programFolder.path(), QStringLiteral("/x/a.gsx")), SingleInstance::Role::Handed);
        QTRY_COMPARE(handed.count(), 1);
    }
};

QTEST_GUILESS_MAIN(SingleInstanceTest)
#include "tst_singleinstance.moc"
