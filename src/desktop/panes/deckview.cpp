#include "deckview.h"

#include "platform/office/pdfpages.h"

#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QWheelEvent>

DeckView::DeckView(QWidget *parent) : QWidget(parent)
{
    setObjectName(QStringLiteral("WebBrowser1"));
    setFocusPolicy(Qt::StrongFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
}

bool DeckView::showDeck(const QString &pdfFile, QString *problem)
{
    clear();
    const QString unreadable = pdfpages::load(m_pdf, pdfFile);
    if (!unreadable.isEmpty()) {
        m_pdf.close();
        if (problem)
            *problem = unreadable;
        return false;
    }
    m_loaded = true;
    go(0);
    emit deckShown();
    return true;
}

void DeckView::clear()
{
    m_loaded = false;
    m_slide = 0;
    m_rendered.clear();
    m_unreadable.clear();
    m_pdf.close();
    update();
}

int DeckView::slideCount() const
{
    return m_loaded ? m_pdf.pageCount() : 0;
}

void DeckView::next()
{
    go(m_slide + 1);
}

void DeckView::previous()
{
    go(m_slide - 1);
}

void DeckView::go(int slide)
{
    if (!m_loaded || slide < 0 || slide >= slideCount())
        return;
    m_slide = slide;
    // Only the slides around the shown one are kept.
    for (auto it = m_rendered.begin(); it != m_rendered.end();)
        it = qAbs(it.key() - m_slide) > 1 ? m_rendered.erase(it) : std::next(it);
    update();
}

QSize DeckView::fittedSize(int slide) const
{
    const QSizeF page = m_pdf.pagePointSize(slide);
    if (page.isEmpty() || width() <= 0 || height() <= 0)
        return QSize();
    return (page.scaled(size(), Qt::KeepAspectRatio) * devicePixelRatioF()).toSize();
}

const QImage &DeckView::rendered(int slide)
{
    auto found = m_rendered.find(slide);
    if (found == m_rendered.end()) {
        QImage image = pdfpages::render(m_pdf, slide, fittedSize(slide));
        image.setDevicePixelRatio(devicePixelRatioF());
        found = m_rendered.insert(slide, image);
    }
    return *found;
}

void DeckView::renderAhead()
{
    if (m_loaded && m_slide + 1 < slideCount() && isVisible())
        rendered(m_slide + 1);
}

void DeckView::paintEvent(QPaintEvent *event)
{
    QPainter painter(this);
    painter.fillRect(event->rect(), Qt::black);
    if (!m_loaded)
        return;
    const QImage &image = rendered(m_slide);
    if (image.isNull() && !m_unreadable.contains(m_slide)) {
        m_unreadable.insert(m_slide);
        QTimer::singleShot(0, this, [this, slide = m_slide] { emit slideUnreadable(slide); });
    }
    const QSizeF shown = image.deviceIndependentSize();
    painter.drawImage(QPointF((width() - shown.width()) / 2, (height() - shown.height()) / 2), image);
    if (!m_rendered.contains(m_slide + 1))
        QTimer::singleShot(0, this, &DeckView::renderAhead);
}

void DeckView::setShow(QWidget *show)
{
    if (m_show && m_show != show)
        m_show->hide();
    m_show = show;
    if (!show)
        return;
    show->setParent(this);
    show->setGeometry(rect());
    show->show();
}

void DeckView::resizeEvent(QResizeEvent *event)
{
    if (m_show)
        m_show->setGeometry(rect());
    m_rendered.clear();
    QWidget::resizeEvent(event);
}

void DeckView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        next();
    else if (event->button() == Qt::RightButton)
        previous();
    QWidget::mousePressEvent(event);
}

void DeckView::wheelEvent(QWheelEvent *event)
{
    const int steps = event->angleDelta().y();
    if (steps < 0)
        next();
    else if (steps > 0)
        previous();
    event->accept();
}

void DeckView::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_PageDown:
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Space:
        next();
        break;
    case Qt::Key_PageUp:
    case Qt::Key_Left:
    case Qt::Key_Up:
    case Qt::Key_Backspace:
        previous();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}
