#include "lessonpack.h"

#include "lesson/configfile.h"
#include "lesson/lessonbook.h"

#include <QCryptographicHash>
#include <QFile>
#include <QFileInfo>
#include <QSet>

namespace lessonpack {

namespace {

bool inLessonBook(int field)
{
    return field >= slot::DocumentFile && field <= slot::FlashFiles;
}

bool isList(int field)
{
    return field >= slot::TextFiles && field <= slot::PictureFiles;
}

// "a.b.jpg" as "a.b-2.jpg": no space, for list fields end their names at one.
QString numbered(const QString &member, int n)
{
    const int slash = int(member.lastIndexOf(QLatin1Char('/')));
    const int dot = int(member.lastIndexOf(QLatin1Char('.')));
    const int at = dot > slash + 1 ? dot : int(member.size());
    return member.left(at) + QLatin1Char('-') + QString::number(n) + member.mid(at);
}

// Chooses members for the files a lesson names; one member per file, and
// files of the same name from different folders get numbered attachments.
class Members
{
public:
    Members(const LessonBook &book, const QString &title) : m_book(book)
    {
        m_attachments = lessonBookFolder() + QLatin1Char('/') + title + QStringLiteral("-附件/");
    }

    // Empty for a file of the program's set folder, which is not packed.
    QString memberFor(const QString &path)
    {
        if (const auto known = m_bySource.constFind(path); known != m_bySource.cend())
            return *known;
        const QString folder = QFileInfo(path).absolutePath();
        QString member;
        if (LessonBook::liesBelow(folder, m_book.setFolder()))
            return QString();
        if (LessonBook::liesBelow(folder, m_book.lessonBook())) {
            member = lessonBookFolder() + QLatin1Char('/') +
                     LessonBook::toNativeSeparators(LessonBook::relativeName(m_book.lessonBook(), path));
        } else {
            const QString first = m_attachments + QFileInfo(path).fileName();
            member = first;
            for (int n = 2; m_taken.contains(member); ++n)
                member = numbered(first, n);
        }
        m_taken.insert(member);
        m_bySource.insert(path, member);
        m_files.append({path, member});
        return member;
    }

    const QList<PackFile> &files() const { return m_files; }

private:
    const LessonBook &m_book;
    QString m_attachments;
    QHash<QString, QString> m_bySource;
    QSet<QString> m_taken;
    QList<PackFile> m_files;
};

} // namespace

QString manifestName()
{
    return QStringLiteral("veltano-pack.json");
}

QString lessonBookFolder()
{
    return QStringLiteral("备课本");
}

QString memberOf(int field, const QString &stored)
{
    const QString name = LessonBook::toNativeSeparators(stored);
    return inLessonBook(field) ? lessonBookFolder() + QLatin1Char('/') + name : name;
}

QString storedOf(int field, const QString &member)
{
    const QString prefix = lessonBookFolder() + QLatin1Char('/');
    const QString name =
        inLessonBook(field) && member.startsWith(prefix) ? member.mid(prefix.size()) : member;
    return LessonBook::toStoredSeparators(name);
}

LessonRecord renamed(const LessonRecord &fields, const QHash<QString, QString> &members)
{
    LessonRecord out = fields;
    const auto rename = [&members](int field, const QString &stored) {
        const auto to = members.constFind(memberOf(field, stored));
        return to == members.cend() ? stored : storedOf(field, *to);
    };
    for (int field = slot::DocumentFile; field <= slot::OtherProgram; ++field) {
        if (!isList(field)) {
            const QString name = fields[field].trimmed();
            if (const QString to = rename(field, name); to != name)
                out[field] = to;
            continue;
        }
        QStringList names = fields[field].split(QLatin1Char(' '));
        for (QString &name : names) {
            if (!name.isEmpty())
                name = rename(field, name);
        }
        out[field] = names.join(QLatin1Char(' '));
    }
    return out;
}

bool plan(const LessonRecord &fields, const LessonBook &book, PackPlan *out, QString *error)
{
    const QString title =
        fields[slot::LessonTitle].isEmpty() ? QStringLiteral("课件") : fields[slot::LessonTitle];
    Members members(book, title);
    LessonRecord packed = fields;
    // The lesson book itself is the document folder wherever the pack is unpacked.
    packed[slot::DocumentFolder] = lessonBookFolder();
    QHash<int, QStringList> lists;
    PackPlan result;
    for (CheckItem &item : lessonmedia::itemsOf(fields, book)) {
        QString stored = item.stored;
        const QFileInfo info(item.path);
        if (!info.isFile()) {
            item.status = CheckItem::Status::Missing;
            result.missing.append(item);
        } else if (const QString member = members.memberFor(info.absoluteFilePath()); !member.isEmpty()) {
            stored = storedOf(item.field, member);
        } else if (!inLessonBook(item.field)) {
            // A file of the set folder, by its name below the program folder.
            stored = LessonBook::relativeName(book.programFolder(), info.absoluteFilePath());
        }
        if (isList(item.field))
            lists[item.field].append(stored);
        else
            packed[item.field] = stored;
    }
    for (auto list = lists.cbegin(); list != lists.cend(); ++list)
        packed[list.key()] = list.value().join(QLatin1Char(' ')) + QLatin1Char(' ');
    int badSlot = -1;
    if (!configfile::encodeLineFile(packed, &result.lessonBytes, &badSlot)) {
        if (error)
            *error = QStringLiteral("课件第 %1 行有 GBK 无法表示的字符").arg(badSlot + 1);
        return false;
    }
    result.lessonMember = LessonBook::savedLessonPath(lessonBookFolder(), fields[slot::ChapterTitle], title);
    result.files = members.files();
    *out = result;
    return true;
}

QString fileSha256(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return QString();
    QCryptographicHash hash(QCryptographicHash::Sha256);
    hash.addData(&file);
    return QString::fromLatin1(hash.result().toHex());
}

} // namespace lessonpack
