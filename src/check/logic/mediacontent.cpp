#include "mediacontent.h"

#include "lesson/filekinds.h"
#include "lesson/namedfile.h"

#include <QFile>
#include <QFileInfo>

namespace mediacontent {

BackEnd backEndFor(MediaKind kind, const QString &path)
{
    switch (kind) {
    case MediaKind::Picture:
    case MediaKind::AudioVideo:
        return BackEnd::MediaProbe;
    case MediaKind::Document:
    case MediaKind::Deck:
        return BackEnd::Converter;
    case MediaKind::Text: {
        // The text pane shows a rich text, whatever its name, through the converter.
        QFile file(path);
        return namedfile::open(file, kind).isEmpty() && filekinds::isRichText(filekinds::identify(file))
                   ? BackEnd::Converter
                   : BackEnd::None;
    }
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
    if (const QString why = namedfile::open(file, kind); !why.isEmpty())
        return why;
    switch (kind) {
    case MediaKind::Flash: {
        const QByteArray head = file.read(3);
        return head == "FWS" || head == "CWS" || head == "ZWS" ? QString()
                                                               : QStringLiteral("不是 Flash 动画");
    }
    case MediaKind::Text:
    case MediaKind::Picture:
    case MediaKind::AudioVideo:
        // A text, picture or medium whose name promises what its bytes are not.
        return filekinds::contentProblem(QFileInfo(path).suffix(), filekinds::identify(file));
    default:
        return QString();
    }
}

} // namespace mediacontent
