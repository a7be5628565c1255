#pragma once

#include "filesel/selectfileinfo.h"

#include <optional>
#include <QString>

class LessonBook;

// What each of the editor's eleven file pickers `Image1`(k) does.
struct PickerRule {
    enum class Page { Lesson, Background };
    enum class Start { Music, Backgrounds, LessonBook, ProgramFolder };
    enum class Root { None, Document, Program };
    enum class Ending { OrBelow, Below };

    int index;
    Page page;
    int field; // `Text1`(field) on the lesson page, `Text4`(field) on the background page
    bool several;
    QString filter;
    Start start;
    Root root;
    Ending ending;

    QString startFolder(const LessonBook &book) const;
    // The "其他应用程序" picker offers runnable files only.
    bool picksProgram() const { return index == 4; }
};

namespace pickerrules {

// The rule of `Image1`(k); none for an index without a picker (5, or beyond 11).
std::optional<PickerRule> rule(int index);

// The pickers with a root are satisfied only by files in the root's folder or below it.
QString locationMessage(const QString &root, PickerRule::Ending ending);
// With no document folder there is nothing a name could be relative to.
QString emptyRootMessage();

// One document: the chosen path relative to the root (with "\" between folders), or
// nothing when its folder does not lie below the root.
std::optional<QString> documentName(const QString &root, const QString &chosenPath);

// Several files: the text appended to a list field — for each name the relative folder
// below the root, the name and one space — or nothing when the folder is outside the root.
std::optional<QString> listEntries(const QString &root, const SelectFileInfo &choice);

// Lists separate their names by spaces, so a name holding one would come back as two:
// the first stored name with a space, or "" when there is none.
QString nameWithSpace(const QString &root, const SelectFileInfo &choice);
QString nameWithSpaceMessage(const QString &name);

} // namespace pickerrules
