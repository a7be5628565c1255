// The composition root: real platform back ends, the shared state and the
// first screen.

#include "app/lessonhandoff.h"
#include "app/logic/commandline.h"
#include "app/screenregistry.h"
#include "base/appcontext.h"
#include "base/screenflow.h"
#include "base/screenroles.h"
#include "base/sharedstate.h"
#include "checkcommand.h"
#include "lesson/userprogramfolder.h"
#include "pack/packreader.h"
#include "packcommand.h"
#include "platform/dialogs/qtchoicedialogs.h"
#include "platform/dialogs/qtfiledialog.h"
#include "platform/dialogs/qtmessagebox.h"
#include "platform/media/qtmediaplayer.h"
#include "platform/media/qtmediaprobe.h"
#include "platform/office/cachedconverter.h"
#include "platform/office/officelistener.h"
#include "platform/office/officeprocess.h"
#include "platform/system/detachedlauncher.h"
#include "platform/system/freedmemory.h"
#include "platform/system/singleinstance.h"
#include "platform/web/moduledeckplayer.h"
#include "platform/web/moduleflashplayer.h"
#include "platform/web/modulewebbrowser.h"
#include "platform/web/webmodule.h"

#include <cstdio>
#include <optional>
#include <QApplication>
#include <QDir>
#include <QFileInfo>
#include <QIcon>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

namespace {

QString executableFolder()
{
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalFilePath().section(QLatin1Char('/'), 0, -2);
}

// The executable's folder, or the user's own folder when the program is
// installed where it cannot write.
QString programFolder()
{
    const QString installed = executableFolder();
    if (!UserProgramFolder::neededFor(installed))
        return installed;
    const UserProgramFolder user(
        installed, UserProgramFolder::defaultPath(QDir::homePath(), qEnvironmentVariable("XDG_CONFIG_HOME")));
    if (user.prepare())
        return user.path();
    std::fprintf(stderr, "Veltano: cannot prepare the folder %s\n", qPrintable(user.path()));
    return installed;
}

bool chineseMessages()
{
    return CommandLine::chineseLocale(qEnvironmentVariable("LC_ALL"), qEnvironmentVariable("LC_MESSAGES"),
                                      qEnvironmentVariable("LANG"));
}

void print(std::FILE *stream, const QString &text)
{
    std::fputs(text.toLocal8Bit().constData(), stream);
}

// Prints the usage, the version or what was not understood; the exit status
// when that is all there is to do.
std::optional<int> answered(const CommandLine &commandLine)
{
    switch (commandLine.request) {
    case CommandLine::Request::Help:
        print(stdout, CommandLine::helpText(chineseMessages()));
        return 0;
    case CommandLine::Request::Version:
        print(stdout, CommandLine::versionText(QStringLiteral(VELTANO_VERSION)));
        return 0;
    case CommandLine::Request::Error:
        print(stderr, CommandLine::errorText(commandLine.error, chineseMessages()));
        return 2;
    case CommandLine::Request::Run:
    case CommandLine::Request::Check:
    case CommandLine::Request::Pack:
    case CommandLine::Request::Unpack:
        break;
    }
    return std::nullopt;
}

QStringList arguments(int argc, char *argv[])
{
    QStringList list;
    for (int i = 1; i < argc; ++i)
        list << QString::fromLocal8Bit(argv[i]);
    return list;
}

// Set before Qt starts, so widgets, the web engine and the document converter
// all see the program's font aliases and its allocator settings.
void prepareEnvironment(const QString &folder)
{
    const QString fonts = folder + QStringLiteral("/set/fonts/fonts.conf");
    if (qEnvironmentVariableIsEmpty("FONTCONFIG_FILE") && QFileInfo::exists(fonts))
        qputenv("FONTCONFIG_FILE", QFile::encodeName(fonts));
    QtMediaPlayer::chooseBackEnd();
    freedmemory::shareOneArenaInHelpers();
}

} // namespace

