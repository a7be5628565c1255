#include "medialists.h"

#include "lesson/lessonbook.h"

namespace {

QString withoutLeadingSpaces(const QString &text)
{
    int start = 0;
    while (start < text.size() && text.at(start) == QLatin1Char(' '))
        ++start;
    return text.mid(start);
}

} // namespace

QString MediaList::stepOn()
{
    if (count <= 0 || elements.isEmpty())
        return QString();
    const QString element = elements.value(position);
    ++position;
    if (position >= count)
        position = 0;
    return element;
}

void MediaList::stepBack(int steps)
{
    if (count <= 0)
        return;
    position = ((position - steps) % count + count) % count;
}

MediaList splitMediaField(QString &field, const QString &prefix, bool keepNames)
{
    field = withoutLeadingSpaces(field) + QLatin1Char(' ');
    MediaList list;
    int start = 0;
    while (start < field.size()) {
        const int space = field.indexOf(QLatin1Char(' '), start);
        const QString name = field.mid(start, space - start);
        // A name already absolute on this system would only be spoilt by a prefix.
        const bool keep = keepNames || name.startsWith(QLatin1Char('/'));
        list.elements.append(keep ? name : prefix + name);
        start = space + 1;
    }
    const int names = int(list.elements.size());
    list.count = names == 1 ? 1 : names - 1;
    return list;
}

bool buildMediaLists(LessonRecord &fields, const QString &programFolder, MediaLists &lists)
{
    // The document field is tested as it reads without its leading spaces.
    const bool keepNames = LessonBook::isAbsoluteName(withoutLeadingSpaces(fields[slot::DocumentFile]));
    const QString lessonBookPrefix = programFolder + QStringLiteral("\\备课本\\");
    const QString programPrefix = programFolder + QLatin1Char('\\');
    const struct {
        int field;
        MediaList &list;
        const QString &prefix;
    } order[] = {
        {slot::DeckFiles, lists.decks, lessonBookPrefix},
        {slot::FlashFiles, lists.flashMovies, lessonBookPrefix},
        {slot::TextFiles, lists.textFiles, lessonBookPrefix},
        {slot::PictureFiles, lists.pictures, programPrefix},
        {slot::MediaFiles, lists.media, programPrefix},
    };
    for (const auto &entry : order) {
        if (!fields[entry.field].isEmpty())
            entry.list = splitMediaField(fields[entry.field], entry.prefix, keepNames);
    }
    return !fields[slot::PictureFiles].isEmpty();
}

QString lessonDocumentPath(QString &field, const QString &programFolder)
{
    field = withoutLeadingSpaces(field);
    if (field.isEmpty() || LessonBook::isAbsoluteName(field))
        return field;
    return programFolder + QStringLiteral("\\备课本\\") + field;
}
