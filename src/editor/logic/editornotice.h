#pragma once

#include <QString>

// A message the editor shows after a command: text, title and kind of icon.
// Kept free of widgets so the commands' outcomes can be checked without a display.
struct EditorNotice {
    enum class Icon { Information, Warning };

    QString text;
    QString title;
    Icon icon = Icon::Information;
};
