// The composition root: real platform back ends, the shared state and the
// first screen.

#include "checkcommand.h"
#include "platform/detachedlauncher.h"
#include "platform/qtchoicedialogs.h"
#include "platform/qtfiledialog.h"
#include "platform/qtmediaplayer.h"
#include "platform/qtmediaprobe.h"
#include "platform/qtmessagebox.h"
#include "shell/appcontext.h"
#include "shell/screenflow.h"
#include "shell/screenregistry.h"
#include "shell/screenroles.h"
#include "shell/sharedstate.h"

#include <QApplication>
#include <QFileInfo>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>
#include <unistd.h>

namespace {

QString programFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

// Set before Qt starts, so widgets, the web engine and the document converter
// all see the program's font aliases and the web engine can run as root.
void prepareEnvironment(const QString &folder)
{
    const QString fonts = folder + QStringLiteral("/set/fonts/fonts.conf");
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE") && QFileInfo::exists(fonts))
        qputenv("FONTCONFIG_FILE", QFile::encodeName(fonts));
    if (geteuid() == 0 && qEnvironmentVariableIsEmpty("QTWEBENGINE_DISABLE_SANDBOX"))
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
    QtMediaPlayer::chooseBackEnd();
}

} // namespace

int main(int argc, char *argv[])
{
    const QString folder = programFolder();
    prepareEnvironment(folder);
    // A check prints its report and opens no window, also where there is no display.
    const std::optional<QString> lessonToCheck = checkcommand::fileToCheck(argc, argv);
    if (lessonToCheck && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltano"));
    QApplication::setApplicationVersion(QStringLiteral(VELTANO_VERSION));
    QtMediaProbe mediaProbe;
    if (lessonToCheck)
        return checkcommand::run(*lessonToCheck, LessonBook(folder), mediaProbe);
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
    PlatformServices platform;
    platform.fileDialog = &fileDialog;
    platform.messageBox = &messageBox;
    platform.choiceDialogs = &choiceDialogs;
    platform.launcher = &launcher;
    platform.mediaPlayers = &mediaPlayers;
    platform.mediaProbe = &mediaProbe;

    const QString settingsFolder =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/Veltano");
    const QString settingsPath = settingsFolder + QStringLiteral("/Dravik.dll");
    ScreenRoles screens{ProgramSettings(settingsFolder)};

    SharedState state;
    ScreenFlow flow;
    AppContext context{state,        platform, LessonBook(folder),
                       settingsPath, flow,     screenchoice::scaleOf(screens.projectorInfo()),
                       screens};
    registerScreens(context);
    QObject::connect(&flow, &ScreenFlow::programEnded, &app, &QCoreApplication::quit, Qt::QueuedConnection);

    flow.load(ScreenId::Home);
    if (flow.isLoaded(ScreenId::Home))
        flow.show(ScreenId::Home);
    return app.exec();
}
