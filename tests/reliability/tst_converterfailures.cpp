// The document converter the program runs (LibreOffice kept listening, a
// process a file as the fallback) against documents and office failures it
// must survive: each is told once, naming the file, and the next attempt works.
// It never runs a document's macros, and leaves no LibreOffice behind.
#include "platform/office/cachedconverter.h"
#include "platform/office/documentcache.h"
#include "platform/office/officelistener.h"
#include "platform/office/officeprocess.h"
#include "platform/office/worddocument.h"
#include "support/officefixtures.h"

#include <csignal>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>
#include <QTextDocument>
#include <QtTest>
#include <unistd.h>

namespace {

constexpr int kWait = 300000;
// For processes to be gone once killed, generous for a loaded machine.
constexpr int kEnd = 60000;
const QString kScript = QStringLiteral(VELTANO_APP_DIR "/office/convertserver.py");

// Processes whose command line names `marker` (a folder only this test uses).
QList<int> processesNaming(const QString &marker, const QByteArray &program = QByteArray())
{
    QList<int> found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!entry.front().isDigit() || !cmdline.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = cmdline.readAll();
        if (line.contains(marker.toUtf8()) && line.contains(program))
            found.append(entry.toInt());
    }
    return found;
}

QString write(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    return file.open(QIODevice::WriteOnly) && file.write(bytes) == bytes.size() ? path : QString();
}

QByteArray longRtf(int pages)
{
    QByteArray rtf = "{\\rtf1\\ansi\n";
    for (int page = 1; page <= pages; ++page)
        rtf += "\\pard\\plain Page " + QByteArray::number(page) + " first line\\par\n\\pard\\plain Page " +
               QByteArray::number(page) + " last line\\par\n" + (page < pages ? "\\page\n" : "");
    return rtf + "}";
}

// A Writer document (flat ODF, named ".doc": LibreOffice goes by the content)
// whose Basic macro, bound to the document's loading, writes `marker`.
QByteArray autoRunMacroDocument(const QString &marker)
{
    return "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<office:document "
           "xmlns:office=\"urn:oasis:names:tc:opendocument:xmlns:office:1.0\" "
           "xmlns:text=\"urn:oasis:names:tc:opendocument:xmlns:text:1.0\" "
           "xmlns:script=\"urn:oasis:names:tc:opendocument:xmlns:script:1.0\" "
           "xmlns:ooo=\"http://openoffice.org/2004/office\" xmlns:xlink=\"http://www.w3.org/1999/xlink\" "
           "xmlns:dom=\"http://www.w3.org/2001/xml-events\" office:version=\"1.2\" "
           "office:mimetype=\"application/vnd.oasis.opendocument.text\"><office:scripts>"
           "<office:script script:language=\"ooo:Basic\"><ooo:libraries><ooo:library-embedded "
           "ooo:name=\"Standard\"><ooo:module ooo:name=\"Module1\"><ooo:source-code>Sub Touch\n"
           "  Dim n As Integer\n  n = FreeFile\n  Open \"" +
           marker.toUtf8() +
           "\" For Output As #n\n  Print #n, \"ran\"\n  Close #n\nEnd Sub\n</ooo:source-code></ooo:module>"
           "</ooo:library-embedded></ooo:libraries></office:script><office:event-listeners>"
           "<script:event-listener script:language=\"ooo:script\" script:event-name=\"dom:load\" "
           "xlink:href=\"vnd.sun.star.script:Standard.Module1.Touch?language=Basic&amp;location=document\"/>"
           "</office:event-listeners></office:scripts><office:body><office:text><text:p>macro</text:p>"
           "</office:text></office:body></office:document>";
}

// The real converter as the program builds it, recording what it answers.
struct Converter {
    CachedDocumentConverter converter;
    QHash<QString, int> opened;
    QHash<QString, QStringList> failed;
    ConvertedDocument last;

    Converter(const QString &folder, OfficeListenerBackEnd *listener)
        : converter(DocumentCache(folder + QStringLiteral("/documents")), listener)
    {
        QObject::connect(&converter, &DocumentConverter::opened, [this](const ConvertedDocument &document) {
            ++opened[document.source];
            last = document;
        });
        QObject::connect(
            &converter, &DocumentConverter::failed,
            [this](const QString &source, const QString &reason) { failed[source].append(reason); });
    }
    int answers(const QString &path) const { return opened.value(path) + failed.value(path).size(); }
};

