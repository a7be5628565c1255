#include "commandline.h"

#include <QCommandLineParser>
#include <QDir>

namespace {

// The toolkit's own options, taken out of the list once the application object
// exists; accepted here so that they are no error.
void addToolkitOptions(QCommandLineParser &parser)
{
    for (const char *name : {"style", "stylesheet", "qmljsdebugger", "platform", "platformpluginpath",
                             "platformtheme", "plugin", "qwindowgeometry", "qwindowicon", "qwindowtitle",
                             "session", "display", "geometry", "dialogs", "fontengine"}) {
        QCommandLineOption option(QString::fromLatin1(name), QString(), QStringLiteral("value"));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
    for (const char *name : {"reverse", "widgetcount"}) {
        QCommandLineOption option(QString::fromLatin1(name));
        option.setFlags(QCommandLineOption::HiddenFromHelp);
        parser.addOption(option);
    }
}

// The argument as written that names an option the parser did not know.
QString unknownOption(const QStringList &arguments, const QString &name)
{
    for (const QString &argument : arguments) {
        if (argument == QLatin1String("--"))
            break;
        const QString written = argument.section(QLatin1Char('='), 0, 0);
        if (written == QLatin1Char('-') + name || written == QLatin1String("--") + name)
            return argument;
    }
    return name;
}

} // namespace

CommandLine CommandLine::parse(const QStringList &arguments, const QString &currentFolder)
{
    QCommandLineParser parser;
    // "-platform xcb" is one option, as the toolkit reads it, not eight letters.
    parser.setSingleDashWordOptionMode(QCommandLineParser::ParseAsLongOptions);
    const QCommandLineOption help(QStringList{QStringLiteral("h"), QStringLiteral("help")});
    const QCommandLineOption version(QStringLiteral("version"));
    const QCommandLineOption check(QStringLiteral("check"), QString(), QStringLiteral("lesson"));
    const QCommandLineOption pack(QStringLiteral("pack"), QString(), QStringLiteral("lesson"));
    const QCommandLineOption unpack(QStringLiteral("unpack"), QString(), QStringLiteral("pack"));
    const QCommandLineOption includeOutside(QStringLiteral("include-outside"));
    parser.addOptions({help, version, check, pack, unpack, includeOutside});
    addToolkitOptions(parser);
    const bool understood = parser.parse(QStringList{QStringLiteral("veltano")} + arguments);
    if (parser.isSet(help))
        return CommandLine{Request::Help, {}, {}, {}};
    if (parser.isSet(version))
        return CommandLine{Request::Version, {}, {}, {}};
    if (!understood) {
        // Else an option that takes a value came last, without it.
        const QStringList unknown = parser.unknownOptionNames();
        return CommandLine{Request::Error,
                           {},
                           unknown.isEmpty() ? arguments.constLast()
                                             : unknownOption(arguments, unknown.constFirst()),
                           {}};
    }
    const QStringList lessons = parser.positionalArguments();
    const auto absolute = [&currentFolder](const QString &path) {
        return QDir::cleanPath(QDir(currentFolder).absoluteFilePath(path));
    };
    // A lesson and where its pack goes, or a pack: each alone.
    const int packing = int(parser.isSet(pack)) + int(parser.isSet(unpack)) + int(parser.isSet(check));
    if (parser.isSet(pack) || parser.isSet(unpack)) {
        const QString named = parser.isSet(pack) ? parser.value(pack) : parser.value(unpack);
        const int wanted = parser.isSet(pack) ? 1 : 0;
        if (packing > 1 || named.isEmpty() || lessons.size() != wanted ||
            (wanted && lessons.first().isEmpty())) {
            const QString option = parser.isSet(pack) ? QStringLiteral("--pack") : QStringLiteral("--unpack");
            return CommandLine{Request::Error, {}, lessons.size() > wanted ? lessons.at(wanted) : option, {}};
        }
        if (parser.isSet(unpack))
            return CommandLine{Request::Unpack, {}, {}, absolute(named)};
        return CommandLine{
            Request::Pack, absolute(named), {}, absolute(lessons.first()), parser.isSet(includeOutside)};
    }
    if (parser.isSet(includeOutside))
        return CommandLine{Request::Error, {}, QStringLiteral("--include-outside"), {}};
    // One lesson at a time: to choose at start or to check.
    const bool checking = parser.isSet(check);
    const QStringList named = checking ? QStringList{parser.value(check)} + lessons : lessons;
    if (named.size() > 1)
        return CommandLine{Request::Error, {}, named.at(1), {}};
    if (!named.isEmpty() && named.constFirst().isEmpty())
        return CommandLine{Request::Error, {}, checking ? QStringLiteral("--check") : QString(), {}};
    const QString lesson = named.isEmpty() ? QString() : absolute(named.constFirst());
    return CommandLine{checking ? Request::Check : Request::Run, lesson, {}, {}};
}

bool CommandLine::chineseLocale(const QString &lcAll, const QString &lcMessages, const QString &lang)
{
    for (const QString &value : {lcAll, lcMessages, lang}) {
        if (!value.isEmpty())
            return value.startsWith(QLatin1String("zh"));
    }
    return false;
}

QString CommandLine::helpText(bool chinese)
{
    if (chinese) {
        return QStringLiteral(
            "用法：veltano [课件配置文件]\n"
            "在课堂屏幕上演示备好的课件。\n"
            "\n"
            "  课件配置文件   启动时选定的 .spz 或 .gsx 文件，与“打开配置文件”选定的一样；\n"
            "                 Veltano 已在运行时，交给正在运行的程序\n"
            "      --check 课件配置文件\n"
            "                 检查课件用到的文件，打印报告；都能使用时退出码为 0，否则为 1\n"
            "      --pack 课件配置文件 课件包.zip\n"
            "                 把课件和它用到的文件打包成一个 zip；文件都在时退出码为 0\n"
            "      --include-outside\n"
            "                 与 --pack 一起：也打包本程序文件夹和“文档”文件夹之外的文件\n"
            "      --unpack 课件包.zip\n"
            "                 把课件包解到本程序的备课本中，已有的不同文件两者都保留；成功时退出码为 0\n"
            "  -h, --help     显示本帮助并退出\n"
            "      --version  显示版本并退出\n");
    }
    return QStringLiteral("Usage: veltano [LESSON-FILE]\n"
                          "Presents a prepared lesson on the classroom screen.\n"
                          "\n"
                          "  LESSON-FILE    a .spz or .gsx lesson file, chosen at start as with\n"
                          "                 \"打开配置文件\"; handed to Veltano when it is already running\n"
                          "      --check LESSON-FILE\n"
                          "                 check the files the lesson uses and print a report; exit\n"
                          "                 status 0 when all can be used, else 1\n"
                          "      --pack LESSON-FILE PACK.zip\n"
                          "                 pack the lesson and every file it uses into one zip; exit\n"
                          "                 status 0 when none is missing\n"
                          "      --include-outside\n"
                          "                 with --pack: also pack files from outside this program's\n"
                          "                 folder and the documents folder\n"
                          "      --unpack PACK.zip\n"
                          "                 unpack a lesson pack into this program's lesson book, keeping\n"
                          "                 both where a file differs; exit status 0 on success\n"
                          "  -h, --help     show this help and exit\n"
                          "      --version  show the version and exit\n");
}

QString CommandLine::versionText(const QString &version)
{
    return QStringLiteral("Veltano %1\n").arg(version);
}

QString CommandLine::errorText(const QString &argument, bool chinese)
{
    if (chinese)
        return QStringLiteral("veltano：无法识别的选项、缺少课件配置文件或多余的参数“%"
                              "1”（一次只能选定一个课件配置文件）\n\n")
                   .arg(argument) +
               helpText(true);
    return QStringLiteral(
               "veltano: unknown option, missing lesson file or extra argument '%1' (one lesson file "
               "at a time)\n\n")
               .arg(argument) +
           helpText(false);
}
