#include "documentcontainer.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

namespace {

const double kTwipsPerInch = 1440;
// Grey shows against a white page as against a dark desktop.
const QColor kEdgeColour(96, 96, 96);

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
    m_page->setTextWidth(pixelsX(m_layout.shownColumn().width));
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
    m_page->drawContents(&painter, QRectF(0, 0, pixelsX(column.width), pixelsY(column.height)));
}

double DocumentContainer::pixelsX(double twips) const
{
    return twips / kTwipsPerInch * logicalDpiX();
}

double DocumentContainer::pixelsY(double twips) const
{
    return twips / kTwipsPerInch * logicalDpiY();
}
