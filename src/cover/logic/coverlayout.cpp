#include "coverlayout.h"

#include "lesson/lessonbook.h"

#include <QFileInfo>

namespace cover {

Layout layOut(double W, double H, TwipsSize chapter, TwipsSize lesson)
{
    Layout l;
    // A sixth of the width, not of the height, as the titles always stood.
    l.chapter = {float((W - chapter.width) / 2), float(W / 6), chapter.width, chapter.height};
    l.lesson = {float((W - lesson.width) / 2), float(W / 6 + 2.0 * chapter.height), lesson.width,
                lesson.height};
    l.date = {float(W - 1.5 * kDateWidth), float(H - 2.0 * kDateHeight), kDateWidth, kDateHeight};
    l.teacher = {l.date.left, l.date.top - kTeacherHeight - 10, kTeacherWidth, kTeacherHeight};
    l.player = {float(W / 2), float(H / 2), float(W / 2), kHiddenPlayerHeight};
    return l;
}

QString chooseMusic(const QString &music1, const LessonBook &book)
{
    if (!music1.isEmpty())
        return book.locate(music1);
    const QString preferred = book.setFolder(QStringLiteral("music/gaoshanls.mp3"));
    if (QFileInfo::exists(preferred))
        return preferred;
    return book.setFolder(QStringLiteral("music/tn.mid"));
}

int pictureNumber(double r)
{
    return int(10 * r + 1);
}

QString choosePicture(const QString &picture1, const LessonBook &book, double r)
{
    if (!picture1.isEmpty())
        return book.locate(picture1);
    return book.setFolder(QStringLiteral("image/%1.jpg").arg(pictureNumber(r)));
}

} // namespace cover
