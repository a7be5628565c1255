#include "textpane.h"

#include "documentwait.h"
#include "lesson/filekinds.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"
#include "lesson/namedfile.h"
#include "lesson/textfiledecoding.h"
#include "paneservices.h"
#include "platform/choicedialogs.h"
#include "platform/documentconverter.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/office/worddocument.h"
#include "platform/songfont.h"

#include <QFile>
#include <QKeyEvent>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocumentFragment>
#include <QTextEdit>

namespace {

const double kDesignPoints = 28;
const QString kEnlarge = QStringLiteral("=");
const QString kReduce = QStringLiteral("-");

QTextEdit *makeRichTextBox(QWidget *workArea)
{
    auto *edit = new QTextEdit(workArea);
    edit->setObjectName(QStringLiteral("RichTextBox1"));
    edit->setFont(songFont(kDesignPoints));
    edit->setAcceptRichText(false);
    // The right button opens the pane's location menu instead of the editing menu.
    edit->setContextMenuPolicy(Qt::PreventContextMenu);
    edit->viewport()->setContextMenuPolicy(Qt::PreventContextMenu);
    return edit;
}

} // namespace

TextPane::TextPane(const PaneServices &services, QWidget *workArea, QPlainTextEdit *input, QMenu *location,
                   QObject *parent)
    : Pane(PaneKind::Text, makeRichTextBox(workArea), services.scale, parent), m_services(services),
      m_richText(static_cast<QTextEdit *>(control())), m_input(input), m_location(location),
      m_wait(new DocumentWait(services.documents, workArea, this))
{
    m_richText->viewport()->installEventFilter(this);
    m_input->installEventFilter(this);
    connect(m_wait, &DocumentWait::opened, this, &TextPane::onOpened);
}

FontSize TextPane::fontSize() const
{
    return FontSize::fromPoints(m_richText->font().pointSizeF());
}

void TextPane::txtButton(MediaList &textFiles)
{
    showPlainText(QString());
    if (textFiles.count > 0) {
        if (!loadFile(m_services.book.openable(textFiles.stepOn())))
            return;
    } else {
        const std::optional<QString> chosen = m_services.fileDialog->chooseFile(
            filekinds::withCommonFormats(QStringLiteral("文本文件(*.txt)|*.txt|RichText文件(*.rtf)|*.rtf"),
                                         MediaKind::Text),
            m_services.book.lessonBook());
        if (!chosen || !loadFile(*chosen))
            return;
    }
    setVisible(true);
}

void TextPane::prepare(const MediaList &textFiles)
{
    for (int i = 0; i < textFiles.count; ++i) {
        QFile file(m_services.book.openable(textFiles.elements.value(i)));
        if (namedfile::open(file, MediaKind::Text).isEmpty() &&
            filekinds::isRichText(filekinds::identify(file)))
            m_services.documents->open(file.fileName(), DocumentConverter::Urgency::Background);
    }
}

bool TextPane::Input()
{
    const QString typed = m_input->toPlainText();
    if (typed.isEmpty()) {
        setVisible(false);
        return false;
    }
    showPlainText(typed);
    setVisible(true);
    m_input->clear();
    return true;
}

bool TextPane::loadFile(const QString &path)
{
    QFile file(path);
    if (const QString why = namedfile::open(file, MediaKind::Text); !why.isEmpty()) {
        m_wait->tell(file.exists() ? why : QStringLiteral("找不到文本文件：\n") + path, m_richText);
        return false;
    }
    // Decided by the content, as the rich-text control does, not by the name:
    // a rich text, and a Word or OpenDocument text, come through the converter.
    if (filekinds::isRichText(filekinds::identify(file))) {
        // A rich text still on its way no longer replaces this one.
        m_wait->cancel();
        m_wait->request(path, m_richText);
        return true;
    }
    file.seek(0);
    showPlainText(decodeTextFile(file.readAll()));
    return true;
}

void TextPane::showPlainText(const QString &text)
{
    // A rich text still on its way no longer replaces what is shown now.
    m_wait->cancel();
    // Qt would give the text the format the cursor kept from the last rich
    // text (its colour, face and size): it takes the pane's font instead.
    m_richText->setCurrentCharFormat(QTextCharFormat());
    m_richText->setPlainText(text);
}

