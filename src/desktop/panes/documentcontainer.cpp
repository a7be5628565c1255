#include "documentcontainer.h"

#include "platform/office/worddocument.h"

#include <algorithm>
#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>

namespace {

const double kTwipsPerInch = 1440;
// Grey shows against a white page as against a dark desktop.
const QColor kEdgeColour(96, 96, 96);

bool holdsTable(const QTextDocument &page)
{
    const QList<QTextFrame *> frames = page.rootFrame()->childFrames();
    return std::any_of(frames.begin(), frames.end(),
                       [](QTextFrame *frame) { return qobject_cast<QTextTable *>(frame) != nullptr; });
}

} // namespace

DocumentContainer::DocumentContainer(const QString &name, PageLayout layout, QWidget *parent)
    : QWidget(parent), m_layout(layout)
{
    setObjectName(name);
    setFocusPolicy(Qt::StrongFocus);
}

DocumentContainer::~DocumentContainer() = default;

void DocumentContainer::showPage(std::unique_ptr<QTextDocument> page)
{
    m_page = std::move(page);
    m_page->setDocumentMargin(0);
    const QSizeF room = visibleRoom();
    WordDocument::fitPictures(*m_page, room);
    m_page->setTextWidth(pixelsX(m_layout.shownColumn().width));
    m_holdsTable = holdsTable(*m_page);
    // Laid out now, so painting the page only draws it.
    m_page->documentLayout()->documentSize();
    update();
}

void DocumentContainer::setFramed(bool framed)
{
    m_framed = framed;
    update();
}

void DocumentContainer::clearPage()
{
    m_page.reset();
    update();
}

void DocumentContainer::mouseReleaseEvent(QMouseEvent *event)
{
    emit released(event->button(), event->globalPosition().toPoint());
}

void DocumentContainer::keyPressEvent(QKeyEvent *event)
{
    // Esc is the window's (leaving full screen or ink), never a document key:
    // a spare one must not ask for a document.
    if (event->text().isEmpty() || event->key() == Qt::Key_Escape) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit typed(event->text());
    // Enter, used by none of the container's keys, goes on to the window's.
    if (!event->text().front().isPrint())
        event->ignore();
}

void DocumentContainer::paintEvent(QPaintEvent *event)
{
    if (!m_page)
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.fillRect(rect(), Qt::white);
    if (m_framed) {
        QPen edge(kEdgeColour, kEdgeWidth);
        edge.setJoinStyle(Qt::MiterJoin);
        painter.setPen(edge);
        const double half = kEdgeWidth / 2.0;
        painter.drawRect(QRectF(rect()).adjusted(half, half, -half, -half));
        painter.setClipRect(rect().adjusted(kEdgeWidth, kEdgeWidth, -kEdgeWidth, -kEdgeWidth),
                            Qt::IntersectClip);
        painter.translate(kEdgeWidth, kEdgeWidth);
    }
    const TwipsRect column = m_layout.shownColumn();
    const double scale = this->scale();
    painter.scale(scale, scale);
    m_page->drawContents(&painter,
                         QRectF(0, 0, pixelsX(column.width) / scale, pixelsY(column.height) / scale));
}

QSizeF DocumentContainer::visibleRoom() const
{
    const TwipsRect column = m_layout.shownColumn();
    const int edges = m_framed ? 2 * kEdgeWidth : 0;
    return QSizeF(qMin(pixelsX(column.width), double(width() - edges)),
                  qMin(pixelsY(column.height), double(height() - edges)));
}

double DocumentContainer::scale() const
{
    // A table comes whole on its page: one too long for what shows of the
    // column is shown smaller.
    if (!m_page || !m_holdsTable)
        return 1.0;
    const double room = visibleRoom().height();
    const double tall = m_page->size().height();
    return tall > room && room > 0 ? room / tall : 1.0;
}

double DocumentContainer::pixelsX(double twips) const
{
    return twips / kTwipsPerInch * logicalDpiX();
}

double DocumentContainer::pixelsY(double twips) const
{
    return twips / kTwipsPerInch * logicalDpiY();
}
