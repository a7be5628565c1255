#pragma once

#include "desktop/logic/fontsize.h"
#include "pane.h"

struct PaneServices;
struct ConvertedDocument;
struct MediaList;
class DocumentWait;
class QMenu;
class QPlainTextEdit;
class QTextEdit;

// The text pane ("Txt"): the rich-text control `RichTextBox1` showing a lesson
// text file or typed text in large type, and the toolbar's "txt" and "Input"
// buttons. "=" and "-" typed in the pane or in the input box `Text1` enlarge or
// reduce the pane's type while the pane is visible. The right button pops up
// the location menu `TxtLocation` (standard placement items, wired by the desktop).
class TextPane : public Pane
{
    Q_OBJECT
public:
    // `input` is the desktop's input box `Text1`, `location` its menu `TxtLocation`.
    TextPane(const PaneServices &services, QWidget *workArea, QPlainTextEdit *input, QMenu *location,
             QObject *parent = nullptr);

    QTextEdit *RichTextBox1() const { return m_richText; }

    // The pane's type size, read from its font: whoever set the font (the
    // size keys or the font dialog), the steps stay exact decimal.
    FontSize fontSize() const;
    // The size keys: two points larger; two points smaller while above 6.
    // Either applies to the whole text.
    void enlargeType();
    void reduceType();

    // 字体(Font) of the format menu: the chosen face, size, weight and
    // underline for the whole pane, a loaded rich text included, as the size
    // keys apply to the whole text. Cancel changes nothing.
    void Myfont();

    // Toolbar "txt": clears the pane, then shows the next file of the lesson's
    // text-file list, or a file chosen in the open dialog when the lesson
    // names none (cancel leaves the pane cleared and as visible as it was).
    void txtButton(MediaList &textFiles);
    // Converts the lesson's rich texts among `textFiles` in the background, as
    // the desktop opens, so that no text makes the teacher wait for the office.
    void prepare(const MediaList &textFiles);
    // Toolbar "Input": moves the typed text into the pane and shows it; with
    // nothing typed it hides the pane and returns false.
    bool Input();

    // Loads a ".txt" file (decoded by decodeTextFile) in the pane's own font,
    // or starts opening a rich-text file through the document converter: it
    // arrives with its formatting, sizes and pictures, its first character's
    // size becoming the pane's. A file that cannot be read gets a notice over the
    // pane, which keeps what it had.
    bool loadFile(const QString &path);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    // The control's font; the sizes in a rich text stay as they are.
    void setPaneFont(double points);
    // The pane's size for the whole text, a rich text's own sizes included.
    void setFontSize(const FontSize &size);
    void showPlainText(const QString &text);
    void onOpened(const ConvertedDocument &converted);

    const PaneServices &m_services;
    QTextEdit *m_richText;
    QPlainTextEdit *m_input;
    QMenu *m_location;
    // The rich-text file being opened.
    DocumentWait *m_wait;
};
