// The web module as the program loads it: nothing of the engine or of OpenGL
// is in the process until a movie is to be seen, the module's player then
// plays it, and a missing module leaves notices instead of a crash. It links
// the program's seam, so the module finds no more of this executable than of
// the program.

#include "platform/web/moduleflashplayer.h"
#include "platform/web/modulewebbrowser.h"
#include "platform/web/webmodule.h"

#include <algorithm>
#include <QApplication>
#include <QFile>
#include <QLabel>
#include <QOpenGLContext>
#include <QSignalSpy>
#include <QTest>

namespace {

const QString kWeb = QStringLiteral(VELTANO_APP_DIR "/web");
const QString kMovie = QStringLiteral(VELTANO_APP_DIR "/set/sample.swf");

// Whether a shared object whose file name holds `name` is mapped into this process.
bool mapped(const char *name)
{
    QFile maps(QStringLiteral("/proc/self/maps"));
    return maps.open(QIODevice::ReadOnly) && maps.readAll().contains(name);
}

} // namespace

class WebModuleTest : public QObject
{
    Q_OBJECT
private slots:
    void engineComesWithTheFirstMovieSeen()
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
            // The engine draws through Qt's application-wide context, made by the module's owner.
            QVERIFY(QCoreApplication::testAttribute(Qt::AA_ShareOpenGLContexts));
            QVERIFY(QOpenGLContext::globalShareContext());
            QVERIFY(QTest::qWaitFor([player] { return player->status() == FlashPlayer::Status::Playing; },
                                    30000));
            // The module's player reports through the control the desktop holds.
            QVERIFY(std::any_of(changes.begin(), changes.end(), [](const QList<QVariant> &change) {
                return change.at(0).value<FlashPlayer::Status>() == FlashPlayer::Status::Playing;
            }));
            QCOMPARE(player->movie(), kMovie);
        }
        // The context made for the engine is Qt's no longer once the module's owner is gone.
        QVERIFY(!QOpenGLContext::globalShareContext());
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
