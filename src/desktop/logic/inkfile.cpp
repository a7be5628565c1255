#include "inkfile.h"

namespace {

// File systems allow 255 bytes a name; the rest is kept for the time, a
// number and the hidden name a save writes first.
const int kTitleBytes = 200;

QString fileNamePart(QString text)
{
    for (QChar &c : text) {
        if (c < QChar(0x20) || QStringLiteral("/\\:*?\"<>|").contains(c))
            c = QLatin1Char('_');
    }
    return text;
}

int utf8Bytes(const QString &text)
{
    return int(text.toUtf8().size());
}

// The longest beginning of `text` within `bytes`, never half a character.
QString beginningWithin(const QString &text, int bytes)
{
    QString kept;
    for (const uint codePoint : text.toUcs4()) {
        const QString next = QString::fromUcs4(reinterpret_cast<const char32_t *>(&codePoint), 1);
        if (utf8Bytes(kept + next) > bytes)
            break;
        kept += next;
    }
    return kept;
}

// Each title gets half the room; what one leaves goes to the other.
QString shortTitle(const QString &chapter, const QString &lesson)
{
    const int room = kTitleBytes - 1;
    if (utf8Bytes(chapter) + utf8Bytes(lesson) <= room)
        return chapter + QLatin1Char('-') + lesson;
    const int half = room / 2;
    const int chapterRoom = qMax(half, room - utf8Bytes(lesson));
    const QString shortChapter = beginningWithin(chapter, chapterRoom);
    return shortChapter + QLatin1Char('-') + beginningWithin(lesson, room - utf8Bytes(shortChapter));
}

} // namespace

QString inkPicturePath(const QString &lessonBook, const QString &chapter, const QString &lesson,
                       const QDateTime &at, const std::function<bool(const QString &path)> &taken)
{
    const QString stem = lessonBook + QStringLiteral("/批注/") +
                         shortTitle(fileNamePart(chapter), fileNamePart(lesson)) + QLatin1Char('-') +
                         at.toString(QStringLiteral("yyyyMMdd-HHmmss"));
    QString path = stem + QStringLiteral(".png");
    for (int number = 2; taken(path); ++number)
        path = stem + QStringLiteral("-%1.png").arg(number);
    return path;
}
