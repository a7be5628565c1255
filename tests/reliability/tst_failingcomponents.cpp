// Components that fail under the program: LibreOffice missing from PATH,
// LibreOffice killed half-way through a conversion, and GStreamer without the
// decoder of a sound. Each failure is reported once, in words, and the next
// attempt works once the component is back.
#include "platform/office/cachedconverter.h"
#include "platform/office/documentcache.h"
#include "platform/office/officeprocess.h"
#include "support/officefixtures.h"

#include <csignal>
#include <QDir>
#include <QProcess>
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

    // GStreamer given a plugin folder without its mp3 and H.264 decoders (and a
    // registry of its own): the player names the codec missing for the mp3 and for the
    // demo lesson's mp4 and still plays the MIDI after them; with the decoders back the
    // mp3 plays.
    void soundDecoderMissingThenBack()
    {
        QString system;
        for (const char *folder :
             {"/usr/lib/x86_64-linux-gnu/gstreamer-1.0", "/usr/lib/aarch64-linux-gnu/gstreamer-1.0",
              "/usr/lib/gstreamer-1.0", "/usr/lib64/gstreamer-1.0"})
            if (QFileInfo::exists(QLatin1String(folder) + QStringLiteral("/libgstcoreelements.so")))
                system = QLatin1String(folder);
        if (system.isEmpty())
            QSKIP("GStreamer's plugin folder is not where Debian puts it");
        const QString plugins = m_folder.filePath(QStringLiteral("plugins"));
        QVERIFY(QDir().mkpath(plugins));
        // Without libav and OpenH264 neither the mp3 nor the phone's H.264 video has a decoder.
        const QStringList mp3Decoders{QStringLiteral("libgstmpg123.so"), QStringLiteral("libgstlibav.so"),
                                      QStringLiteral("libgstopenh264.so")};
        for (const QString &plugin : QDir(system).entryList({QStringLiteral("*.so")}, QDir::Files))
            if (!mp3Decoders.contains(plugin))
                QVERIFY(QFile::link(system + QLatin1Char('/') + plugin, plugins + QLatin1Char('/') + plugin));

        const QString mp3 = QStringLiteral(VELTANO_APP_DIR "/set/music/gaoshanls.mp3");
        const QString midi = QStringLiteral(VELTANO_APP_DIR "/set/music/tn.mid");
        const QString mp4 = QStringLiteral(VELTANO_APP_DIR "/备课本/示例/彩条.mp4");
        const auto play = [](const QStringList &files, const QProcessEnvironment &environment) {
            QProcess child;
            child.setProcessEnvironment(environment);
            child.start(QStringLiteral(PLAY_CHILD), files);
            child.waitForFinished(120000);
            return QString::fromUtf8(child.readAllStandardOutput())
                .split(QLatin1Char('\n'), Qt::SkipEmptyParts);
        };
        QProcessEnvironment limited = QProcessEnvironment::systemEnvironment();
        limited.insert(QStringLiteral("GST_PLUGIN_SYSTEM_PATH"), plugins);
        limited.insert(QStringLiteral("GST_PLUGIN_PATH"), plugins);
        limited.insert(QStringLiteral("GST_REGISTRY"), m_folder.filePath(QStringLiteral("registry.bin")));
        const QStringList without = play({mp3, mp4, midi}, limited);
        QCOMPARE(without.size(), 3);
        // The notice names the codec to install a decoder for.
        QCOMPARE(without.at(0),
                 QStringLiteral("failed 缺少播放这种格式的解码组件（GStreamer 插件）：MP3 音频"));
        QCOMPARE(without.at(1),
                 QStringLiteral("failed 缺少播放这种格式的解码组件（GStreamer 插件）：H.264 视频"));
        QCOMPARE(without.at(2), QStringLiteral("playing"));

        QCOMPARE(play({mp3}, QProcessEnvironment::systemEnvironment()),
                 QStringList{QStringLiteral("playing")});
    }
};

QTEST_MAIN(FailingComponentsTest)
#include "tst_failingcomponents.moc"
