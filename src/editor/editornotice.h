#pragma once

#include "platform/messagebox.h"

#include <QString>

// A message the editor shows after a command: text, title and kind of icon.
// Kept free of widgets so the commands' outcomes can be checked without a display.
struct EditorNotice {
    QString text;
    QString title;
    MessageBox::Icon icon = MessageBox::Icon::Information;
};
