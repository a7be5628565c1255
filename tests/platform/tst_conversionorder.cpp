// The order conversions run in, their stopping and the listener's idle quit,
// through the listener back end driven by a stand-in for LibreOffice that
// answers at once, after a second for a document that says "pause", or never
// for one that says "slow".
#include "platform/office/cachedconverter.h"
#include "platform/office/documentcache.h"
#include "platform/office/officelistener.h"
#include "platform/office/officeprocess.h"

#include <csignal>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// The listener's script: ready at once, then each job converted in turn. A
// "slow" document gets half its output and hangs, as LibreOffice on a large deck.
const char kListenerScript[] = R"(
import json, os, sys, time
with open(os.path.join(os.path.dirname(sys.argv[0]), "listener.pid"), "w") as pid:
    pid.write(str(os.getpid()))
print(json.dumps({"ready": os.getpid()}), flush=True)
for line in sys.stdin:
    job = json.loads(line)
    with open(job["output"], "w") as out:
        out.write("<html><body><p>")
        if "slow" in open(job["input"]).read():
            out.flush()
            time.sleep(600)
        if "pause" in open(job["input"]).read():
            time.sleep(1)
        out.write(job["input"] + "</p></body></html>")
    print(json.dumps({"id": job["id"], "problem": ""}), flush=True)
)";

QString write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

// A converter over `backEnd` in `folder`, recording the sources in the order they open.
struct Converter {
    CachedDocumentConverter converter;
    QStringList opened;
    QStringList failed;

    Converter(const QString &folder, ConversionBackEnd *backEnd)
        : converter(DocumentCache(folder + QStringLiteral("/documents")), backEnd)
    {
        QObject::connect(&converter, &DocumentConverter::opened,
                         [this](const ConvertedDocument &document) { opened.append(document.source); });
        QObject::connect(&converter, &DocumentConverter::failed,
                         [this](const QString &source, const QString &) { failed.append(source); });
    }
};

} // namespace

class ConversionOrderTest : public QObject
{
    Q_OBJECT
private slots:
    void init()
    {
        m_folder = std::make_unique<QTemporaryDir>();
        for (const char *name : {"a", "b", "c", "d", "slow", "pause"})
            m_files.insert(QLatin1String(name),
                           write(m_folder->filePath(QLatin1String(name) + QStringLiteral(".rtf")),
                                 QByteArray("{\\rtf1 ") + name + "}"));
        m_script = write(m_folder->filePath(QStringLiteral("server.py")), kListenerScript);
    }

