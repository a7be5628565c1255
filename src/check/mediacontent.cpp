#include "mediacontent.h"

#include <QFile>
#include <QFileInfo>

namespace mediacontent {

namespace {

const QByteArray kCompoundFile("\xD0\xCF\x11\xE0", 4); // .doc, .ppt, .pps
const QByteArray kZip("PK\x03\x04", 4);                // .docx, .pptx
const QByteArray kRtf("{\\rtf");

bool startsWithAny(const QByteArray &head, std::initializer_list<QByteArray> signatures)
{
    for (const QByteArray &signature : signatures) {
        if (head.startsWith(signature))
            return true;
    }
    return false;
}

} // namespace

bool needsBackEnd(MediaKind kind)
{
    return kind == MediaKind::Picture || kind == MediaKind::AudioVideo;
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
    case MediaKind::Document:
        return startsWithAny(head, {kCompoundFile, kZip, kRtf}) ? QString()
                                                                : QStringLiteral("不是 Word 或 RTF 文档");
    case MediaKind::Deck:
        return startsWithAny(head, {kCompoundFile, kZip}) ? QString()
                                                          : QStringLiteral("不是 PowerPoint 文件");
    case MediaKind::Flash:
        return startsWithAny(head, {"FWS", "CWS", "ZWS"}) ? QString() : QStringLiteral("不是 Flash 动画");
    case MediaKind::Text:
        if (path.endsWith(QStringLiteral(".rtf"), Qt::CaseInsensitive) && !head.startsWith(kRtf))
            return QStringLiteral("不是 RTF 文本");
        return QString();
    default:
        return QString();
    }
}

} // namespace mediacontent
