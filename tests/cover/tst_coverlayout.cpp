#include "cover/logic/coverlayout.h"
#include "lesson/lessonbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class CoverLayoutTest : public QObject
{
    Q_OBJECT
private slots:
    void layoutOnA1024By768Screen()
    {
        const cover::Layout l = cover::layOut(15360, 11520, {6000, 840}, {4000, 840});
        QCOMPARE(l.chapter, (TwipsRect{4680, 2560, 6000, 840}));
        // Below the chapter title by twice its height.
        QCOMPARE(l.lesson, (TwipsRect{5680, 2560 + 1680, 4000, 840}));
        QCOMPARE(l.date, (TwipsRect{15360 - 2542.5f, 11520 - 990, 1695, 495}));
        QCOMPARE(l.teacher, (TwipsRect{15360 - 2542.5f, 11520 - 990 - 495 - 10, 2655, 495}));
        QCOMPARE(l.player, (TwipsRect{7680, 5760, 7680, 20}));
        QCOMPARE(cover::shownPlayerHeight(11520), 5760.0f);
    }

    void titleTopIsASixthOfTheWidthNotTheHeight()
    {
        const cover::Layout l = cover::layOut(19200, 10800, {0, 840}, {0, 840});
        QCOMPARE(l.chapter.top, 3200.0f);
        QCOMPARE(l.chapter.left, 9600.0f);
    }

    void musicFallsBackToTheProgramsOwn()
    {
        QTemporaryDir dir;
        const LessonBook book(dir.path());
        // Slot 9 is used as it stands, even when it names no existing file.
        QCOMPARE(cover::chooseMusic(QStringLiteral("D:\\Veltano\\set\\music\\a.mp3"), book),
                 QStringLiteral("D:\\Veltano\\set\\music\\a.mp3"));
        // Neither default there: tn.mid all the same.
        QCOMPARE(cover::chooseMusic(QString(), book), dir.filePath(QStringLiteral("set/music/tn.mid")));
        QVERIFY(QDir(dir.path()).mkpath(QStringLiteral("set/music")));
        QFile mp3(dir.filePath(QStringLiteral("set/music/gaoshanls.mp3")));
        QVERIFY(mp3.open(QIODevice::WriteOnly));
        mp3.close();
        QCOMPARE(cover::chooseMusic(QString(), book), mp3.fileName());
    }

    void pictureNumberCoversOneToTen()
    {
        QCOMPARE(cover::pictureNumber(0.0), 1);
        QCOMPARE(cover::pictureNumber(0.0999), 1);
        QCOMPARE(cover::pictureNumber(0.1), 2);
        QCOMPARE(cover::pictureNumber(0.6), 7);
        QCOMPARE(cover::pictureNumber(0.99999), 10);
    }

    void pictureFromSlotElseNumberedDefault()
    {
        const LessonBook book(QStringLiteral("/v"));
        QCOMPARE(cover::choosePicture(QStringLiteral("/p/b.jpg"), book, 0.5), QStringLiteral("/p/b.jpg"));
        QCOMPARE(cover::choosePicture(QString(), book, 0.65), QStringLiteral("/v/set/image/7.jpg"));
        QCOMPARE(cover::choosePicture(QString(), book, 0.95), QStringLiteral("/v/set/image/10.jpg"));
    }
};

QTEST_GUILESS_MAIN(CoverLayoutTest)
#include "tst_coverlayout.moc"