int main(int argc, char *argv[])
{
    freedmemory::shareOneArena();
    // Read before the application object, which needs a display: usage, errors
    // and the check work without one.
    const CommandLine commandLine = CommandLine::parse(arguments(argc, argv), QDir::currentPath());
    if (const std::optional<int> status = answered(commandLine))
        return *status;
    const bool checking = commandLine.request == CommandLine::Request::Check;

    const QString folder = programFolder();
    // An import killed half-way leaves its staging folder in the lesson book.
    lessonpack::removeStaleStaging(LessonBook(folder));
    // Packs need neither a display nor the application object.
    if (commandLine.request == CommandLine::Request::Pack)
        return packcommand::pack(commandLine.lessonPath, commandLine.packPath, LessonBook(folder),
                                 QStringLiteral(VELTANO_VERSION), commandLine.includeOutside);
    if (commandLine.request == CommandLine::Request::Unpack)
        return packcommand::unpack(commandLine.packPath, LessonBook(folder));
    prepareEnvironment(folder);
    const QString cache =
        QStandardPaths::writableLocation(QStandardPaths::GenericCacheLocation) + QStringLiteral("/Veltano");
    // A check prints its report and opens no window, whatever display there is or is not. What
    // Qt, the sound system and LibreOffice say on the way goes to a log, not around the report.
    std::FILE *errors = stderr;
    if (checking) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        errors = checkcommand::divertChatter(cache + QStringLiteral("/check.log"));
    }
    // Menus stay inside the program's full-screen windows, global menu or not.
    QApplication::setAttribute(Qt::AA_DontUseNativeMenuBar);
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Veltano"));
    QApplication::setApplicationVersion(QStringLiteral(VELTANO_VERSION));
    QtMediaProbe mediaProbe;
    // One LibreOffice kept running for conversions, a process a file where it cannot run. It starts
    // with the first conversion (the desktop asks for the lesson's documents not yet converted as it
    // opens), so a lesson whose documents are all converted keeps its desktop without it.
    auto *office =
        new OfficeListenerBackEnd(cache + QStringLiteral("/office-listener"),
                                  executableFolder() + QStringLiteral("/office/convertserver.py"),
                                  new OfficeProcessBackEnd(cache + QStringLiteral("/office-profiles")));
    CachedDocumentConverter documents(DocumentCache(cache + QStringLiteral("/documents")), office);
    if (checking)
        return checkcommand::run(commandLine.lessonPath, LessonBook(folder), mediaProbe, documents, errors);

    QGuiApplication::setDesktopFileName(QStringLiteral("veltano"));
    QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("veltano")));

    SingleInstance instance(folder);
    if (instance.claim(commandLine.lessonPath) == SingleInstance::Role::Handed)
        return 0;

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
    // The web module, its pages and the emulator are read only: they stay
    // beside the executable. The module loads with the first page.
    WebModule webModule(executableFolder() + QStringLiteral("/libveltano-web.so"),
                        executableFolder() + QStringLiteral("/web"));
    ModuleFlashPlayerFactory flashPlayers(webModule);
    ModuleWebBrowserFactory webBrowsers(webModule);
    ModuleDeckPlayerFactory deckPlayers(webModule);
    PlatformServices platform;
    platform.fileDialog = &fileDialog;
    platform.messageBox = &messageBox;
    platform.choiceDialogs = &choiceDialogs;
    platform.launcher = &launcher;
    platform.mediaPlayers = &mediaPlayers;
    platform.mediaProbe = &mediaProbe;
    platform.documents = &documents;
    platform.flashPlayers = &flashPlayers;
    platform.webBrowsers = &webBrowsers;
    platform.deckPlayers = &deckPlayers;

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

    LessonHandOff handOff(flow);
    QObject::connect(&instance, &SingleInstance::lessonHanded, &handOff, &LessonHandOff::hand);
    handOff.hand(commandLine.lessonPath);
    flow.load(ScreenId::Home);
    if (flow.isLoaded(ScreenId::Home))
        flow.show(ScreenId::Home);
    const freedmemory::Returner freedMemory;
    return app.exec();
}
