#include "commandline.h"

#include <QDir>

CommandLine CommandLine::parse(const QStringList &arguments, const QString &currentFolder)
{
    CommandLine result;
    bool optionsEnded = false;
    for (const QString &argument : arguments) {
        if (!optionsEnded && (argument == QLatin1String("--help") || argument == QLatin1String("-h")))
            return CommandLine{Request::Help, {}, {}};
        if (!optionsEnded && argument == QLatin1String("--version"))
            return CommandLine{Request::Version, {}, {}};
        if (!optionsEnded && argument == QLatin1String("--")) {
            optionsEnded = true;
            continue;
        }
        // An unknown option, or a second lesson: one lesson is chosen at a time.
        const bool unknownOption = !optionsEnded && argument.startsWith(QLatin1Char('-'));
        if (unknownOption || !result.lessonPath.isEmpty() || argument.isEmpty())
            return CommandLine{Request::Error, {}, argument};
        result.lessonPath = QDir::cleanPath(QDir(currentFolder).absoluteFilePath(argument));
    }
    return result;
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
        return QStringLiteral("veltano：无法识别的选项或多余的参数“%1”（一次只能选定一个课件配置文件）\n"
                              "用“veltano --help”查看用法。\n")
            .arg(argument);
    return QStringLiteral("veltano: unknown option or extra argument '%1' (one lesson file at a time)\n"
                          "Try 'veltano --help'.\n")
        .arg(argument);
}
