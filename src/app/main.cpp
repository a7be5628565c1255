// The composition root: real platform back ends, the shared state and the
// first screen.

#include "platform/detachedlauncher.h"
#include "platform/qtchoicedialogs.h"
#include "platform/qtfiledialog.h"
#include "platform/qtmediaplayer.h"
#include "platform/qtmessagebox.h"
#include "platform/ruffleflashplayer.h"
#include "platform/webengine.h"
#include "shell/appcontext.h"
#include "shell/screenflow.h"
#include "shell/screenregistry.h"
#include "shell/sharedstate.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QScreen>
#include <QStandardPaths>
#include <QTranslator>

namespace {

QString programFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

// Set before Qt starts, so widgets, the web engine and the document converter
// all see the program's font aliases.
void prepareEnvironment(const QString &folder)
{
    const QString fonts = folder + QStringLiteral("/set/fonts/fonts.conf");
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE") && QFileInfo::exists(fonts))
        qputenv("FONTCONFIG_FILE", QFile::encodeName(fonts));
    QtMediaPlayer::chooseBackEnd();
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = programFolder();
    prepareEnvironment(folder);
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltano"));
    QApplication::setApplicationVersion(QStringLiteral(VELTANO_VERSION));
    // Dialog buttons and labels speak the teacher's language ("是"/"否", not "Yes"/"No").
    QTranslator qtTexts;
    if (qtTexts.load(QStringLiteral("qtbase_zh_CN"), QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QApplication::installTranslator(&qtTexts);
    QApplication::setQuitOnLastWindowClosed(false);

    QtFileDialog fileDialog;
    QtMessageBox messageBox;
    QtChoiceDialogs choiceDialogs;
    DetachedLauncher launcher;
    QtMediaPlayerFactory mediaPlayers;
    WebEngine webEngine(folder + QStringLiteral("/web"));
    RuffleFlashPlayerFactory flashPlayers(webEngine);
    PlatformServices platform;
    platform.fileDialog = &fileDialog;
    platform.messageBox = &messageBox;
    platform.choiceDialogs = &choiceDialogs;
    platform.launcher = &launcher;
    platform.mediaPlayers = &mediaPlayers;
    platform.flashPlayers = &flashPlayers;

    const QScreen *screen = QGuiApplication::primaryScreen();
    const TwipsScale scale(screen ? screen->logicalDotsPerInchX() : 96.0,
                           screen ? screen->logicalDotsPerInchY() : 96.0);
    const QString settingsPath = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) +
                                 QStringLiteral("/Veltano/Dravik.dll");

    SharedState state;
    ScreenFlow flow;
    AppContext context{state, platform, LessonBook(folder), settingsPath, flow, scale};
    registerScreens(context);
    QObject::connect(&flow, &ScreenFlow::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    flow.load(ScreenId::Home);
    if (flow.isLoaded(ScreenId::Home))
        flow.show(ScreenId::Home);
    return app.exec();
}