OfficeListenerBackEnd *programBackEnd(const QString &folder,
                                      qint64 memoryBound = OfficeListenerBackEnd::kDefaultMemoryBound)
{
    return new OfficeListenerBackEnd(folder + QStringLiteral("/listener"), kScript,
                                     new OfficeProcessBackEnd(folder + QStringLiteral("/profiles")),
                                     QStringLiteral("soffice"), memoryBound);
}

// Has `backEnd` convert `input` to HTML in a folder of its own; returns the
// problem it reports, or "no answer".
QString convertWith(ConversionBackEnd &backEnd, int id, const QString &input, const QString &output)
{
    QString problem = QStringLiteral("no answer");
    QObject context;
    QObject::connect(&backEnd, &ConversionBackEnd::finished, &context, [&](int done, const QString &why) {
        if (done == id)
            problem = why;
    });
    QDir().mkpath(output);
    // Asked for by the teacher: the listener then waits for the next job.
    backEnd.convert({id, input, QStringLiteral("html"), output, true});
    if (!QTest::qWaitFor([&problem] { return problem != QLatin1String("no answer"); }, kWait))
        return QStringLiteral("no answer in time");
    return problem;
}

} // namespace

class ConverterFailuresTest : public QObject
{
    Q_OBJECT

    QTemporaryDir m_folder;
    QString m_encrypted;
    QString m_long;
    // The converter the rows share, kept running from row to row.
    OfficeListenerBackEnd *m_office = nullptr;
    std::unique_ptr<Converter> m_shared;

private slots:
    // The encrypted and the long Word documents, written by the converter's
    // own script; closing its input must end its LibreOffice.
    void initTestCase()
    {
        QVERIFY(QFile::exists(kScript));
        const QString rtf =
            write(m_folder.filePath(QStringLiteral("seven.rtf")), officefixtures::sevenParagraphRtf());
        const QString longSource = write(m_folder.filePath(QStringLiteral("long.rtf")), longRtf(300));
        m_encrypted = m_folder.filePath(QStringLiteral("encrypted.doc"));
        m_long = m_folder.filePath(QStringLiteral("long.doc"));
        const QString profile = m_folder.filePath(QStringLiteral("maker"));
        QProcess script;
        script.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        script.start(QStringLiteral("/usr/bin/python3"),
                     {kScript, QStringLiteral("soffice"), QUrl::fromLocalFile(profile).toString(),
                      QStringLiteral("veltano-test-%1").arg(QCoreApplication::applicationPid())});
        const auto job = [&script](int id, const QString &in, const QString &out, const QString &password) {
            QJsonObject line{{QStringLiteral("id"), id},
                             {QStringLiteral("input"), in},
                             {QStringLiteral("output"), out},
                             {QStringLiteral("filter"), QStringLiteral("MS Word 97")}};
            if (!password.isEmpty())
                line.insert(QStringLiteral("password"), password);
            script.write(QJsonDocument(line).toJson(QJsonDocument::Compact) + '\n');
        };
        job(1, rtf, m_encrypted, QStringLiteral("secret"));
        job(2, longSource, m_long, QString());
        QStringList replies;
        while (replies.size() < 3 && script.waitForReadyRead(kWait))
            while (script.canReadLine())
                replies.append(QString::fromUtf8(script.readLine()).trimmed());
        QCOMPARE(replies.size(), 3);
        QVERIFY2(replies.at(0).contains(QLatin1String("ready")), qPrintable(replies.at(0)));
        QCOMPARE(replies.at(1), QStringLiteral("{\"id\": 1, \"problem\": \"\"}"));
        QCOMPARE(replies.at(2), QStringLiteral("{\"id\": 2, \"problem\": \"\"}"));
        QVERIFY(!processesNaming(profile, "soffice.bin").isEmpty());
        script.closeWriteChannel();
        QVERIFY(script.waitForFinished(kWait));
        QTRY_VERIFY_WITH_TIMEOUT(processesNaming(profile).isEmpty(), kEnd);

        m_office = programBackEnd(m_folder.filePath(QStringLiteral("shared")));
        m_shared = std::make_unique<Converter>(m_folder.filePath(QStringLiteral("shared")), m_office);
        m_office->start();
    }

    void failuresAreToldOnceAndTheNextAttemptWorks_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("content");   // empty: the file made in initTestCase
        QTest::addColumn<QString>("failure");      // empty: it opens
        QTest::addColumn<QString>("officeKilled"); // "waiting" for the file, "converting" it, or not
        QTest::addColumn<bool>("officeMissing");

