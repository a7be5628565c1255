#pragma once

// The save sequence of the kill test, shared by the test and the child process it
// kills: operation n is "保存" (n % 3 == 0), "应用于…" (1) or "确定" (2) of version
// (n / 3) % 2, so every operation changes exactly one file.

#include "editor/logic/editorfields.h"
#include "editor/logic/lessonfiles.h"
#include "editor/logic/lessonsaver.h"
#include "editor/logic/settingswriter.h"
#include "lesson/configfile.h"
#include "lesson/lessonbook.h"
#include "lesson/recordtexts.h"
#include "lesson/settingsfile.h"

namespace saveops {

inline int versionOf(int n)
{
    return (n / 3) % 2;
}

inline QString lessonPath(const QString &root)
{
    return LessonBook::savedLessonPath(root, QStringLiteral("第一章"), QStringLiteral("第一课"));
}

// Version 1 is some 60 kB, so a write is long enough to be killed half-way.
inline editorfields::PageTexts page(const QString &root, int version)
{
    editorfields::PageTexts texts;
    texts[slot::ChapterTitle] = QStringLiteral("第一章");
    texts[slot::LessonTitle] = QStringLiteral("第一课");
    texts[slot::DocumentFolder] = root;
    texts[slot::PictureFiles] = version == 0 ? QStringLiteral("set\\image\\1.jpg ")
                                             : QStringLiteral("备课本\\高中\\图片.jpg ").repeated(3000);
    texts[editorfields::WebAddressField] = QStringLiteral("http://v%1.example").arg(version);
    return texts;
}

inline editorfields::Backgrounds backgrounds(int version)
{
    const QString music = QStringLiteral("/opt/veltano/set/music/%1.mid").arg(version);
    return {music, music, QStringLiteral("/opt/veltano/set/image/%1.jpg").arg(version), QString()};
}

inline settingswriter::Input settings(int version)
{
    return {QStringLiteral("第%1中学").arg(version + 1), QStringLiteral("高中"),
            version == 0 ? QStringLiteral("数学") : QStringLiteral("物理"), QStringLiteral("王老师")};
}

// Performs operation n; false when it did not write its file.
inline bool run(int n, const QString &root, const QString &settingsPath)
{
    const int version = versionOf(n);
    switch (n % 3) {
    case 0:
        return LessonSaver::save(page(root, version), {}, false).saved;
    case 1: {
        const auto notice = lessonfiles::applyBackgrounds(lessonPath(root), backgrounds(version));
        return notice && notice->text.startsWith(QStringLiteral("设置已应用于"));
    }
    default:
        return settingswriter::write(settingsPath, settings(version)).written;
    }
}

// The lesson file's bytes once operation n (n >= 2) has completed.
inline QByteArray lessonAfter(int n, const QString &root)
{
    const int version = versionOf(n);
    const editorfields::Backgrounds lines = n % 3 == 0 ? editorfields::Backgrounds{} : backgrounds(version);
    QByteArray bytes;
    configfile::encodeLineFile(editorfields::fileRecord(page(root, version), lines), &bytes);
    return bytes;
}

// The settings file's bytes once operation n (n >= 2) has completed.
inline QByteArray settingsAfter(int n)
{
    const int lastSettings = n % 3 == 2 ? n : n - n % 3 - 1;
    const settingswriter::Input input = settings(versionOf(lastSettings));
    QByteArray record2;
    recordtexts::pack({input.unit, input.stage + input.subject, input.teacher}, &record2);
    return SettingsFile::withRecord2(SettingsFile::reservedRecord(), record2);
}

} // namespace saveops
