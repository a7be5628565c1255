#pragma once

#include "lesson/lessonmedia.h"

// The check's words and the printed report of `veltano --check`.
namespace checkreport {

QString statusText(CheckItem::Status status); // "找到", "缺少", "不能播放"

// One line per medium: result, field, the stored name and the local file, the
// reason or the files of the same name below it; a count at the end.
QString format(const QString &lessonPath, const QList<CheckItem> &items);

// 0 when every medium was found and plays, else 1.
int exitCode(const QList<CheckItem> &items);

} // namespace checkreport