        QByteArray zip("PK\x03\x04\x14\0\0\0\x08\0", 10);
        zip += QByteArray(400, 'z');
        QByteArray brokenDeck("\xD0\xCF\x11\xE0\xA1\xB1\x1A\xE1", 8);
        for (int i = 0; i < 8192; ++i)
            brokenDeck += char((i * 7919 + 13) % 251);
        QTest::newRow("a zip named .doc")
            << "archive.doc" << zip << "文件内容不是 Word 文档" << QString() << false;
        QTest::newRow("a password") << m_encrypted << QByteArray() << "文件有密码保护" << QString() << false;
        QTest::newRow("300 pages") << m_long << QByteArray() << QString() << QString() << false;
        QTest::newRow("a deck LibreOffice cannot open")
            << "broken.ppt" << brokenDeck << "LibreOffice 无法打开该文件" << QString() << false;
        // Converted once more in an office of its own.
        QTest::newRow("LibreOffice killed half-way")
            << m_long << QByteArray() << QString() << "converting" << false;
        QTest::newRow("LibreOffice killed while waiting")
            << m_long << QByteArray() << QString() << "waiting" << false;
        QTest::newRow("LibreOffice not installed")
            << m_long << QByteArray() << "找不到 LibreOffice（soffice）" << QString() << true;
    }

    void failuresAreToldOnceAndTheNextAttemptWorks()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, content);
        QFETCH(QString, failure);
        QFETCH(QString, officeKilled);
        QFETCH(bool, officeMissing);
        if (!content.isEmpty())
            file = write(m_folder.filePath(file), content);
        // Each row converts afresh.
        QVERIFY(QDir(m_folder.filePath(QStringLiteral("shared/documents"))).removeRecursively());
        QTemporaryDir missing;
        const QByteArray searchPath = qgetenv("PATH");
        std::unique_ptr<Converter> own;
        if (officeMissing) {
            qputenv("PATH", QFile::encodeName(missing.filePath(QStringLiteral("nothing"))));
            own = std::make_unique<Converter>(missing.path(), programBackEnd(missing.path()));
        } else {
            QTRY_VERIFY_WITH_TIMEOUT(m_office->isReady(), kWait);
        }
        Converter &c = own ? *own : *m_shared;
        c.opened.clear();
        c.failed.clear();

        const auto killOffice = [this] {
            const QList<int> offices =
                processesNaming(m_folder.filePath(QStringLiteral("shared")), "soffice.bin");
            QCOMPARE(offices.size(), 1);
            ::kill(offices.first(), SIGKILL);
        };
        if (officeKilled == QLatin1String("waiting")) {
            killOffice();
            // Noticed without a job, and started again.
            QTRY_VERIFY_WITH_TIMEOUT(!m_office->isReady(), kEnd);
            QTRY_VERIFY_WITH_TIMEOUT(m_office->isReady(), kWait);
        }
        c.converter.open(file);
        if (officeKilled == QLatin1String("converting")) {
            // The job is handed to the listener on the event loop's next turn.
            QCoreApplication::processEvents();
            killOffice();
        }
        QTRY_COMPARE_WITH_TIMEOUT(c.answers(file), 1, kWait);
        if (!officeKilled.isEmpty())
            // Started again for the next job.
            QTRY_VERIFY_WITH_TIMEOUT(m_office->isReady(), kWait);
        if (!failure.isEmpty()) {
            QCOMPARE(c.failed.value(file), QStringList{failure});
            if (!officeMissing)
                return;
            // The component is back: the same file again.
            qputenv("PATH", searchPath);
            c.failed.clear();
            c.converter.open(file);
            QTRY_COMPARE_WITH_TIMEOUT(c.answers(file), 1, kWait);
        }
        QVERIFY2(c.failed.isEmpty(), qPrintable(c.failed.value(file).join(QLatin1Char(' '))));
        QCOMPARE(c.opened.value(file), 1);
        // Every page is there, the last one readable.
        QString problem;
        const auto word = WordDocument::load(c.last, &problem);
        QVERIFY2(word, qPrintable(problem));
        QVERIFY(word->paragraphCount() >= 600);
        const auto lastPage = word->copyRange(word->paragraphCount() - 1, word->paragraphCount(), 20);
        QVERIFY2(lastPage->toPlainText().contains(QLatin1String("Page 300 last line")),
                 qPrintable(lastPage->toPlainText()));
    }

    // Word's comments, changes tracked by two authors and floating pictures
    // (a Chinese exam paper saved as Word 97 by LibreOffice): once aborted the
    // listener. It converts there, pictures and all, and the listener lives on.
    void wordFileWithCommentsConvertsInTheListener()
    {
        const QString shared = m_folder.filePath(QStringLiteral("shared"));
        QTRY_VERIFY_WITH_TIMEOUT(m_office->isReady(), kWait);
        const QList<int> office = processesNaming(shared, "soffice.bin");
        QCOMPARE(office.size(), 1);
        Converter &c = *m_shared;
        c.opened.clear();
        c.failed.clear();
        const QString file = officefixtures::fixture("comments-changes-pictures.doc");
        c.converter.open(file);
        QTRY_COMPARE_WITH_TIMEOUT(c.answers(file), 1, kWait);
        QVERIFY2(c.failed.isEmpty(), qPrintable(c.failed.value(file).join(QLatin1Char(' '))));
        QString problem;
        const auto word = WordDocument::load(c.last, &problem);
        QVERIFY2(word, qPrintable(problem));
        QVERIFY(word->document().toPlainText().contains(QStringLiteral("第12题")));
        // Each floating picture is a picture file beside the page.
        const QStringList pictures = QFileInfo(c.last.file).dir().entryList({QStringLiteral("*.png")});
        QCOMPARE(pictures.size(), 1);
        QCOMPARE(QImage(QFileInfo(c.last.file).dir().filePath(pictures.first())).size(), QSize(64, 48));
        QCOMPARE(processesNaming(shared, "soffice.bin"), office);
    }

    // A document on which LibreOffice spins (stood in for by the program's own
    // script hanging on it, LibreOffice running): converting in the background
    // it makes way for the teacher's document; asked for by the teacher it is
    // given up, the next document converts, and from then on it fails at once,
    // also in a program started afresh.
    void aStuckConversionIsEndedAndRemembered()
    {
        QTemporaryDir work;
        const QString script = write(work.filePath(QStringLiteral("hanging.py")),
                                     "import importlib.util, sys, time\n"
                                     "spec = importlib.util.spec_from_file_location('server', '" +
                                         kScript.toUtf8() +
                                         "')\n"
                                         "server = importlib.util.module_from_spec(spec)\n"
                                         "spec.loader.exec_module(server)\n"
                                         "convert = server.convert\n"
                                         "def hanging(context, job):\n"
                                         "    if b'hangs here' in open(job['input'], 'rb').read():\n"
                                         "        time.sleep(3600)\n"
                                         "    return convert(context, job)\n"
                                         "server.convert = hanging\n"
                                         "sys.exit(server.main())\n");
        auto *listener =
            new OfficeListenerBackEnd(work.filePath(QStringLiteral("listener")), script,
                                      new OfficeProcessBackEnd(work.filePath(QStringLiteral("profiles"))));
        auto c = std::make_unique<Converter>(work.path(), listener);
        const QString stuck =
            write(work.filePath(QStringLiteral("stuck.rtf")), "{\\rtf1\\ansi hangs here\\par}");
        const QString asked =
            write(work.filePath(QStringLiteral("asked.rtf")), officefixtures::sevenParagraphRtf());
        const QString next = write(work.filePath(QStringLiteral("next.rtf")), longRtf(2));
        c->converter.open(stuck, DocumentConverter::Urgency::Background);
        // Ready, it has the job.
        QTRY_VERIFY_WITH_TIMEOUT(listener->isReady(), kWait);
        c->converter.open(asked);
        QTRY_COMPARE_WITH_TIMEOUT(c->opened.value(asked), 1, kWait);
        QCOMPARE(c->answers(stuck), 0);

        c->converter.open(stuck);
        QTRY_COMPARE_WITH_TIMEOUT(c->answers(stuck), 1, kWait);
        QCOMPARE(c->failed.value(stuck), QStringList{QStringLiteral("转换超时")});
        c->converter.open(next);
        QTRY_COMPARE_WITH_TIMEOUT(c->opened.value(next), 1, kWait);
        c.reset();

        Converter again(work.path(), programBackEnd(work.filePath(QStringLiteral("again"))));
        again.converter.open(stuck);
        QTRY_COMPARE(again.answers(stuck), 1);
        QCOMPARE(again.failed.value(stuck), QStringList{QStringLiteral("转换超时")});
        QCOMPARE(again.converter.conversionsStarted(), 0);
    }

    // A document macro bound to the document's loading would write a file: the
    // same document opened by LibreOffice with macros allowed shows it does;
    // the converter's two ways of converting never run it. The listener also
    // restarts past its memory bound.
    void documentMacrosNeverRun()
    {
        QTemporaryDir work;
        const QString marker = work.filePath(QStringLiteral("macro-ran"));
        const QString document =
            write(work.filePath(QStringLiteral("macro.doc")), autoRunMacroDocument(marker));
        const QString lax = work.filePath(QStringLiteral("lax/user/registrymodifications.xcu"));
        QVERIFY(QDir().mkpath(QFileInfo(lax).absolutePath()));
        write(lax,
              "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n<oor:items "
              "xmlns:oor=\"http://openoffice.org/2001/registry\"><item "
              "oor:path=\"/org.openoffice.Office.Common/Security/Scripting\"><prop "
              "oor:name=\"MacroSecurityLevel\" oor:op=\"fuse\"><value>0</value></prop></item></oor:items>");
        QProcess opened;
        opened.setChildProcessModifier([] { ::setsid(); });
        opened.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        opened.start(QStringLiteral("soffice"),
                     {QStringLiteral("-env:UserInstallation=") +
                          QUrl::fromLocalFile(work.filePath(QStringLiteral("lax"))).toString(),
                      QStringLiteral("--headless"), QStringLiteral("--norestore"), document});
        QVERIFY(opened.waitForStarted());
        QTRY_VERIFY_WITH_TIMEOUT(QFile::exists(marker), kWait);
        ::kill(-pid_t(opened.processId()), SIGKILL);
        opened.waitForFinished();
        QVERIFY(QFile::remove(marker));

        // A listener that restarts after every job, to run the macro in two offices.
        OfficeListenerBackEnd *listener = programBackEnd(work.path(), 1);
        listener->start();
        OfficeProcessBackEnd perFile(work.filePath(QStringLiteral("per-file")));
        QCOMPARE(convertWith(perFile, 1, document, work.filePath(QStringLiteral("out1"))), QString());
        QVERIFY(QFile::exists(work.filePath(QStringLiteral("out1/macro.html"))));
        const QString profile = work.filePath(QStringLiteral("listener"));
        for (int id = 2; id <= 3; ++id) {
            QTRY_VERIFY_WITH_TIMEOUT(listener->isReady(), kWait);
            const QList<int> office = processesNaming(profile, "soffice.bin");
            const QString out = work.filePath(QStringLiteral("out%1").arg(id));
            QCOMPARE(convertWith(*listener, id, document, out), QString());
            QVERIFY(QFile::exists(out + QStringLiteral("/macro.html")));
            // Past its memory bound it was started afresh.
            QTRY_VERIFY_WITH_TIMEOUT(!processesNaming(profile, "soffice.bin").contains(office.value(0)),
                                     kEnd);
        }
        QVERIFY(!QFile::exists(marker));
        QTRY_VERIFY_WITH_TIMEOUT(listener->isReady(), kWait);

        // Nothing of the listener outlives it.
        QVERIFY(!processesNaming(profile, "soffice.bin").isEmpty());
        delete listener;
        QTRY_VERIFY_WITH_TIMEOUT(processesNaming(profile).isEmpty(), kEnd);
    }

    // Long documents converting in the background let the teacher's document
    // pass; leaving then stops the office under the one it converts, keeps
    // nothing of it, and the next document converts in an office started afresh.
    void theTeachersDocumentGoesFirstAndLeavingStopsTheRest()
    {
        const QString shared = m_folder.filePath(QStringLiteral("shared"));
        QVERIFY(QDir(shared + QStringLiteral("/documents")).removeRecursively());
        QTRY_VERIFY_WITH_TIMEOUT(m_office->isReady(), kWait);
        Converter &c = *m_shared;
        c.opened.clear();
        c.failed.clear();
        QStringList background;
        for (int pages = 300; pages < 303; ++pages)
            background.append(
                write(m_folder.filePath(QStringLiteral("long%1.rtf").arg(pages)), longRtf(pages)));
        const QString asked =
            write(m_folder.filePath(QStringLiteral("asked.rtf")), officefixtures::sevenParagraphRtf());
        for (const QString &path : background)
            c.converter.open(path, DocumentConverter::Urgency::Background);
        c.converter.open(asked);
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.value(asked), 1, kWait);
        QCOMPARE(c.answers(background.at(1)) + c.answers(background.at(2)), 0);

        c.converter.release();
        QVERIFY(processesNaming(shared, "soffice.bin").isEmpty());
        QVERIFY(QDir(DocumentCache(shared + QStringLiteral("/documents")).workFolder()).isEmpty());
        c.converter.open(background.last());
        QTRY_COMPARE_WITH_TIMEOUT(c.opened.value(background.last()), 1, kWait);
        // The one that waited was dropped, not converted later.
        QCOMPARE(c.answers(background.at(1)), 0);
        QVERIFY2(c.failed.isEmpty(), qPrintable(c.failed.keys().join(QLatin1Char(' '))));
    }
};

QTEST_MAIN(ConverterFailuresTest)
#include "tst_converterfailures.moc"
