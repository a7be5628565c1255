// The web module as the program loads it: nothing of the engine is in the
// process until a movie is to be seen, the module's player then plays it
// without OpenGL, its pages share one display process, a hidden movie and a
// closed browser give their pages back and the process goes with the last,
// and a missing module leaves notices instead of a crash. It links the
// program's seam, so the module finds no more of this executable than of the
// program.

#include "platform/web/moduleflashplayer.h"
#include "platform/web/modulewebbrowser.h"
#include "platform/web/webmodule.h"

#include <algorithm>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QOpenGLContext>
#include <QSet>
#include <QSignalSpy>
#include <QTest>
#include <unistd.h>

namespace {

const QString kWeb = QStringLiteral(VELTANO_APP_DIR "/web");
const QString kMovie = QStringLiteral(VELTANO_APP_DIR "/set/sample.swf");
const QString kGame = QStringLiteral(VELTANO_APP_DIR "/set/flash/机器人战争.swf");

// Whether a shared object whose file name holds `name` is mapped into this process.
bool mapped(const char *name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

qint64 parentOf(qint64 pid)
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    // After the command name, which may hold spaces: state ppid ...
    const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
    return fields.size() > 1 ? fields.at(1).toLongLong() : 0;
}

// The engine's processes: its page processes are forked by the zygotes it
// starts (they keep the zygote's command line, so their parent tells them
// apart); its services (audio...) are started by this process itself.
struct EngineProcesses {
    int pages = 0;
    int services = 0;
};

EngineProcesses engineProcesses()
{
    QHash<qint64, qint64> parents;
    QSet<qint64> zygotes;
    EngineProcesses found;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile cmdline(QStringLiteral("/proc/%1/cmdline").arg(entry));
        if (!entry.front().isDigit() || !cmdline.open(QIODevice::ReadOnly))
            continue;
        const qint64 pid = entry.toLongLong();
        parents.insert(pid, parentOf(pid));
        const QByteArray line = cmdline.readAll();
        if (parents.value(pid) != ::getpid() || !line.contains("--type="))
            continue;
        if (line.contains("--type=zygote"))
            zygotes.insert(pid);
        else
            ++found.services;
    }
    found.pages = int(std::count_if(parents.cbegin(), parents.cend(),
                                    [&zygotes](qint64 parent) { return zygotes.contains(parent); }));
    return found;
}

int renderers()
{
    return engineProcesses().pages;
}

bool playing(FlashPlayer *player)
{
    return QTest::qWaitFor([player] { return player->status() == FlashPlayer::Status::Playing; }, 30000);
}

} // namespace

