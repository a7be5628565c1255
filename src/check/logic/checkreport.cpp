#include "checkreport.h"

namespace checkreport {

QString statusText(CheckItem::Status status)
{
    switch (status) {
    case CheckItem::Status::Found:
        return QStringLiteral("找到");
    case CheckItem::Status::Missing:
        return QStringLiteral("缺少");
    case CheckItem::Status::Unplayable:
        return QStringLiteral("不能播放");
    case CheckItem::Status::Pending:
        break;
    }
    return QStringLiteral("未检查");
}

QString format(const QString &lessonPath, const QList<CheckItem> &items)
{
    QString report = QStringLiteral("检查课件：%1\n").arg(lessonPath);
    int problems = 0;
    for (const CheckItem &item : items) {
        if (item.status != CheckItem::Status::Found)
            ++problems;
        report += QStringLiteral("[%1] %2：%3 -> %4\n")
                      .arg(statusText(item.status), lessonmedia::fieldCaption(item.field), item.stored,
                           lessonmedia::shownFile(item));
        if (!item.reason.isEmpty())
            report += QStringLiteral("    %1\n").arg(item.reason);
        for (const QString &candidate : item.candidates)
            report += QStringLiteral("    同名文件：%1\n").arg(candidate);
    }
    report += QStringLiteral("共 %1 项，%2 项有问题。\n").arg(items.size()).arg(problems);
    return report;
}

int exitCode(const QList<CheckItem> &items)
{
    for (const CheckItem &item : items) {
        if (item.status != CheckItem::Status::Found)
            return 1;
    }
    return 0;
}

} // namespace checkreport
