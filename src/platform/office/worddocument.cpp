#include "worddocument.h"

#include "documentpictures.h"
#include "lesson/textfiledecoding.h"
#include "platform/songfont.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextDocumentFragment>
#include <QTextTable>
#include <QUrl>

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

// Gives each picture of `document` the format `change` makes of it.
template<class Change>
void changePictures(QTextDocument &document, Change change)
{
    for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
        changeRuns(document, block, [&change](QTextCharFormat &format) {
            if (!format.isImageFormat())
                return false;
            QTextImageFormat picture = format.toImageFormat();
            if (!change(picture))
                return false;
            format = picture;
            return true;
        });
    }
}

// Every picture gets the size it has in the source, in pixels, so that it can
// grow with the type: the size the page gives it, else the file's own.
void pinPictureSizes(QTextDocument &document, const DocumentPictures &pictures)
{
    changePictures(document, [&pictures](QTextImageFormat &picture) {
        if (picture.width() > 0 && picture.height() > 0)
            return false;
        const QSizeF own = pictures.size(QUrl(picture.name()));
        if (own.isEmpty())
            return false;
        QSizeF size = own;
        if (picture.width() > 0)
            size = own * (picture.width() / own.width());
        else if (picture.height() > 0)
            size = own * (picture.height() / own.height());
        picture.setWidth(size.width());
        picture.setHeight(size.height());
        return true;
    });
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

// The table that holds `block`, the outermost where tables nest.
QTextTable *outermostTable(const QTextBlock &block)
{
    QTextTable *outermost = nullptr;
    for (QTextFrame *frame = QTextCursor(block).currentFrame(); frame; frame = frame->parentFrame()) {
        if (auto *table = qobject_cast<QTextTable *>(frame))
            outermost = table;
    }
    return outermost;
}

} // namespace

WordDocument::WordDocument(std::unique_ptr<QTextDocument> document,
                           std::shared_ptr<DocumentPictures> pictures)
    : m_document(std::move(document)), m_pictures(std::move(pictures))
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
    // Pictures the conversion wrote beside the page are found from there.
    auto pictures = std::make_shared<DocumentPictures>(QFileInfo(converted.file).absolutePath());
    std::unique_ptr<QTextDocument> document = DocumentPictures::newDocument(pictures);
    document->setDefaultFont(songFont(kDefaultPoints));
    const QByteArray bytes = file.readAll();
    if (converted.format == ConvertedDocument::Format::PlainText) {
        document->setPlainText(decodeTextFile(bytes));
    } else {
        importOfficeHtml(*document, QString::fromUtf8(bytes));
    }
    pinPictureSizes(*document, *pictures);
    return std::unique_ptr<WordDocument>(new WordDocument(std::move(document), std::move(pictures)));
}

int WordDocument::paragraphCount() const
{
    return m_document->blockCount();
}

QList<int> WordDocument::paragraphTables() const
{
    QList<int> tables;
    tables.reserve(paragraphCount());
    for (QTextBlock block = m_document->begin(); block.isValid(); block = block.next()) {
        const QTextTable *table = outermostTable(block);
        tables.append(table ? table->firstPosition() : -1);
    }
    return tables;
}

std::unique_ptr<QTextDocument> WordDocument::copyRange(int first, int last, double points) const
{
    const QTextBlock from = m_document->findBlockByNumber(first - 1);
    const QTextBlock to = m_document->findBlockByNumber(qMin(last, paragraphCount()) - 1);
    std::unique_ptr<QTextDocument> page = DocumentPictures::newDocument(m_pictures);
    page->setDefaultFont(m_document->defaultFont());
    if (!from.isValid() || !to.isValid() || to.blockNumber() < from.blockNumber())
        return page;
    int start = from.position();
    int end = to.position() + to.length() - 1;
    // A selection from cell to cell would copy only those cells' rows.
    if (const QTextTable *table = outermostTable(from))
        start = table->firstPosition() - 1;
    if (const QTextTable *table = outermostTable(to))
        end = table->lastPosition() + 1;
    QTextCursor selection(m_document.get());
    selection.setPosition(start);
    selection.setPosition(end, QTextCursor::KeepAnchor);
    QTextCursor cursor(page.get());
    cursor.insertFragment(selection.selection());
    // The first paragraph keeps its own alignment and spacing, not the empty page's.
    cursor.setPosition(0);
    // Without its list or table: those objects belong to the source document, and
    // the page has none of that index (Qt then crashes).
    QTextBlockFormat firstFormat = from.blockFormat();
    firstFormat.setObjectIndex(-1);
    cursor.setBlockFormat(firstFormat);
    sized(*page, points);
    return page;
}

std::unique_ptr<QTextDocument> WordDocument::newFrame() const
{
    return DocumentPictures::newDocument(m_pictures);
}

std::unique_ptr<QTextDocument> WordDocument::copyAll(double points) const
{
    std::unique_ptr<QTextDocument> whole = DocumentPictures::newDocument(m_pictures);
    whole->setDefaultFont(m_document->defaultFont());
    whole->rootFrame()->setFrameFormat(m_document->rootFrame()->frameFormat());
    QTextCursor(whole.get()).insertFragment(QTextDocumentFragment(m_document.get()));
    sized(*whole, points);
    return whole;
}

void WordDocument::sized(QTextDocument &copy, double points) const
{
    setPointSize(copy, points);
    const double growth = points / kDefaultPoints;
    changePictures(copy, [growth](QTextImageFormat &picture) {
        if (picture.width() <= 0 || picture.height() <= 0)
            return false;
        picture.setWidth(picture.width() * growth);
        picture.setHeight(picture.height() * growth);
        return true;
    });
}

void WordDocument::fitPictures(QTextDocument &document, const QSizeF &room)
{
    changePictures(document, [room](QTextImageFormat &picture) {
        const QSizeF size(picture.width(), picture.height());
        if (size.isEmpty() || room.isEmpty() ||
            (size.width() <= room.width() && size.height() <= room.height()))
            return false;
        const QSizeF fitted = size.scaled(room, Qt::KeepAspectRatio);
        picture.setWidth(fitted.width());
        picture.setHeight(fitted.height());
        return true;
    });
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
