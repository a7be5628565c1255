#pragma once

#include <QString>

// Names written on a Windows machine, which ignores letter case: a lesson's
// files, or what a movie or a page asks for ("UI.swf" for "ui.swf").
namespace namecase {

// `rest` ("a/b.swf") below `folder` ("" for the root): the exact name where it
// exists; else each folder and file name matched regardless of letter case
// (the exact one, else the first in code point order). Empty when some name
// matches nothing.
QString find(const QString &folder, const QString &rest);

// The same without trying the exact name first.
QString findIgnoringCase(const QString &folder, const QString &rest);

} // namespace namecase
