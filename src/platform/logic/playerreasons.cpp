#include "playerreasons.h"

namespace playerreasons {

namespace {

// Parts of GStreamer's and Qt Multimedia's messages, the first that matches
// wins: the specific ones stand before the general ones.
const struct {
    const char *part;
    const char *reason;
} kReasons[] = {
    {"resource not found", "找不到文件"},
    {"no such file", "找不到文件"},
    {"not authorized", "没有读取文件的权限"},
    {"permission", "没有读取文件的权限"},
    {"open resource", "文件无法读取"},
    {"read from resource", "文件无法读取"},
    {"missing a plug-in", "缺少播放这种格式的解码组件（GStreamer 插件）"},
    {"no codec", "缺少播放这种格式的解码组件（GStreamer 插件）"},
    {"no decoder", "缺少播放这种格式的解码组件（GStreamer 插件）"},
    {"cannot play stream of type", "缺少播放这种格式的解码组件（GStreamer 插件）"},
    {"contains no data", "文件是空的"},
    {"determine type", "认不出文件的格式，文件可能已损坏"},
    {"encrypted", "文件已加密，不能播放"},
    {"internal data stream error", "播放中数据出错，文件可能已损坏"},
    {"decode", "文件无法解码，可能已损坏"},
    {"demultiplex", "文件无法解码，可能已损坏"},
    {"format", "文件格式不对，可能已损坏"},
    {"different type", "文件格式不对，可能已损坏"},
};

} // namespace

QString fromBackEnd(const QString &message)
{
    for (const auto &entry : kReasons)
        if (message.contains(QLatin1String(entry.part), Qt::CaseInsensitive))
            return QString::fromUtf8(entry.reason);
    return unplayable();
}

QString missing()
{
    return QStringLiteral("找不到文件");
}

QString unplayable()
{
    return QStringLiteral("格式不能播放或文件已损坏");
}

QString noAnswer()
{
    return QStringLiteral("播放组件没有回应");
}

QString notice(const QString &fileName, const QString &reason)
{
    return QStringLiteral("无法播放“%1”：%2").arg(fileName, reason);
}

QString partNotice(const QString &fileName, const QString &reason)
{
    return QStringLiteral("“%1”只能部分播放：%2").arg(fileName, reason);
}

} // namespace playerreasons