    // Three documents asked for in the background, then two the teacher waits
    // for: one of the three, asked again, and a new one. The teacher's go
    // first, in the order asked, then the rest in theirs.
    void theTeachersDocumentsGoFirst()
    {
        Converter c(m_folder->path(), listener());
        const auto background = DocumentConverter::Urgency::Background;
        for (const char *name : {"a", "b", "c"})
            c.converter.open(m_files.value(QLatin1String(name)), background);
        c.converter.open(m_files.value(QStringLiteral("c")));
        c.converter.open(m_files.value(QStringLiteral("d")));
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.size(), 4, 60000);
        QVERIFY(c.failed.isEmpty());
        QCOMPARE(c.opened,
                 (QStringList{m_files.value(QStringLiteral("c")), m_files.value(QStringLiteral("d")),
                              m_files.value(QStringLiteral("a")), m_files.value(QStringLiteral("b"))}));
        QCOMPARE(c.converter.conversionsStarted(), 4);
    }

    // Released while a document is half converted and others wait: nothing is
    // answered, no file of theirs stays behind, LibreOffice has gone, and the
    // next document converts in a new one.
    void releaseStopsTheRunningAndTheWaiting()
    {
        Converter c(m_folder->path(), listener());
        for (const char *name : {"slow", "a", "b"})
            c.converter.open(m_files.value(QLatin1String(name)), DocumentConverter::Urgency::Background);
        DocumentCache cache(m_folder->filePath(QStringLiteral("documents")));
        const auto halfWritten = [&cache] {
            QDirIterator files(cache.workFolder(), {QStringLiteral("document.html")}, QDir::Files,
                               QDirIterator::Subdirectories);
            return files.hasNext();
        };
        QTRY_VERIFY_WITH_TIMEOUT(halfWritten(), 60000);
        const pid_t server = listenerPid();
        QVERIFY(server > 0);

        c.converter.release();
        QVERIFY(!halfWritten());
        QVERIFY(QDir(cache.workFolder()).isEmpty());
        QVERIFY(::kill(server, 0) != 0);
        QTest::qWait(200);
        QVERIFY(c.opened.isEmpty() && c.failed.isEmpty());

        c.converter.open(m_files.value(QStringLiteral("c")));
        QTRY_COMPARE_WITH_TIMEOUT(c.opened, QStringList{m_files.value(QStringLiteral("c"))}, 60000);
        QVERIFY(c.failed.isEmpty());
        // Only what converted to its end was kept.
        QCOMPARE(QDir(cache.folder()).entryList({QStringLiteral("*.html")}, QDir::Dirs).size(), 1);
    }

    // Idle for its interval after a document the teacher waited for, the
    // listener quits and the next document starts another; a conversion longer
    // than the interval is not cut short. Documents asked for ahead only let it
    // go as soon as they are done. A lesson whose documents were all converted
    // before never starts it.
    void quitsWhenIdleAndCachedDocumentsNeverStartIt()
    {
        const QString a = m_files.value(QStringLiteral("a"));
        const QString pause = m_files.value(QStringLiteral("pause"));
        {
            Converter c(m_folder->path(), listener(300));
            c.converter.open(a);
            QTRY_COMPARE_WITH_TIMEOUT(c.opened.size(), 1, 60000);
            const pid_t first = listenerPid();
            QVERIFY(first > 0);
            QTRY_VERIFY_WITH_TIMEOUT(::kill(first, 0) != 0, 30000);

            c.converter.open(pause);
            QTRY_COMPARE_WITH_TIMEOUT(c.opened.size(), 2, 60000);
            QVERIFY(c.failed.isEmpty());
            QVERIFY(listenerPid() != first);
        }
        {
            Converter ahead(m_folder->path(), listener(60000));
            for (const char *name : {"b", "c"})
                ahead.converter.open(m_files.value(QLatin1String(name)),
                                     DocumentConverter::Urgency::Background);
            QTRY_COMPARE_WITH_TIMEOUT(ahead.opened.size(), 2, 60000);
            const pid_t server = listenerPid();
            QTRY_VERIFY_WITH_TIMEOUT(::kill(server, 0) != 0, 10000);
            ahead.converter.open(m_files.value(QStringLiteral("d")));
            QTRY_COMPARE_WITH_TIMEOUT(ahead.opened.size(), 3, 60000);
            QTest::qWait(1000);
            QVERIFY(listenerPid() != server && ::kill(listenerPid(), 0) == 0);
        }
        QVERIFY(QFile::remove(m_folder->filePath(QStringLiteral("listener.pid"))));
        Converter next(m_folder->path(), listener(300));
        next.converter.open(a);
        next.converter.open(pause, DocumentConverter::Urgency::Background);
        QTRY_COMPARE_WITH_TIMEOUT(next.opened.size(), 2, 60000);
        QCOMPARE(next.converter.conversionsStarted(), 0);
        QTest::qWait(200);
        QVERIFY(!QFile::exists(m_folder->filePath(QStringLiteral("listener.pid"))));
    }

private:
    // The program's back end on the stand-in ("sh" stands for the office it looks for).
    OfficeListenerBackEnd *listener(int idleQuitMs = OfficeListenerBackEnd::kIdleQuitMs) const
    {
        return new OfficeListenerBackEnd(m_folder->filePath(QStringLiteral("listener")), m_script,
                                         new OfficeProcessBackEnd(m_folder->filePath(QStringLiteral("p"))),
                                         QStringLiteral("sh"), OfficeListenerBackEnd::kDefaultMemoryBound,
                                         idleQuitMs);
    }

    pid_t listenerPid() const
    {
        QFile pidFile(m_folder->filePath(QStringLiteral("listener.pid")));
        return pidFile.open(QIODevice::ReadOnly) ? pid_t(pidFile.readAll().toInt()) : 0;
    }

    std::unique_ptr<QTemporaryDir> m_folder;
    QHash<QString, QString> m_files;
    QString m_script;
};

QTEST_GUILESS_MAIN(ConversionOrderTest)
#include "tst_conversionorder.moc"
