#pragma once

#include <QList>
#include <QString>

// A run of paragraphs, counted from 1, both ends included.
struct ParagraphRange {
    int first = 1;
    int last = 1;

    bool operator==(const ParagraphRange &o) const { return first == o.first && last == o.last; }
};

// The document's paragraphs as the Word pane pages them, each a run of its
// text blocks (counted from 1): a block of the body is a paragraph, and so is a
// table, whatever its rows and cells, since a page cut through a table would
// show its rows piecemeal over several pages. `tableOfBlock` holds, for each
// block in order, the table it lies in (any number naming that table, its
// outermost one when tables nest) or -1.
QList<ParagraphRange> pagedParagraphs(const QList<int> &tableOfBlock);
// The blocks that hold `paragraphs` of the document's `paged` paragraphs.
ParagraphRange blocksOf(const QList<ParagraphRange> &paged, const ParagraphRange &paragraphs);

// The Word pane's paging and type size. A page is three paragraphs: page n
// starts at paragraph 3 (n - 1) + 1; the last page runs to the end of the
// document (so it holds one to four paragraphs), and the page after it is
// page 1 again.
class WordPaging
{
public:
    static constexpr int kParagraphsPerPage = 3;
    static constexpr int kStartFontSize = 28;
    static constexpr int kFontStep = 3;

    // What a key typed in the large container asks for.
    enum class KeyAction {
        None,
        EnlargeText, // the text pane's "=": two points larger
        ReduceText,  // the text pane's "-"
        Sorry,       // no page shown yet: the teacher is told to press "Word"
        ShowPage,    // show the page the state now points at (the toolbar's "word")
    };

    int WordPageNo() const { return m_pageNo; }
    int WordPageShown() const { return m_pageShown; }
    int DocFontSize() const { return m_fontSize; }

    // A newly opened document shows page 1 next.
    void restart() { m_pageNo = 0; }

    // Steps to the next page of a document of `paragraphs` paragraphs and
    // returns the paragraphs it shows.
    ParagraphRange nextPage(int paragraphs);

    // The key handling of the large container; the text pane's size keys come
    // first while it is visible.
    KeyAction key(const QString &key, bool textPaneVisible);

private:
    int m_pageNo = 0;
    int m_pageShown = 0;
    int m_fontSize = kStartFontSize;
};
