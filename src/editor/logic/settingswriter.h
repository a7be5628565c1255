#pragma once

#include "editor/logic/editornotice.h"

#include <QString>

// "确定" on the system page: the unit, stage and subject, and teacher into record 2
// of the settings file.
namespace settingswriter {

struct Input {
    QString unit;
    QString stage;
    QString subject;
    QString teacher;
};

struct Outcome {
    bool written = false;
    bool missingNames = false; // unit or teacher empty: the focus goes back to the unit
    EditorNotice notice;
};

// Refuses empty names, text the code page cannot hold (naming the field) and texts
// longer than the record's 122 bytes; record 1 of the file is kept.
Outcome write(const QString &settingsPath, const Input &input);

constexpr int kMaxTextBytes = 122;

} // namespace settingswriter
