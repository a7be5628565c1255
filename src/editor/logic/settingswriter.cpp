#include "settingswriter.h"

#include "lesson/gbktext.h"
#include "lesson/settingsfile.h"

#include <QStringList>

namespace settingswriter {

Outcome write(const QString &settingsPath, const Input &input)
{
    Outcome outcome;
    const QString hint = QStringLiteral("提示");
    if (input.unit.isEmpty() || input.teacher.isEmpty()) {
        outcome.missingNames = true;
        outcome.notice = {QStringLiteral("请输入单位名称与执教者姓名。"), hint,
                          EditorNotice::Icon::Information};
        return outcome;
    }
    const Settings settings{input.unit, input.stage + input.subject, input.teacher};
    const QStringList labels = {QStringLiteral("单位"), QStringLiteral("学科"), QStringLiteral("执教")};
    int badField = -1;
    QString error;
    switch (SettingsFile(settingsPath).write(settings, &badField, &error)) {
    case SettingsFile::WriteResult::Ok:
        outcome.written = true;
        outcome.notice = {QStringLiteral("系统设置修改完毕"), QStringLiteral("修改系统设置"),
                          EditorNotice::Icon::Information};
        break;
    case SettingsFile::WriteResult::NotGbk:
        outcome.notice = {QStringLiteral("“") + labels.value(badField) +
                              QStringLiteral("”中有系统编码无法保存的字符，请修改后再试。"),
                          hint, EditorNotice::Icon::Information};
        break;
    case SettingsFile::WriteResult::TooLong: {
        const int bytes = gbk::byteLength(settings.UnitName) + gbk::byteLength(settings.StageSubject) +
                          gbk::byteLength(settings.TeacherName);
        outcome.notice = {QStringLiteral("单位、学科与执教者姓名共%1个字节，超过了设置文件能保存的%2个字节，"
                                         "请缩短后再试。")
                              .arg(bytes)
                              .arg(kMaxTextBytes),
                          hint, EditorNotice::Icon::Information};
        break;
    }
    case SettingsFile::WriteResult::IoError:
        outcome.notice = {QStringLiteral("无法写入设置文件“") + settingsPath + QStringLiteral("”：") + error,
                          hint, EditorNotice::Icon::Information};
        break;
    }
    return outcome;
}

} // namespace settingswriter
