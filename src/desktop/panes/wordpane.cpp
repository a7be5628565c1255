#include "wordpane.h"

#include "base/producttitle.h"
#include "desktop/logic/pagelayout.h"
#include "documentcontainer.h"
#include "documentwait.h"
#include "lesson/filekinds.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"
#include "lesson/settingsfile.h"
#include "pane.h"
#include "paneservices.h"
#include "platform/documentconverter.h"
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/office/worddocument.h"
#include "textpane.h"
#include "wordfullwindow.h"

#include <QFileInfo>
#include <QMenu>
#include <QTextDocument>

WordPane::WordPane(const PaneServices &services, const FullArea &fullArea, Pane *ole1, Pane *ole2,
                   TextPane *text, QMenu *location, QObject *parent)
    : QObject(parent), m_services(services), m_fullArea(fullArea), m_ole1(ole1), m_ole2(ole2), m_text(text),
      m_location(location),
      m_wait(new DocumentWait(services.documents, ole1->control()->parentWidget(), this))
{
    for (DocumentContainer *container : {OLE1(), OLE2()}) {
        connect(container, &DocumentContainer::released, this,
                [this](Qt::MouseButton button, const QPoint &globalPos) {
                    if (button == Qt::LeftButton)
                        m_location->popup(globalPos);
                });
    }
    connect(OLE1(), &DocumentContainer::typed, this, &WordPane::onTyped);
    // The movable pane is placed over OLE1's page.
    OLE2()->setFramed(true);
    connect(m_wait, &DocumentWait::opened, this, &WordPane::onOpened);
}

WordPane::~WordPane()
{
    delete m_fullWindow;
}

WordFullWindow *WordPane::fullWindow() const
{
    return m_fullWindow;
}

DocumentContainer *WordPane::OLE1() const
{
    return static_cast<DocumentContainer *>(m_ole1->control());
}

DocumentContainer *WordPane::OLE2() const
{
    return static_cast<DocumentContainer *>(m_ole2->control());
}

QString WordPane::documentPath()
{
    const QString stored =
        lessonDocumentPath(m_services.lesson[slot::DocumentFile], m_services.book.programFolder());
    return stored.isEmpty() ? stored : m_services.book.openable(stored);
}

void WordPane::openLessonDocument()
{
    const QString path = documentPath();
    if (!path.isEmpty())
        m_wait->request(path, nullptr);
}

void WordPane::closeDocument()
{
    m_wait->cancel();
    m_document.reset();
    m_documentPath.clear();
}

void WordPane::WordOpen()
{
    const std::optional<QString> chosen = m_services.fileDialog->chooseFile(
        filekinds::withCommonFormats(
            QStringLiteral("文档文件(*.DOC)|*.doc|RichText文件(*.rtf)|*.rtf|文本文件(*.txt)|*.txt"),
            MediaKind::Document),
        m_services.book.lessonBook());
    if (!chosen)
        return;
    m_services.lesson[slot::DocumentFile] = *chosen;
    const Settings &settings = m_services.settings;
    const QString name = QFileInfo(*chosen).fileName();
    OLE1()->window()->setWindowTitle(settings.UnitName + subjectTitle(settings.StageSubject) +
                                     QString(19, QLatin1Char(' ')) + name.left(name.size() - 4));
    m_paging.restart();
    m_wait->request(*chosen, OLE1());
}

void WordPane::Wordstar()
{
    const QString path = documentPath();
    if (path.isEmpty()) {
        WordOpen();
        return;
    }
    if (m_document && path == m_documentPath && m_wait->pending().isEmpty()) {
        showNextPage();
        return;
    }
    m_wait->request(path, OLE1());
}

void WordPane::onOpened(const ConvertedDocument &converted, bool waited)
{
    QString problem;
    std::unique_ptr<WordDocument> document = WordDocument::load(converted, &problem);
    if (!document) {
        if (waited)
            m_wait->report(converted.source, problem);
        return;
    }
    m_document = std::move(document);
    m_paragraphs = pagedParagraphs(m_document->paragraphTables());
    m_shownFirst = 1;
    m_documentPath = converted.source;
    if (waited)
        showNextPage();
}

void WordPane::showNextPage()
{
    const ParagraphRange range = blocksOf(m_paragraphs, m_paging.nextPage(int(m_paragraphs.size())));
    m_shownFirst = range.first;
    std::unique_ptr<QTextDocument> page =
        m_document->copyRange(range.first, range.last, m_paging.DocFontSize());
    OLE2()->showPage(std::unique_ptr<QTextDocument>(page->clone()));
    OLE1()->showPage(std::move(page));
}

bool WordPane::stepPage(int direction)
{
    if (m_paging.WordPageShown() == 0)
        return false;
    onTyped(direction > 0 ? QStringLiteral(".") : QStringLiteral(","));
    return true;
}

void WordPane::onTyped(const QString &text)
{
    switch (m_paging.key(text, m_text && m_text->isVisible())) {
    case WordPaging::KeyAction::EnlargeText:
        m_text->enlargeType();
        break;
    case WordPaging::KeyAction::ReduceText:
        m_text->reduceType();
        break;
    case WordPaging::KeyAction::Sorry:
        m_services.messageBox->show(QStringLiteral("你还没有调用文档，请按“Word”按钮！"),
                                    QStringLiteral("Sorry"), MessageBox::Icon::Information,
                                    MessageBox::Buttons::Ok);
        break;
    case WordPaging::KeyAction::ShowPage:
        // What the toolbar's "word" button does.
        Wordstar();
        break;
    case WordPaging::KeyAction::None:
        break;
    }
}

void WordPane::placeWordPane(Position position)
{
    m_ole2->setGeometry(wordPlacement(m_ole2->geometry(), position, m_fullArea));
    OLE2()->setEnabled(true);
    // Activated in place: the pane shows its page where it now stands. With
    // no page yet there is nothing to show.
    if (OLE2()->page())
        m_ole2->setVisible(true);
}

void WordPane::WordFull()
{
    if (!m_document)
        return;
    if (!m_fullWindow) {
        m_fullWindow = new WordFullWindow();
        // Maximized on the lesson's screen, and moved with it.
        m_services.presentMaximized(m_fullWindow);
    }
    m_fullWindow->showDocument(m_document->copyAll(m_paging.DocFontSize()),
                               QFileInfo(m_documentPath).fileName(), m_shownFirst);
}
