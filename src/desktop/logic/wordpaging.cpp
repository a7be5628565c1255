#include "wordpaging.h"

QList<ParagraphRange> pagedParagraphs(const QList<int> &tableOfBlock)
{
    QList<ParagraphRange> paged;
    for (int block = 1; block <= tableOfBlock.size(); ++block) {
        const int table = tableOfBlock.at(block - 1);
        if (table >= 0 && block > 1 && tableOfBlock.at(block - 2) == table)
            paged.last().last = block;
        else
            paged.append({block, block});
    }
    return paged;
}

ParagraphRange blocksOf(const QList<ParagraphRange> &paged, const ParagraphRange &paragraphs)
{
    if (paged.isEmpty())
        return paragraphs;
    const int count = int(paged.size());
    const int first = qBound(1, paragraphs.first, count);
    const int last = qBound(first, paragraphs.last, count);
    return {paged.at(first - 1).first, paged.at(last - 1).last};
}

ParagraphRange WordPaging::nextPage(int paragraphs)
{
    ++m_pageNo;
    m_pageShown = m_pageNo;
    const int first = (m_pageNo - 1) * kParagraphsPerPage + 1;
    // Four paragraphs or fewer from the start on: this page takes them all
    // and is the last, and the next one is page 1 again (seven paragraphs
    // make pages 1-3 and 4-7).
    if (first >= paragraphs - kParagraphsPerPage) {
        m_pageNo = 0;
        return {first, paragraphs};
    }
    return {first, first + kParagraphsPerPage - 1};
}

WordPaging::KeyAction WordPaging::key(const QString &key, bool textPaneVisible)
{
    const bool enlarge = key == QLatin1String("=");
    const bool reduce = key == QLatin1String("-");
    if (textPaneVisible && enlarge)
        return KeyAction::EnlargeText;
    if (textPaneVisible && reduce)
        return KeyAction::ReduceText;
    if (m_pageShown == 0)
        return KeyAction::Sorry;
    if (enlarge) {
        m_fontSize += kFontStep;
        m_pageNo = m_pageShown - 1;
    } else if (reduce) {
        // From 28 the sizes run 25, 22 ... 4, 1 and stay at 1.
        if (m_fontSize < kFontStep)
            m_fontSize = kFontStep + 1;
        m_fontSize -= kFontStep;
        m_pageNo = m_pageShown - 1;
    } else if (key == QLatin1String(",")) {
        if (m_pageShown == 1)
            m_pageShown = 2;
        m_pageNo = m_pageShown - 2;
    } else if (key != QLatin1String(".")) {
        return KeyAction::None;
    }
    return KeyAction::ShowPage;
}
