#include "configfile.h"

#include "atomicfile.h"
#include "lineconfigfile.h"
#include "recordtexts.h"

#include <QCoreApplication>
#include <QFile>

namespace configfile {

Form formOf(const QString &path, const QStringList &lineEndings)
{
    const QString ending = path.right(3);
    if (lineEndings.contains(ending))
        return Form::Line;
    if (ending == QLatin1String("gsx"))
        return Form::Record;
    return Form::Unknown;
}

bool readLineFile(QIODevice &device, LessonRecord &fields)
{
    bool isText = false;
    const QStringList lines = lineconfig::readLines(device, kLineFileSlots, &isText);
    if (!isText)
        return false;
    for (int i = 0; i < lines.size(); ++i)
        fields[i] = lines.at(i);
    return true;
}

bool readRecordFile(QIODevice &device, LessonRecord &fields)
{
    static const int recordSlots[] = {0, 1, 2, 3, 4, 5, 6, 7, 8, 13, 14};
    const QByteArray record = device.read(recordtexts::kRecordSize);
    QStringList texts;
    if (!recordtexts::unpack(record, 11, &texts))
        return false;
    for (int i = 0; i < 11; ++i)
        fields[recordSlots[i]] = texts.at(i);
    return true;
}

QString notTextReason()
{
    return QCoreApplication::translate("configfile", "不是课程配置文件（含有二进制数据或过长的行）");
}

bool read(const QString &path, LessonRecord &fields, QString *error, const QStringList &lineEndings)
{
    const Form form = formOf(path, lineEndings);
    if (form == Form::Unknown)
        return true;
    atomicfile::removeLeftover(path);
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        *error = file.errorString();
        return false;
    }
    if (form == Form::Line) {
        if (readLineFile(file, fields))
            return true;
        *error = notTextReason();
        return false;
    }
    if (readRecordFile(file, fields))
        return true;
    *error = QCoreApplication::translate("configfile", "文件内容不完整或已损坏");
    return false;
}

bool encodeLineFile(const LessonRecord &fields, QByteArray *out, int *badSlot)
{
    QStringList lines;
    for (int i = 0; i < kLineFileSlots; ++i)
        lines.append(fields[i]);
    return lineconfig::encodeLines(lines, out, badSlot);
}

} // namespace configfile