class WebModuleTest : public QObject
{
    Q_OBJECT
private slots:
    void engineComesWithTheFirstMovieSeenAndPagesLetTheirProcessesGo()
    {
        QVERIFY(!mapped("libQt6WebEngineCore"));
        QVERIFY(!mapped("libLLVM")); // Mesa's software OpenGL
        QVERIFY(!QOpenGLContext::globalShareContext());
        {
            WebModule module(QStringLiteral(VELTANO_APP_DIR "/libveltano-web.so"), kWeb);
            QWidget window;
            window.resize(400, 300);
            ModuleFlashPlayerFactory players(module);
            FlashPlayer *player = players.create(&window);
            player->widget()->setGeometry(0, 0, 400, 300);
            player->widget()->hide();
            player->setMenu(false);
            player->setMovie(kMovie);
            window.show();
            QVERIFY(QTest::qWaitForWindowExposed(&window));
            QVERIFY(!module.loaded());
            QVERIFY(!mapped("libQt6WebEngineCore"));

            QSignalSpy changes(player, &FlashPlayer::statusChanged);
            player->widget()->show();
            QVERIFY(module.loaded());
            QVERIFY(mapped("libQt6WebEngineCore"));
            // The engine reads the format of Qt's application-wide context as it starts.
            QVERIFY(QOpenGLContext::globalShareContext());
            QVERIFY(playing(player));
            // It draws in software: no OpenGL driver came with it.
            QVERIFY(!mapped("libLLVM"));
            QVERIFY(!mapped("swrast_dri"));
            // The module's player reports through the control the desktop holds.
            QVERIFY(std::any_of(changes.begin(), changes.end(), [](const QList<QVariant> &change) {
                return change.at(0).value<FlashPlayer::Status>() == FlashPlayer::Status::Playing;
            }));
            QCOMPARE(player->movie(), kMovie);
            QCOMPARE(renderers(), 1);

            // Hidden with the placeholder in it, the movie lets its page's
            // process go within 10 s, and the next movie plays in a new page.
            player->widget()->hide();
            QTRY_COMPARE_WITH_TIMEOUT(renderers(), 0, 10000);
            // The movie's sound service goes with it.
            QTRY_COMPARE_WITH_TIMEOUT(engineProcesses().services, 0, 10000);
            auto *control = static_cast<ModuleFlashPlayer *>(player);
            QVERIFY(!control->player());
            player->setMovie(kGame);
            player->widget()->show();
            QVERIFY(playing(player));
            QCOMPARE(control->player()->movie(), kGame);
            QCOMPARE(renderers(), 1);

            // A browser window's page shares the movie's process; closed, it
            // leaves the movie playing, and the process goes with its last page.
            ModuleWebBrowserFactory browsers(module);
            const auto browse = [&browsers] {
                auto *window = new QWidget;
                window->setAttribute(Qt::WA_DeleteOnClose);
                WebBrowser *browser = browsers.create(window);
                browser->widget()->resize(400, 300);
                window->show();
                QSignalSpy loaded(browser, &WebBrowser::NavigateComplete2);
                browser->Navigate(kWeb + QStringLiteral("/home.html"));
                return loaded.wait(30000) ? window : nullptr;
            };
            QWidget *browserWindow = browse();
            QVERIFY(browserWindow);
            QCOMPARE(renderers(), 1);
            browserWindow->close();
            QTest::qWait(500);
            QCOMPARE(player->status(), FlashPlayer::Status::Playing);
            QCOMPARE(renderers(), 1);
            player->widget()->hide();
            QTRY_COMPARE_WITH_TIMEOUT(renderers(), 0, 10000);
            // On its own, a closed browser window takes its page's process with it.
            browserWindow = browse();
            QVERIFY(browserWindow);
            QCOMPARE(renderers(), 1);
            browserWindow->close();
            QTRY_COMPARE_WITH_TIMEOUT(renderers(), 0, 10000);
        }
        // The context made for the engine is Qt's no longer once the module's owner is gone.
        QVERIFY(!QOpenGLContext::globalShareContext());
    }

    // A lesson with movies starts the emulator ahead, without a click, and
    // its first movie plays in that page; preparing again starts nothing more.
    void preparedEmulatorTakesTheFirstMovie()
    {
        WebModule module(QStringLiteral(VELTANO_APP_DIR "/libveltano-web.so"), kWeb);
        ModuleFlashPlayerFactory players(module);
        QTRY_COMPARE_WITH_TIMEOUT(renderers(), 0, 10000);
        players.prepare();
        QVERIFY(module.loaded());
        QTRY_COMPARE_WITH_TIMEOUT(renderers(), 1, 30000);
        players.prepare();

        QWidget window;
        window.resize(400, 300);
        FlashPlayer *player = players.create(&window);
        player->widget()->setGeometry(0, 0, 400, 300);
        player->setMovie(kMovie);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QVERIFY(playing(player));
        const QObject *view = player->widget()->findChild<QObject *>(QStringLiteral("engineView"));
        QVERIFY(view);
        QVERIFY(view->property("url").toUrl().query().startsWith(QLatin1String("prepare")));
        QCOMPARE(renderers(), 1);
    }

    void missingModuleLeavesNotices()
    {
        WebModule module(QStringLiteral("/nonexistent/libveltano-web.so"), kWeb);
        QWidget window;
        ModuleFlashPlayerFactory players(module);
        FlashPlayer *player = players.create(&window);
        QSignalSpy changes(player, &FlashPlayer::statusChanged);
        player->widget()->hide();
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        player->setMovie(kMovie);
        QCOMPARE(player->status(), FlashPlayer::Status::Loading);
        player->widget()->show();
        QCOMPARE(player->status(), FlashPlayer::Status::Failed);
        QCOMPARE(changes.size(), 1);
        QVERIFY(player->widget()->findChild<QLabel *>()->text().contains(kMovie));
        // A second movie tries no second load and says the same.
        player->setMovie(kMovie + QStringLiteral("2"));
        QVERIFY(player->widget()->findChild<QLabel *>()->text().contains(kMovie + QStringLiteral("2")));

        ModuleWebBrowserFactory browsers(module);
        WebBrowser *browser = browsers.create(&window);
        browser->Navigate(QStringLiteral("about:blank"));
        QVERIFY(!browser->Busy());
        QVERIFY(qobject_cast<QLabel *>(browser->widget()));
    }
};

QTEST_MAIN(WebModuleTest)
#include "tst_webmodule.moc"
