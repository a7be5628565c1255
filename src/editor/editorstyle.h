#pragma once

#include <QColor>
#include <QString>

class QCursor;
class QWidget;
class TwipsScale;
class LessonBook;

// The editor's look, shared by its pages: fonts, colours and twips placement.
namespace editorstyle {

// Frames, check boxes and buttons: &H00FFFFC0 (red 192, green 255, blue 255).
inline const QColor kPanel = QColor(192, 255, 255);
// Text boxes of a disabled background row: basic palette colour 7; otherwise colour 15.
inline const QColor kGrey = QColor(192, 192, 192);
inline const QColor kWhite = QColor(255, 255, 255);

// Point size of the editor's fields and buttons.
constexpr double kFontPoints = 10.5;

// The name of a control array's member, e.g. "Text1(3)".
QString indexedName(const char *name, int index);

// Names the control and places it in its container; the twips become pixels only here.
void place(QWidget *widget, const QString &name, const TwipsScale &scale, double left, double top,
           double width, double height);

void fill(QWidget *widget, const QColor &colour);

// The text box background that tells an editable field from a switched-off one.
void setFieldBackground(QWidget *field, const QColor &colour);

// The pointer shown over the pickers and the background page's buttons: the program's
// icon when it is there, a pointing hand otherwise.
QCursor pickerCursor(const LessonBook &book);

} // namespace editorstyle
