#pragma once

#include <QImage>
#include <QWidget>

class QVideoFrame;
class QVideoSink;

// The video picture: the frames the player hands to its sink, painted to fit
// with their proportions kept, on black. A plain widget, not Qt's video widget:
// that one embeds a native window of its own, which Qt 6.4 deletes along with
// the desktop's window when a web page makes the desktop start that window
// again (for OpenGL), and its container then crashes on the next move.
class VideoSurface : public QWidget
{
    Q_OBJECT
public:
    explicit VideoSurface(QWidget *parent);

    QVideoSink *sink() const { return m_sink; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void showFrame(const QVideoFrame &frame);

    QVideoSink *m_sink;
    QImage m_frame;
};
