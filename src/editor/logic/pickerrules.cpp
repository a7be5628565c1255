#include "pickerrules.h"

#include "filesel/mediafilters.h"
#include "lesson/lessonbook.h"

#include <QFileInfo>

namespace {

// Linux programs carry no ".exe": runnable files come first, the Windows entry stays.
const char *const kProgramFilter = "可执行程序|*|应用程序(*.exe)|*.exe";
const char *const kDocumentFilter = "文档文件|*.doc|RichTex文件|*.rtf";
const char *const kTextFilter = "文本文件|*.txt|Richtxt文件|*.rtf";
const char *const kPresentationFilter = "PowerPointView文件|*.ppt|Powerpoint文件|*.pps";
const char *const kFlashFilter = "Flash播放文件|*.swf";
const char *const kPictureFilter =
    "图片文件|*.bmp;*.ico;*.cur;*.jpg;*.jpeg;*.gif|Jpg文件|*.jpeg;*.jpg|Gif文件|*.gif|所有文件|*.*";

// The names as a list stores them: the folder below the root, then the file name.
QStringList storedNames(const QString &root, const SelectFileInfo &choice)
{
    const QString folder = LessonBook::relativeName(root, choice.FilePath);
    QStringList names;
    for (const QString &name : choice.FileNames)
        names.append(folder + name);
    return names;
}

} // namespace

QString PickerRule::startFolder(const LessonBook &book) const
{
    switch (start) {
    case Start::Music:
        return book.setFolder(QStringLiteral("music"));
    case Start::Backgrounds:
        return book.setFolder(QStringLiteral("bj"));
    case Start::LessonBook:
        return book.lessonBook();
    case Start::ProgramFolder:
        break;
    }
    return book.programFolder();
}

namespace pickerrules {

std::optional<PickerRule> rule(int index)
{
    using P = PickerRule;
    const auto make = [index](P::Page page, int field, bool several, const QString &filter, P::Start start,
                              P::Root root, P::Ending ending = P::Ending::OrBelow) {
        return PickerRule{index, page, field, several, filter, start, root, ending};
    };
    // The Windows version's entries first, then today's kinds of the field.
    const auto offered = [](const char *filter, MediaKind kind) {
        return filekinds::withCommonFormats(QString::fromUtf8(filter), kind);
    };
    switch (index) {
    case 0:
    case 1:
        return make(P::Page::Background, index, false, mediafilters::music(), P::Start::Music, P::Root::None);
    case 2:
    case 3:
        return make(P::Page::Background, index, false, mediafilters::backgroundPicture(),
                    P::Start::Backgrounds, P::Root::None);
    case 4:
        return make(P::Page::Lesson, 10, false, QString::fromUtf8(kProgramFilter), P::Start::ProgramFolder,
                    P::Root::None);
    case 6:
        return make(P::Page::Lesson, 3, false, offered(kDocumentFilter, MediaKind::Document),
                    P::Start::LessonBook, P::Root::Document);
    case 7:
        return make(P::Page::Lesson, 4, true, offered(kTextFilter, MediaKind::Text), P::Start::LessonBook,
                    P::Root::Document);
    case 8:
        return make(P::Page::Lesson, 5, true, offered(kPresentationFilter, MediaKind::Deck),
                    P::Start::LessonBook, P::Root::Document, P::Ending::Below);
    case 9:
        return make(P::Page::Lesson, 6, true, QString::fromUtf8(kFlashFilter), P::Start::LessonBook,
                    P::Root::Document);
    case 10:
        return make(P::Page::Lesson, 7, true, mediafilters::music(), P::Start::ProgramFolder,
                    P::Root::Program);
    case 11:
        return make(P::Page::Lesson, 8, true, offered(kPictureFilter, MediaKind::Picture),
                    P::Start::ProgramFolder, P::Root::Program);
    default:
        return std::nullopt;
    }
}

QString locationMessage(const QString &root, PickerRule::Ending ending)
{
    return QStringLiteral("请将文件移动到文件夹“") + root +
           (ending == PickerRule::Ending::Below ? QStringLiteral("”子目录下")
                                                : QStringLiteral("”或其子目录下"));
}

QString emptyRootMessage()
{
    return QStringLiteral("“文档目录”为空，请先填写文档目录（或单击“重置”），再选择文件");
}

std::optional<QString> documentName(const QString &root, const QString &chosenPath)
{
    if (!LessonBook::liesBelow(QFileInfo(chosenPath).path(), root))
        return std::nullopt;
    return LessonBook::relativeName(root, chosenPath);
}

std::optional<QString> listEntries(const QString &root, const SelectFileInfo &choice)
{
    if (choice.FileCount == 0 || !LessonBook::liesBelow(choice.FilePath, root))
        return std::nullopt;
    QString entries;
    for (const QString &name : storedNames(root, choice))
        entries += name + QLatin1Char(' ');
    return entries;
}

QString nameWithSpace(const QString &root, const SelectFileInfo &choice)
{
    for (const QString &name : storedNames(root, choice)) {
        if (name.contains(QLatin1Char(' ')))
            return name;
    }
    return QString();
}

QString nameWithSpaceMessage(const QString &name)
{
    return QStringLiteral("“") + name +
           QStringLiteral("”中含有空格。列表中的文件名以空格分开，请将文件或文件夹改名后再选择。");
}

} // namespace pickerrules
