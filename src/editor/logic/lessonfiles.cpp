#include "lessonfiles.h"

#include "lesson/atomicfile.h"
#include "lesson/configfile.h"
#include "lesson/lineconfigfile.h"

#include <QFile>

namespace lessonfiles {

editorfields::PageTexts readLesson(const QString &path, LessonRecord &fields, bool *wasRead)
{
    clearLineSlots(fields);
    const QStringList lineEndings = {QStringLiteral("spz"), QStringLiteral("txt")};
    QString error;
    editorfields::PageTexts page;
    bool read = false;
    switch (configfile::formOf(path, lineEndings)) {
    case configfile::Form::Line:
        read = configfile::read(path, fields, &error, lineEndings);
        page = editorfields::pageFromRecord(fields);
        break;
    case configfile::Form::Record: {
        LessonRecord record;
        read = configfile::read(path, record, &error, lineEndings);
        page = editorfields::pageFromRecord(record);
        break;
    }
    case configfile::Form::Unknown:
        break;
    }
    if (wasRead)
        *wasRead = read;
    if (page[editorfields::WebAddressField].isEmpty())
        page[editorfields::WebAddressField] = QString::fromUtf8(editorfields::kDefaultWebAddress);
    return page;
}

std::optional<EditorNotice> applyBackgrounds(const QString &path,
                                             const editorfields::Backgrounds &backgrounds)
{
    QFile source(path);
    if (!source.open(QIODevice::ReadOnly))
        return std::nullopt;
    bool isText = false;
    QStringList lines = lineconfig::readLines(source, kLineFileSlots, &isText);
    source.close();
    const QString title = QStringLiteral("提示");
    // Rewriting bytes that are no lesson's text would destroy whatever file was chosen.
    if (!isText)
        return EditorNotice{QStringLiteral("无法应用于“") + path + QStringLiteral("”：") +
                                configfile::notTextReason(),
                            title, EditorNotice::Icon::Warning};
    while (lines.size() < kLineFileSlots)
        lines.append(QString());
    for (int i = 0; i < 4; ++i)
        lines[slot::Music1 + i] = backgrounds[i];

    const int broken = editorfields::slotWithControlCharacter(editorfields::fileRecord({}, backgrounds));
    if (broken >= 0)
        return EditorNotice{QStringLiteral("无法应用于“") + path + QStringLiteral("”：") +
                                editorfields::controlCharacterMessage(broken),
                            title, EditorNotice::Icon::Warning};
    QByteArray bytes;
    int badLine = -1;
    if (!lineconfig::encodeLines(lines, &bytes, &badLine))
        return EditorNotice{QStringLiteral("无法应用于“") + path + QStringLiteral("”：“") +
                                editorfields::slotLabel(badLine) +
                                QStringLiteral("”中有系统编码无法保存的字符，请修改后再试"),
                            title, EditorNotice::Icon::Warning};
    QString writeError;
    if (!atomicfile::write(path, bytes, &writeError))
        return EditorNotice{QStringLiteral("无法应用于“") + path + QStringLiteral("”：") + writeError, title,
                            EditorNotice::Icon::Warning};
    return EditorNotice{QStringLiteral("设置已应用于“") + path + QStringLiteral("中”"), title,
                        EditorNotice::Icon::Warning};
}

} // namespace lessonfiles
