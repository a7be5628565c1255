#include "stagelists.h"

namespace stagelists {

QStringList stages()
{
    return {QStringLiteral("高中"), QStringLiteral("初中"), QStringLiteral("小学")};
}

QStringList subjectsOf(int stageIndex)
{
    switch (stageIndex) {
    case 0:
        // "历史" stands twice in the high-school list, as teachers know it.
        return {QStringLiteral("语文"), QStringLiteral("数学"),     QStringLiteral("英语"),
                QStringLiteral("物理"), QStringLiteral("化学"),     QStringLiteral("生物"),
                QStringLiteral("政治"), QStringLiteral("历史"),     QStringLiteral("地理"),
                QStringLiteral("历史"), QStringLiteral("信息科学"), QStringLiteral("音乐"),
                QStringLiteral("美术")};
    case 1:
    case 2:
        return {QStringLiteral("语文"),     QStringLiteral("数学"),     QStringLiteral("英语"),
                QStringLiteral("自然科学"), QStringLiteral("社会科学"), QStringLiteral("音乐"),
                QStringLiteral("美术")};
    default:
        return {};
    }
}

} // namespace stagelists
