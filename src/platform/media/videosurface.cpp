#include "videosurface.h"

#include <QPainter>
#include <QVideoFrame>
#include <QVideoSink>

VideoSurface::VideoSurface(QWidget *parent) : QWidget(parent), m_sink(new QVideoSink(this))
{
    setAttribute(Qt::WA_OpaquePaintEvent);
    connect(m_sink, &QVideoSink::videoFrameChanged, this, &VideoSurface::showFrame);
}

void VideoSurface::showFrame(const QVideoFrame &frame)
{
    // An invalid frame ends the picture (the player stopped or unloaded).
    m_frame = frame.isValid() ? frame.toImage() : QImage();
    update();
}

void VideoSurface::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.fillRect(rect(), Qt::black);
    if (m_frame.isNull())
        return;
    QRect target(QPoint(), m_frame.size().scaled(size(), Qt::KeepAspectRatio));
    target.moveCenter(rect().center());
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(target, m_frame);
}
