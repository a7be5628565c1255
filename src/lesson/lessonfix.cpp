#include "lessonfix.h"

#include "lesson/atomicfile.h"
#include "lesson/gbktext.h"
#include "lesson/lessonbook.h"
#include "lesson/lessonfields.h"

#include <QFile>

namespace lessonfix {

namespace {

bool isList(int field)
{
    return field >= slot::TextFiles && field <= slot::PictureFiles;
}

// Byte range of line `field` (0-based), ended at CR as the line reader ends it;
// lines missing up to it are added as empty CR LF lines.
void lineRange(QByteArray &bytes, int field, int *start, int *end)
{
    int at = 0;
    for (int i = 0; i < field; ++i) {
        int cr = int(bytes.indexOf('\r', at));
        if (cr < 0) {
            bytes.append("\r\n");
            cr = int(bytes.size()) - 2;
        }
        at = cr + 1;
        if (at < bytes.size() && bytes.at(at) == '\n')
            ++at;
    }
    *start = at;
    const int cr = int(bytes.indexOf('\r', at));
    *end = cr < 0 ? int(bytes.size()) : cr;
}

} // namespace

QString storedName(int field, const QString &path, const LessonBook &book, bool keepFullNames)
{
    const bool relative = isList(field) || field == slot::DocumentFile;
    if (!relative || keepFullNames)
        return path;
    const QString root = field <= slot::FlashFiles ? book.lessonBook() : book.programFolder();
    if (!LessonBook::liesBelow(path, root + QLatin1Char('/')))
        return QString();
    return LessonBook::relativeName(root, path);
}

QString replaceEntry(const QString &fieldText, int field, int entry, const QString &name)
{
    if (!isList(field))
        return name;
    int start = 0;
    while (start < fieldText.size() && fieldText.at(start) == QLatin1Char(' '))
        ++start;
    for (int i = 0; i < entry; ++i) {
        const int space = int(fieldText.indexOf(QLatin1Char(' '), start));
        if (space < 0)
            return fieldText;
        start = space + 1;
    }
    int end = int(fieldText.indexOf(QLatin1Char(' '), start));
    if (end < 0)
        end = int(fieldText.size());
    return fieldText.left(start) + name + fieldText.mid(end);
}

bool rewrite(const QString &lessonPath, int field, int entry, const QString &name, QString *error)
{
    QFile file(lessonPath);
    if (!file.open(QIODevice::ReadOnly)) {
        if (error)
            *error = file.errorString();
        return false;
    }
    QByteArray bytes = file.readAll();
    file.close();
    int start = 0;
    int end = 0;
    lineRange(bytes, field, &start, &end);
    QByteArray line;
    if (!gbk::encode(replaceEntry(gbk::decode(bytes.mid(start, end - start)), field, entry, name), &line)) {
        if (error)
            *error = QStringLiteral("文件名含有 GBK 无法保存的字符");
        return false;
    }
    // The field's line ends with CR LF, as every line the editor writes.
    QByteArray rest = bytes.mid(end);
    if (rest.isEmpty())
        rest = "\r\n";
    return atomicfile::write(lessonPath, bytes.left(start) + line + rest, error);
}

} // namespace lessonfix
