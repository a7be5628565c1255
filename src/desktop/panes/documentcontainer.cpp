#include "documentcontainer.h"

#include <QAbstractTextDocumentLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTextDocument>

namespace {

const double kCentimetresPerInch = 2.54;

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
    m_page->setTextWidth(pixelsX(m_layout.textWidth()));
    // Laid out now, so painting the page only draws it.
    m_page->documentLayout()->documentSize();
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
    if (event->text().isEmpty()) {
        QWidget::keyPressEvent(event);
        return;
    }
    emit typed(event->text());
    // Esc and Enter, used by none of the container's keys, go on to the window's.
    if (!event->text().front().isPrint())
        event->ignore();
}

void DocumentContainer::paintEvent(QPaintEvent *event)
{
    if (!m_page)
        return;
    QPainter painter(this);
    painter.setClipRect(event->rect());
    painter.fillRect(QRectF(0, 0, pixelsX(m_layout.width), pixelsY(m_layout.height)), Qt::white);
    // The text stays inside the page's margins, as on paper.
    const QRectF body(0, 0, pixelsX(m_layout.textWidth()), pixelsY(m_layout.textHeight()));
    painter.translate(pixelsX(m_layout.left), pixelsY(m_layout.top));
    m_page->drawContents(&painter, body);
}

double DocumentContainer::pixelsX(double centimetres) const
{
    return centimetres / kCentimetresPerInch * logicalDpiX();
}

double DocumentContainer::pixelsY(double centimetres) const
{
    return centimetres / kCentimetresPerInch * logicalDpiY();
}
