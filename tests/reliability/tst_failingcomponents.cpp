// Components that fail under the program: LibreOffice missing from PATH, and
// LibreOffice killed half-way through a conversion. Each failure is reported
// once, in words, and the next attempt works once the component is back.
#include "platform/cachedconverter.h"
#include "platform/documentcache.h"
#include "platform/officeprocess.h"
#include "support/officefixtures.h"

#include <csignal>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

constexpr int kConversionWait = 300000;

// Processes whose command line names `marker` (a folder only this test uses).
QList<int> processesNaming(const QString &marker)
{
    QList<int> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        bool isPid = false;
        const int pid = entry.toInt(&isPid);
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (isPid && cmdline.open(QIODevice::ReadOnly) && cmdline.readAll().contains(marker.toUtf8()))
            found.append(pid);
    }
    return found;
}

} // namespace

class FailingComponentsTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QHash<QString, int> m_opened;
    QHash<QString, QStringList> m_failed;
    CachedDocumentConverter *m_converter = nullptr;

    QString rtf(const QString &name, const QByteArray &words)
    {
        QFile file(m_folder.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(officefixtures::sevenParagraphRtf().replace("seven", words));
        return file.fileName();
    }

private slots:
    void initTestCase()
    {
        m_converter = new CachedDocumentConverter(
            DocumentCache(m_folder.filePath(QStringLiteral("documents"))),
            new OfficeProcessBackEnd(m_folder.filePath(QStringLiteral("profiles"))), this);
        connect(m_converter, &DocumentConverter::opened, this,
                [this](const ConvertedDocument &document) { ++m_opened[document.source]; });
        connect(m_converter, &DocumentConverter::failed, this,
                [this](const QString &source, const QString &reason) { m_failed[source].append(reason); });
    }

    void libreOfficeMissingFromPathThenBack()
    {
        const QString path = rtf(QStringLiteral("path.rtf"), "PATH");
        const QByteArray searchPath = qgetenv("PATH");
        qputenv("PATH", QFile::encodeName(m_folder.filePath(QStringLiteral("empty"))));
        m_converter->open(path);
        QTRY_COMPARE(m_failed.value(path).size(), 1);
        QVERIFY(m_failed.value(path).first().contains(QStringLiteral("LibreOffice")));
        qputenv("PATH", searchPath);

        m_converter->open(path);
        QTRY_COMPARE_WITH_TIMEOUT(m_opened.value(path), 1, kConversionWait);
        QCOMPARE(m_failed.value(path).size(), 1);
    }

    void libreOfficeKilledHalfWayThenAgain()
    {
        const QString path = rtf(QStringLiteral("killed.rtf"), "KILLED");
        m_converter->open(path);
        // Its office processes are the ones naming this test's profile folder.
        const QString profiles = m_folder.filePath(QStringLiteral("profiles"));
        QTRY_VERIFY_WITH_TIMEOUT(!processesNaming(profiles).isEmpty() || m_opened.contains(path), 60000);
        if (m_opened.contains(path))
            QSKIP("the conversion ended before it could be killed");
        for (const int pid : processesNaming(profiles))
            ::kill(pid, SIGKILL);
        QTRY_VERIFY_WITH_TIMEOUT(m_failed.contains(path) || m_opened.contains(path), kConversionWait);
        QCOMPARE(m_failed.value(path).size(), 1);

        m_converter->open(path);
        QTRY_COMPARE_WITH_TIMEOUT(m_opened.value(path), 1, kConversionWait);
        QCOMPARE(m_failed.value(path).size(), 1);
    }
};

QTEST_MAIN(FailingComponentsTest)
#include "tst_failingcomponents.moc"
