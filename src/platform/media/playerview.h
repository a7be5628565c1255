#pragma once

#include <QStyle>
#include <QWidget>

class QLabel;
class QSlider;
class QToolButton;
class VideoSurface;

// What the media player looks like: the video picture with a control bar
// (position slider, play, pause, stop) under it. The bar goes away when the
// player is too small to use it. Reports presses with their button code.
// A medium that cannot be played is told in the picture's place, never in a
// box that would stop the lesson.
class PlayerView : public QWidget
{
    Q_OBJECT
public:
    explicit PlayerView(QWidget *parent);

    VideoSurface *video() const { return m_video; }
    QWidget *controlBar() const { return m_bar; }

    void setDuration(qint64 ms);
    void setPosition(qint64 ms);

    void setFullScreen(bool on);
    bool isFullScreen() const;

    // A short line shown in place of the picture (a medium that cannot be
    // played); an empty text brings the picture back.
    void setNotice(const QString &text);

signals:
    void playClicked();
    void pauseClicked();
    void stopClicked();
    void seekRequested(qint64 ms);
    void pressed(int button);
    void focusIn();
    void shown();

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;
    void showEvent(QShowEvent *event) override;

private:
    QToolButton *makeButton(const char *name, QStyle::StandardPixmap icon, const QString &tip);

    VideoSurface *m_video;
    QLabel *m_notice;
    QWidget *m_bar;
    QSlider *m_slider;
};
