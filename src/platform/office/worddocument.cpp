#include "worddocument.h"

#include "lesson/textfiledecoding.h"
#include "platform/songfont.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>

namespace {

const double kDefaultPoints = 12;

// Gives each run of characters of `block` the format `change` makes of it.
// The runs are collected first: changing a format merges and splits them.
template<class Change>
void changeRuns(QTextDocument &document, const QTextBlock &block, Change change)
{
    struct Run {
        int position;
        int length;
        QTextCharFormat format;
    };
    QList<Run> runs;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        runs.append({it.fragment().position(), it.fragment().length(), it.fragment().charFormat()});
    QTextCursor cursor(&document);
    for (Run &run : runs) {
        if (!change(run.format))
            continue;
        cursor.setPosition(run.position);
        cursor.setPosition(run.position + run.length, QTextCursor::KeepAnchor);
        cursor.setCharFormat(run.format);
    }
}

// LibreOffice writes the page header and footer, and the notes it gathers at
// the end, as divisions beside the body's paragraphs. Word counts the body's
// paragraphs only, so these divisions go, with whatever they hold. A division
// left open (a broken page) is kept.
QString bodyParagraphsOnly(const QString &html)
{
    static const QRegularExpression divisionTag(QStringLiteral("<(/?)div\\b([^>]*)>"),
                                                QRegularExpression::CaseInsensitiveOption);
    static const QRegularExpression outsideBody(
        QStringLiteral(
            "\\b(?:title\\s*=\\s*\"[^\"]*(?:header|footer)\"|id\\s*=\\s*\"sd(?:foot|end)note\\d+\")"),
        QRegularExpression::CaseInsensitiveOption);
    QString body;
    qsizetype copied = 0;
    qsizetype skipFrom = -1;
    int depth = 0;
    for (auto it = divisionTag.globalMatch(html); it.hasNext();) {
        const QRegularExpressionMatch tag = it.next();
        const bool closing = !tag.capturedView(1).isEmpty();
        if (depth == 0) {
            if (!closing && outsideBody.match(tag.captured(2)).hasMatch()) {
                skipFrom = tag.capturedStart();
                depth = 1;
            }
            continue;
        }
        depth += closing ? -1 : 1;
        if (depth == 0) {
            body += QStringView(html).mid(copied, skipFrom - copied);
            // The line break after it would join the last paragraph as a space.
            copied = tag.capturedEnd();
            while (copied < html.size() && html.at(copied).isSpace())
                ++copied;
        }
    }
    body += QStringView(html).mid(copied);
    return body;
}

// Gives every run and every paragraph mark (the height of an empty paragraph)
// of `document` the format `change` makes of it.
template<class Change>
void changeSizes(QTextDocument &document, Change change)
{
    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        QTextCharFormat blockFormat = block.charFormat();
        if (change(blockFormat)) {
            cursor.setPosition(block.position());
            cursor.setBlockCharFormat(blockFormat);
        }
        changeRuns(document, block, change);
    }
}

// LibreOffice's HTML needs these fixes before Qt shows it as the document looked.
void importOfficeHtml(QTextDocument &document, QString html)
{
    html = bodyParagraphsOnly(html);
    // Its style block sets every paragraph's size, overriding the sizes set inline.
    html.remove(QRegularExpression(QStringLiteral("<style[^>]*>.*</style>"),
                                   QRegularExpression::CaseInsensitiveOption |
                                       QRegularExpression::DotMatchesEverythingOption));
    document.setHtml(html);

    QTextCursor cursor(&document);
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        // An empty paragraph arrives as a line break alone.
        if (block.text() == QString(QChar::LineSeparator)) {
            cursor.setPosition(block.position());
            cursor.deleteChar();
        }
        QTextBlockFormat margins = block.blockFormat();
        margins.setTopMargin(0);
        margins.setBottomMargin(0);
        cursor.setPosition(block.position());
        cursor.setBlockFormat(margins);
        // "<font size=N>" around a size given in points would shrink it again.
        changeRuns(document, block, [](QTextCharFormat &format) {
            if (!format.hasProperty(QTextFormat::FontSizeAdjustment) ||
                !format.hasProperty(QTextFormat::FontPointSize))
                return false;
            format.clearProperty(QTextFormat::FontSizeAdjustment);
            return true;
        });
    }
}

} // namespace

WordDocument::WordDocument(std::unique_ptr<QTextDocument> document) : m_document(std::move(document))
{}

WordDocument::~WordDocument() = default;

std::unique_ptr<WordDocument> WordDocument::load(const ConvertedDocument &converted, QString *problem)
{
    QFile file(converted.file);
    if (converted.format == ConvertedDocument::Format::Pdf || !file.open(QIODevice::ReadOnly)) {
        if (problem)
            *problem = QStringLiteral("文档无法读取");
        return nullptr;
    }
    auto document = std::make_unique<QTextDocument>();
    document->setDefaultFont(songFont(kDefaultPoints));
    const QByteArray bytes = file.readAll();
    if (converted.format == ConvertedDocument::Format::PlainText) {
        document->setPlainText(decodeTextFile(bytes));
    } else {
        // Pictures the conversion wrote beside the page are found from there.
        document->setMetaInformation(QTextDocument::DocumentUrl, converted.file);
        importOfficeHtml(*document, QString::fromUtf8(bytes));
    }
    return std::unique_ptr<WordDocument>(new WordDocument(std::move(document)));
}

int WordDocument::paragraphCount() const
{
    return m_document->blockCount();
}

std::unique_ptr<QTextDocument> WordDocument::copyRange(int first, int last, double points) const
{
    const QTextBlock from = m_document->findBlockByNumber(first - 1);
    QTextBlock to = m_document->findBlockByNumber(qMin(last, paragraphCount()) - 1);
    auto page = std::make_unique<QTextDocument>();
    page->setDefaultFont(m_document->defaultFont());
    page->setMetaInformation(QTextDocument::DocumentUrl,
                             m_document->metaInformation(QTextDocument::DocumentUrl));
    if (!from.isValid() || !to.isValid() || to.blockNumber() < from.blockNumber())
        return page;
    QTextCursor selection(m_document.get());
    selection.setPosition(from.position());
    selection.setPosition(to.position() + to.length() - 1, QTextCursor::KeepAnchor);
    QTextCursor cursor(page.get());
    cursor.insertFragment(selection.selection());
    // The first paragraph keeps its own alignment and spacing, not the empty page's.
    cursor.setPosition(0);
    // Without its list or table: those objects belong to the source document, and
    // the page has none of that index (Qt then crashes).
    QTextBlockFormat firstFormat = from.blockFormat();
    firstFormat.setObjectIndex(-1);
    cursor.setBlockFormat(firstFormat);
    setPointSize(*page, points);
    return page;
}

std::unique_ptr<QTextDocument> WordDocument::copyAll(double points) const
{
    std::unique_ptr<QTextDocument> whole(m_document->clone());
    setPointSize(*whole, points);
    return whole;
}

void WordDocument::setPointSize(QTextDocument &document, double points)
{
    changeSizes(document, [points](QTextCharFormat &format) {
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.setFontPointSize(points);
        return true;
    });
}

void WordDocument::pinDefaultSize(QTextDocument &document)
{
    const double points = document.defaultFont().pointSizeF();
    changeSizes(document, [points](QTextCharFormat &format) {
        if (format.hasProperty(QTextFormat::FontPointSize))
            return false;
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.setFontPointSize(points);
        return true;
    });
}
