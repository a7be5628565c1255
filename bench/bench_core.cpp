// Speed of the core file forms and parsers: run with `make bench`.

#include "filesel/selectfileinfo.h"
#include "lesson/configfile.h"
#include "lesson/settingsfile.h"

#include <QBuffer>
#include <QFile>
#include <QTemporaryDir>
#include <QtTest>

class CoreBench : public QObject
{
    Q_OBJECT
private slots:
    void readLineFile()
    {
        QFile file(QStringLiteral(VELTANO_TEST_DATA "/windows/集合的含义.spz"));
        QVERIFY(file.open(QIODevice::ReadOnly));
        const QByteArray bytes = file.readAll();
        QBENCHMARK
        {
            QBuffer buffer;
            buffer.setData(bytes);
            buffer.open(QIODevice::ReadOnly);
            LessonRecord fields;
            configfile::readLineFile(buffer, fields);
        }
    }

    void writeLineFile()
    {
        LessonRecord fields;
        for (int i = 0; i < kLineFileSlots; ++i)
            fields[i] = QStringLiteral("备课本\\高中\\第%1课.txt ").arg(i).repeated(8);
        QBENCHMARK
        {
            QByteArray out;
            configfile::encodeLineFile(fields, &out);
        }
    }

    void readSettingsFile()
    {
        QTemporaryDir dir;
        const SettingsFile file(dir.filePath(QStringLiteral("Dravik.dll")));
        file.create();
        file.write({QStringLiteral("实验中学"), QStringLiteral("高中数学"), QStringLiteral("张老师")});
        QBENCHMARK
        {
            file.read();
        }
    }

    void splitLargeSelection()
    {
        QStringList names;
        for (int i = 0; i < 1000; ++i)
            names.append(QStringLiteral("图片%1.jpg").arg(i));
        const QString text = selectionText(QStringLiteral("/srv/veltano/备课本/高中"), names);
        QBENCHMARK
        {
            GetDlgSelectFileInfo(text);
        }
    }
};

QTEST_GUILESS_MAIN(CoreBench)
#include "bench_core.moc"
