#pragma once

#include "desktop/logic/wordpaging.h"
#include "geometry/placement.h"

#include <memory>
#include <QObject>
#include <QPointer>
#include <QString>

struct PaneServices;
struct ConvertedDocument;
class DocumentContainer;
class DocumentWait;
class Pane;
class QMenu;
class TextPane;
class WordDocument;
class WordFullWindow;

// The Word pane ("Word"): the lesson document shown page by page in large
// type in both document containers, OLE1 over the work area (large page) and
// OLE2 the movable pane (square page). Documents are opened through the
// document converter; while one is prepared the containers keep their page
// and the desktop stays usable.
class WordPane : public QObject
{
    Q_OBJECT
public:
    // `location` is the menu WordLocation; `text` the text pane whose size
    // keys come first in OLE1.
    WordPane(const PaneServices &services, const FullArea &fullArea, Pane *ole1, Pane *ole2, TextPane *text,
             QMenu *location, QObject *parent = nullptr);
    ~WordPane() override;

    const WordPaging &paging() const { return m_paging; }
    DocumentContainer *OLE1() const;
    DocumentContainer *OLE2() const;
    bool hasDocument() const { return m_document != nullptr; }
    WordFullWindow *fullWindow() const;

    // Desktop start-up: the document of field 3 (its leading spaces trimmed
    // and stored back) starts opening in the background.
    void openLessonDocument();
    // Leaving the desktop: the document is closed.
    void closeDocument();

    void WordOpen();
    void Wordstar();

    // The placement items WordInmiddle, WordInleft, WordInright, WordIntop and
    // WordInButtom: a half-size pane, enabled, showing its page in place.
    void placeWordPane(Position position);
    void WordFull();
    // The paging keys from outside the document container: "." (direction
    // +1) or "," (-1). False while no page has been shown.
    bool stepPage(int direction);

private:
    void onOpened(const ConvertedDocument &converted, bool waited);
    void showNextPage();
    void onTyped(const QString &text);
    QString documentPath();

    const PaneServices &m_services;
    const FullArea &m_fullArea;
    Pane *m_ole1;
    Pane *m_ole2;
    TextPane *m_text;
    QMenu *m_location;
    DocumentWait *m_wait;
    WordPaging m_paging;
    std::unique_ptr<WordDocument> m_document;
    QString m_documentPath;
    // The first paragraph of the page shown last.
    // The document's paragraphs as pages count them: a table is one.
    QList<ParagraphRange> m_paragraphs;
    int m_shownFirst = 1;
    QPointer<WordFullWindow> m_fullWindow;
};
