#include "editorfields.h"

#include <algorithm>
#include <QStringList>

namespace editorfields {

int slotOf(int field)
{
    switch (field) {
    case WebAddressField:
        return slot::WebAddress;
    case OtherProgramField:
        return slot::OtherProgram;
    default:
        return field;
    }
}

QString slotLabel(int slotIndex)
{
    static const QStringList labels = {
        QStringLiteral("章节课题"),    QStringLiteral("本节课题"),     QStringLiteral("文档目录"),
        QStringLiteral("文档文件名"),  QStringLiteral("文本文件名"),   QStringLiteral("Ppt文件名"),
        QStringLiteral("Flash文件名"), QStringLiteral("视音频文件名"), QStringLiteral("图片文件"),
        QStringLiteral("背景音乐1"),   QStringLiteral("背景音乐2"),    QStringLiteral("背景图片1"),
        QStringLiteral("背景图片2"),   QStringLiteral("浏览器地址"),   QStringLiteral("其他应用程序")};
    return labels.value(slotIndex);
}

PageTexts pageFromRecord(const LessonRecord &record)
{
    PageTexts page;
    for (int field = 0; field < kFieldCount; ++field)
        page[field] = record[slotOf(field)];
    return page;
}

LessonRecord fileRecord(const PageTexts &page, const Backgrounds &backgrounds)
{
    LessonRecord record;
    for (int field = 0; field < kFieldCount; ++field)
        record[slotOf(field)] = page[field];
    for (int i = 0; i < 4; ++i)
        record[slot::Music1 + i] = backgrounds[i];
    return record;
}

Backgrounds backgroundsOf(const LessonRecord &record)
{
    return {record[slot::Music1], record[slot::Music2], record[slot::Picture1], record[slot::Picture2]};
}

int slotWithControlCharacter(const LessonRecord &record)
{
    for (int i = 0; i < int(record.size()); ++i) {
        if (std::any_of(record[i].cbegin(), record[i].cend(), [](QChar c) { return c.unicode() < 32; }))
            return i;
    }
    return -1;
}

QString controlCharacterMessage(int slotIndex)
{
    return QStringLiteral("“") + slotLabel(slotIndex) + QStringLiteral("”中含有换行等控制字符，请修改后再试");
}

} // namespace editorfields
