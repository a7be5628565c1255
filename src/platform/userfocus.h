#pragma once

#include <Qt>

// Whether a widget got the keyboard focus because the user gave it (a click,
// Tab or Backtab, a shortcut, a command that focuses it on purpose). Focus
// handed back when a pop-up menu closes, when the menu bar lets go or when the
// window becomes active again is none of these: the user touched no control.
inline bool isUserGivenFocus(Qt::FocusReason reason)
{
    switch (reason) {
    case Qt::PopupFocusReason:
    case Qt::MenuBarFocusReason:
    case Qt::ActiveWindowFocusReason:
        return false;
    default:
        return true;
    }
}
