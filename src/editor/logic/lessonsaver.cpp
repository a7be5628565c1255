#include "lessonsaver.h"

#include "lesson/atomicfile.h"
#include "lesson/configfile.h"
#include "lesson/lessonbook.h"
#include "lesson/lineconfigfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace {

const char *const kTitle = "提示";

EditorNotice failure(const QString &path, const QString &reason)
{
    return {QStringLiteral("无法保存“") + path + QStringLiteral("”：") + reason, QString::fromUtf8(kTitle),
            EditorNotice::Icon::Warning};
}

// Creates a missing folder; "" when it exists afterwards, otherwise the reason.
QString ensureFolder(const QString &folder)
{
    const QFileInfo info(folder);
    if (info.isDir())
        return QString();
    if (info.exists())
        return QStringLiteral("“") + folder + QStringLiteral("”已是一个文件，不能建立同名文件夹");
    if (QDir().mkdir(folder))
        return QString();
    const QFileInfo parent(info.absolutePath());
    const QString why = parent.isWritable() ? QStringLiteral("无法建立") : QStringLiteral("没有写入权限");
    return QStringLiteral("文件夹“") + folder + QStringLiteral("”") + why;
}

editorfields::Backgrounds backgroundsOfFile(const QString &path)
{
    QFile file(path);
    editorfields::Backgrounds backgrounds;
    if (!file.open(QIODevice::ReadOnly))
        return backgrounds;
    const QStringList lines = lineconfig::readLines(file, kLineFileSlots);
    for (int i = 0; i < 4; ++i)
        backgrounds[i] = lines.value(slot::Music1 + i);
    return backgrounds;
}

bool allEmpty(const editorfields::Backgrounds &backgrounds)
{
    return std::all_of(backgrounds.begin(), backgrounds.end(), [](const QString &s) { return s.isEmpty(); });
}

} // namespace

QString LessonSaver::fileNameProblem(const QString &name)
{
    if (name == QLatin1String(".") || name == QLatin1String(".."))
        return QStringLiteral("“") + name + QStringLiteral("”不能用作文件名");
    static const QString forbidden = QStringLiteral("/\\:*?\"<>|");
    for (const QChar c : name) {
        if (c.unicode() < 32)
            return QStringLiteral("含有控制字符，不能用作文件名");
        if (forbidden.contains(c))
            return QStringLiteral("含有文件名不能使用的字符“") + c + QStringLiteral("”");
    }
    return QString();
}

LessonSaver::Outcome LessonSaver::save(const editorfields::PageTexts &page,
                                       const editorfields::Backgrounds &backgrounds, bool keepFileBackgrounds)
{
    Outcome outcome;
    const QString &chapter = page[slot::ChapterTitle];
    const QString &title = page[slot::LessonTitle];
    if (title.isEmpty()) {
        outcome.lessonTitleMissing = true;
        outcome.notice = {QStringLiteral("请输入本节课的课题"), QString::fromUtf8(kTitle),
                          EditorNotice::Icon::Warning};
        return outcome;
    }
    const QString documentRoot = LessonBook::toNativeSeparators(page[slot::DocumentFolder]);
    const QString path = LessonBook::savedLessonPath(documentRoot, chapter, title);
    outcome.path = path;

    for (const int field : {int(slot::ChapterTitle), int(slot::LessonTitle)}) {
        const QString problem = fileNameProblem(page[field]);
        if (!problem.isEmpty()) {
            outcome.notice = failure(path, editorfields::slotLabel(field) + problem);
            return outcome;
        }
    }
    if (documentRoot.isEmpty() || !QFileInfo(documentRoot).isDir()) {
        outcome.notice =
            failure(path, QStringLiteral("文档目录“") + documentRoot + QStringLiteral("”不存在"));
        return outcome;
    }

    editorfields::Backgrounds lines = backgrounds;
    if (keepFileBackgrounds && allEmpty(lines))
        lines = backgroundsOfFile(path);
    const LessonRecord record = editorfields::fileRecord(page, lines);
    if (const int broken = editorfields::slotWithControlCharacter(record); broken >= 0) {
        outcome.notice = failure(path, editorfields::controlCharacterMessage(broken));
        return outcome;
    }
    QByteArray bytes;
    int badSlot = -1;
    if (!configfile::encodeLineFile(record, &bytes, &badSlot)) {
        outcome.notice = failure(path, QStringLiteral("“") + editorfields::slotLabel(badSlot) +
                                           QStringLiteral("”中有系统编码无法保存的字符，请修改后再试"));
        return outcome;
    }

    QString problem = ensureFolder(LessonBook::savedLessonFolder(documentRoot, QString()));
    if (problem.isEmpty() && !chapter.isEmpty())
        problem = ensureFolder(LessonBook::savedLessonFolder(documentRoot, chapter));
    if (!problem.isEmpty()) {
        outcome.notice = failure(path, problem);
        return outcome;
    }

    QString writeError;
    if (!atomicfile::write(path, bytes, &writeError)) {
        outcome.notice = failure(path, writeError);
        return outcome;
    }
    outcome.saved = true;
    outcome.notice = {QStringLiteral("已将文件保存为“") + path + QStringLiteral("”"),
                      QString::fromUtf8(kTitle), EditorNotice::Icon::Warning};
    return outcome;
}
