#include "mediacontent.h"

#include <QFile>
#include <QFileInfo>

namespace mediacontent {

namespace {

const QByteArray kRtf("{\\rtf");

QByteArray headOf(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.read(8) : QByteArray();
}

} // namespace

BackEnd backEndFor(MediaKind kind, const QString &path)
{
    switch (kind) {
    case MediaKind::Picture:
    case MediaKind::AudioVideo:
        return BackEnd::MediaProbe;
    case MediaKind::Document:
    case MediaKind::Deck:
        return BackEnd::Converter;
    case MediaKind::Text:
        // The text pane shows a rich text, whatever its name, through the converter.
        return headOf(path).startsWith(kRtf) ? BackEnd::Converter : BackEnd::None;
    default:
        return BackEnd::None;
    }
}

QString check(MediaKind kind, const QString &path)
{
    if (kind == MediaKind::Program) {
        return QFileInfo(path).isExecutable() ? QString() : QStringLiteral("不是可执行的程序");
    }
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QStringLiteral("无法读取：") + file.errorString();
    const QByteArray head = file.read(8);
    switch (kind) {
    case MediaKind::Flash:
        return head.startsWith("FWS") || head.startsWith("CWS") || head.startsWith("ZWS")
                   ? QString()
                   : QStringLiteral("不是 Flash 动画");
    case MediaKind::Text:
        if (path.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive) && !head.startsWith(kRtf))
            return QStringLiteral("不是 RTF 文本");
        return QString();
    default:
        return QString();
    }
}

} // namespace mediacontent
