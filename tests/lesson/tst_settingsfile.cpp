#include "lesson/gbktext.h"
#include "lesson/settingsfile.h"

#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class SettingsFileTest : public QObject
{
    Q_OBJECT
private slots:
    void createWritesReservedRecordAndReadsEmpty()
    {
        QTemporaryDir dir;
        const SettingsFile file(dir.filePath(QStringLiteral("Veltano/Dravik.dll")));
        QVERIFY(!file.exists());
        QVERIFY(file.create());
        QVERIFY(file.exists());
        QCOMPARE(QFileInfo(file.path()).size(), 128);
        const Settings settings = file.read();
        QVERIFY(settings.UnitName.isEmpty() && settings.StageSubject.isEmpty() &&
                settings.TeacherName.isEmpty());
    }

    void writeKeepsRecordOneAndLaysOutRecordTwo()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Dravik.dll"));
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(QByteArray(128, 'R'));
        raw.close();

        const SettingsFile file(path);
        QCOMPARE(file.write({QStringLiteral("一中"), QStringLiteral("初中英语"), QStringLiteral("王")}),
                 SettingsFile::WriteResult::Ok);
        QVERIFY(raw.open(QIODevice::ReadOnly));
        const QByteArray bytes = raw.readAll();
        QCOMPARE(bytes.left(128), QByteArray(128, 'R'));
        QByteArray expected;
        for (const QString &text :
             {QStringLiteral("一中"), QStringLiteral("初中英语"), QStringLiteral("王")}) {
            QByteArray encoded;
            QVERIFY(gbk::encode(text, &encoded));
            expected += char(encoded.size()) + QByteArray(1, '\0') + encoded;
        }
        QCOMPARE(bytes.mid(128, expected.size()), expected);
        QCOMPARE(file.read().StageSubject, QStringLiteral("初中英语"));
    }

    void unreadableOrDamagedFilesGiveEmptySettings_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("record 1 only") << QByteArray(128, '\0');
        QTest::newRow("shorter than a record") << QByteArray(40, '\0');
        QTest::newRow("length past the record")
            << (QByteArray(128, '\0') + QByteArray("\xff\x00", 2) + "abc");
        QTest::newRow("third length cut off") << (QByteArray(128, '\0') + QByteArray(4, '\0') + "\x01");
    }

    void unreadableOrDamagedFilesGiveEmptySettings()
    {
        QFETCH(QByteArray, bytes);
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("Dravik.dll"));
        QFile raw(path);
        QVERIFY(raw.open(QIODevice::WriteOnly));
        raw.write(bytes);
        raw.close();
        QVERIFY(SettingsFile(path).read().StageSubject.isEmpty());
    }

    void overlongOrNonGbkTextsAreRefusedAndNothingIsWritten()
    {
        QTemporaryDir dir;
        const SettingsFile file(dir.filePath(QStringLiteral("Dravik.dll")));
        QVERIFY(file.create());
        // 61 two-byte characters: 122 bytes of text, the most record 2 holds.
        QCOMPARE(file.write({QString(61, QChar(u'校')), QString(), QString()}),
                 SettingsFile::WriteResult::Ok);
        QCOMPARE(file.write({QString(61, QChar(u'校')), QStringLiteral("a"), QString()}),
                 SettingsFile::WriteResult::TooLong);
        int bad = -1;
        QCOMPARE(file.write({QString(), QString(), QStringLiteral("李😀")}, &bad),
                 SettingsFile::WriteResult::NotGbk);
        QCOMPARE(bad, 2);
        QCOMPARE(file.read().UnitName, QString(61, QChar(u'校')));
    }
};

QTEST_GUILESS_MAIN(SettingsFileTest)
#include "tst_settingsfile.moc"
