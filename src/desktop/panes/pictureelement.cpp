#include "pictureelement.h"

#include "lesson/lessonbook.h"
#include "platform/songfont.h"

#include <QFileInfo>
#include <QMouseEvent>
#include <QPainter>

namespace {

const QColor kNoticeBack(255, 255, 225);
const QColor kNoticeText(128, 0, 0);

} // namespace

PictureElementView::PictureElementView(int index, QWidget *parent) : QWidget(parent), m_index(index)
{
    setObjectName(QStringLiteral("Image1(%1)").arg(index));
    // An image element never takes the keyboard; it records its kind on release.
    setFocusPolicy(Qt::NoFocus);
    // The current picture follows the pointer, pressed or not.
    setMouseTracking(true);
}

void PictureElementView::setStretch(bool stretch)
{
    if (stretch == m_stretch)
        return;
    m_stretch = stretch;
    update();
}

void PictureElementView::showPicture(const QString &file, const CachedPicture &picture)
{
    // The same decoded picture keeps its scaled copy.
    if (file == m_file && picture.image.cacheKey() == m_picture.image.cacheKey())
        return;
    m_file = file;
    m_picture = picture;
    m_scaled = QPixmap();
    update();
}

void PictureElementView::setFastScaling(bool fast)
{
    m_fast = fast;
    // A picture scaled quickly while it zoomed gets its smooth scaling back.
    if (!fast && m_scaledFast)
        update();
}

// Scaled again only when the size changes, or to smooth a quick scaling.
const QPixmap &PictureElementView::scaledTo(const QSize &size)
{
    if (m_scaled.size() != size || (m_scaledFast && !m_fast)) {
        m_scaled = QPixmap::fromImage(m_picture.image.scaled(
            size, Qt::IgnoreAspectRatio, m_fast ? Qt::FastTransformation : Qt::SmoothTransformation));
        m_scaledFast = m_fast;
    }
    return m_scaled;
}

void PictureElementView::paintEvent(QPaintEvent *)
{
    if (m_file.isEmpty())
        return;
    QPainter painter(this);
    if (!m_picture.readable) {
        paintNotice(painter);
        return;
    }
    const qreal ratio = devicePixelRatioF();
    const QSize logical = m_stretch ? size() : m_picture.ownSize;
    if (logical.isEmpty())
        return;
    QPixmap pixmap = scaledTo(logical * ratio);
    pixmap.setDevicePixelRatio(ratio);
    painter.drawPixmap(0, 0, pixmap);
}

void PictureElementView::paintNotice(QPainter &painter)
{
    const QRect box = rect().adjusted(0, 0, -1, -1);
    painter.fillRect(box, kNoticeBack);
    painter.setPen(kNoticeText);
    painter.drawRect(box);
    painter.setFont(songFont(9));
    painter.drawText(box.adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWrapAnywhere,
                     QStringLiteral("图片无法显示\n") +
                         QFileInfo(LessonBook::toNativeSeparators(m_file)).fileName());
}

void PictureElementView::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton)
        m_leftPressed = true;
    event->accept();
}

// The second press of a double click is no click of its own; its release
// still counts as a release.
void PictureElementView::mouseDoubleClickEvent(QMouseEvent *event)
{
    event->accept();
}

void PictureElementView::mouseMoveEvent(QMouseEvent *event)
{
    emit moved(m_index);
    event->accept();
}

void PictureElementView::mouseReleaseEvent(QMouseEvent *event)
{
    const bool click =
        event->button() == Qt::LeftButton && m_leftPressed && rect().contains(event->position().toPoint());
    if (event->button() == Qt::LeftButton)
        m_leftPressed = false;
    emit released(m_index, event->button(), event->globalPosition().toPoint());
    if (click)
        emit clicked(m_index);
    event->accept();
}