void TextPane::onOpened(const ConvertedDocument &converted)
{
    QString problem;
    const std::unique_ptr<WordDocument> document = WordDocument::load(converted, &problem);
    if (!document) {
        m_wait->report(converted.source, problem);
        return;
    }
    const QTextDocument &source = document->document();
    // Its pictures come from beside the converted page alone: the control's
    // own document would read any file the text names.
    QTextDocument *shown = document->newFrame().release();
    shown->setDefaultFont(source.defaultFont());
    QTextCursor cursor(shown);
    cursor.insertFragment(QTextDocumentFragment(&source));
    // The first paragraph keeps its own alignment, not the empty pane's; a
    // list's first item keeps the list the copy gave it (the source's list
    // object means nothing in this document).
    if (const QTextBlockFormat first = source.begin().blockFormat(); first.objectIndex() == -1) {
        cursor.setPosition(0);
        cursor.setBlockFormat(first);
    }
    // Its own sizes stay, those it leaves to its default included.
    WordDocument::pinDefaultSize(*shown);
    shown->setDefaultFont(m_richText->font());
    // The control deletes the document it made itself; one of ours goes here.
    QTextDocument *previous = m_richText->document();
    const bool previousIsOurs = previous->parent() == m_richText;
    shown->setParent(m_richText);
    m_richText->setDocument(shown);
    if (previousIsOurs)
        delete previous;
    // The size keys step on from its first character's size.
    const QTextBlock first = shown->begin();
    const double points = first.begin().atEnd() ? first.charFormat().fontPointSize()
                                                : first.begin().fragment().charFormat().fontPointSize();
    if (points > 0)
        setPaneFont(points);
}

bool TextPane::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && (watched == m_richText || watched == m_input)) {
        const QString key = static_cast<QKeyEvent *>(event)->text();
        if (isVisible() && (key == kEnlarge || key == kReduce)) {
            // In the input box the key is still typed afterwards, so the box
            // then holds just that character.
            if (watched == m_input)
                m_input->clear();
            if (key == kEnlarge)
                enlargeType();
            else
                reduceType();
            // In the pane the size keys change the type, not the lesson text.
            if (watched == m_richText)
                return true;
        }
    } else if (event->type() == QEvent::MouseButtonRelease && watched == m_richText->viewport()) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::RightButton)
            m_location->popup(mouse->globalPosition().toPoint());
    }
    // The input box is watched for its keys only: typing there is not touching the pane.
    if (watched == m_input)
        return QObject::eventFilter(watched, event);
    return Pane::eventFilter(watched, event);
}

void TextPane::enlargeType()
{
    setFontSize(fontSize().enlarged());
}

void TextPane::reduceType()
{
    setFontSize(fontSize().reduced());
}

void TextPane::setPaneFont(double points)
{
    QFont font = m_richText->font();
    font.setPointSizeF(points);
    m_richText->setFont(font);
}

void TextPane::setFontSize(const FontSize &size)
{
    setPaneFont(size.points());
    // A rich text carries sizes of its own; the keys size the whole text.
    WordDocument::setPointSize(*m_richText->document(), size.points());
}

void TextPane::Myfont()
{
    const std::optional<QFont> chosen = m_services.choiceDialogs->chooseFont(m_richText->font());
    if (!chosen)
        return;
    QFont font = m_richText->font();
    font.setFamily(chosen->family());
    font.setBold(chosen->bold());
    font.setUnderline(chosen->underline());
    m_richText->setFont(font);
    // The runs of a rich text carry faces and weights of their own.
    QTextCharFormat format;
    format.setFontFamilies({chosen->family()});
    format.setFontWeight(chosen->bold() ? QFont::Bold : QFont::Normal);
    format.setFontUnderline(chosen->underline());
    QTextCursor all(m_richText->document());
    all.select(QTextCursor::Document);
    all.mergeCharFormat(format);
    setFontSize(FontSize::fromPoints(chosen->pointSizeF()));
}
