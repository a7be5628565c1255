#include "lessonmedia.h"

#include "lesson/lessonbook.h"
#include "lesson/medialists.h"

#include <QDirIterator>
#include <QFileInfo>

namespace lessonmedia {

namespace {

struct FieldRule {
    int field;
    MediaKind kind;
    const char *caption;
};

const FieldRule kFields[] = {
    {slot::DocumentFile, MediaKind::Document, "文档文件名"},
    {slot::TextFiles, MediaKind::Text, "文本文件名"},
    {slot::DeckFiles, MediaKind::Deck, "Ppt文件名"},
    {slot::FlashFiles, MediaKind::Flash, "Flash文件名"},
    {slot::MediaFiles, MediaKind::AudioVideo, "视音频文件名"},
    {slot::PictureFiles, MediaKind::Picture, "图片文件"},
    {slot::Music1, MediaKind::AudioVideo, "背景音乐1"},
    {slot::Music2, MediaKind::AudioVideo, "背景音乐2"},
    {slot::Picture1, MediaKind::Picture, "背景图片1"},
    {slot::Picture2, MediaKind::Picture, "背景图片2"},
    {slot::WebAddress, MediaKind::WebPage, "浏览器地址"},
    {slot::OtherProgram, MediaKind::Program, "其他应用程序"},
};

bool isList(int field)
{
    return field >= slot::TextFiles && field <= slot::PictureFiles;
}

// Whether the web address is a file's name, as the browser window reads it: a
// full path, a Windows name or one below the program folder (备课本\示例\首页.html).
// A web address ("http://...", "www.example.cn") has no file to check.
bool namesFile(const QString &address, const LessonBook &book)
{
    const QString path = LessonBook::toNativeSeparators(address);
    if (address.contains(QLatin1Char('\\')) || !LessonBook::isRelativeName(path))
        return true;
    return !LessonBook::isRelativeName(book.openable(path.section(QLatin1Char('/'), 0, 0)));
}

} // namespace

QString fieldCaption(int field)
{
    for (const FieldRule &rule : kFields) {
        if (rule.field == field)
            return QString::fromUtf8(rule.caption);
    }
    return QString();
}

QList<CheckItem> itemsOf(const LessonRecord &fields, const LessonBook &book)
{
    // The desktop's own lists, built from a copy: it rewrites the fields it splits.
    LessonRecord copy = fields;
    MediaLists lists;
    buildMediaLists(copy, book.programFolder(), lists);
    const auto listOf = [&lists](int field) -> const MediaList & {
        switch (field) {
        case slot::TextFiles:
            return lists.textFiles;
        case slot::DeckFiles:
            return lists.decks;
        case slot::FlashFiles:
            return lists.flashMovies;
        case slot::MediaFiles:
            return lists.media;
        default:
            return lists.pictures;
        }
    };
    QList<CheckItem> items;
    for (const FieldRule &rule : kFields) {
        const QString &text = fields[rule.field];
        if (text.trimmed().isEmpty())
            continue;
        QStringList names;
        QStringList stored;
        if (isList(rule.field)) {
            const MediaList &list = listOf(rule.field);
            // The element after the editor's final space is no name.
            names = list.elements.mid(0, list.count);
            stored = copy[rule.field].split(QLatin1Char(' '));
        } else if (rule.field == slot::DocumentFile || rule.field == slot::WebAddress) {
            const QString name = text.trimmed();
            if (rule.field == slot::WebAddress && !namesFile(name, book))
                continue;
            // The document lies in the lesson book, a page of the lesson below the program folder.
            const QString root = rule.field == slot::DocumentFile ? book.lessonBook() : book.programFolder();
            names = {LessonBook::resolve(root, name)};
            stored = {name};
        } else {
            names = {text};
            stored = {text};
        }
        for (int entry = 0; entry < names.size(); ++entry) {
            CheckItem item;
            item.field = rule.field;
            item.entry = entry;
            item.kind = rule.kind;
            item.stored = stored.value(entry);
            item.path = book.openable(names.at(entry));
            items.append(item);
        }
    }
    return items;
}

QString shownFile(const CheckItem &item)
{
    const bool otherMachine =
        !LessonBook::isRelativeName(item.stored) && !item.stored.startsWith(QLatin1Char('/'));
    return item.status == CheckItem::Status::Missing && otherMachine ? item.stored : item.path;
}

QString candidateRoot(int field, const LessonBook &book)
{
    return field <= slot::FlashFiles ? book.lessonBook() : book.programFolder();
}

QStringList sameNameFiles(const QString &missingPath, const QString &root)
{
    const QString name = QFileInfo(missingPath).fileName();
    QStringList found;
    if (name.isEmpty())
        return found;
    QDirIterator it(root, QDir::Files | QDir::NoDotAndDotDot, QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QString path = it.next();
        if (it.fileName().compare(name, Qt::CaseInsensitive) == 0 && path != missingPath)
            found.append(path);
    }
    found.sort();
    return found;
}

} // namespace lessonmedia
