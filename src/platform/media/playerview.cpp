#include "playerview.h"

#include "platform/mediaplayer.h"
#include "platform/userfocus.h"
#include "videosurface.h"

#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QScreen>
#include <QSlider>
#include <QStyle>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

// Below this height (pixels) the bar would cover the picture or not fit at all.
constexpr int kBarMinimumHeight = 64;

// Button codes of the mouse events, as MediaPlayer::mouseDown reports them.
int buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return MediaPlayer::kLeftButton;
    case Qt::RightButton:
        return MediaPlayer::kRightButton;
    case Qt::MiddleButton:
        return MediaPlayer::kMiddleButton;
    default:
        return 0;
    }
}

} // namespace

PlayerView::PlayerView(QWidget *parent)
    : QWidget(parent), m_video(new VideoSurface(this)), m_notice(new QLabel(this)), m_bar(new QWidget(this))
{
    setObjectName(QStringLiteral("WindowsMediaPlayer"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral("PlayerView { background: black; }"));
    m_video->setObjectName(QStringLiteral("video"));
    m_video->setFocusPolicy(Qt::StrongFocus);
    m_video->installEventFilter(this);
    setFocusPolicy(Qt::StrongFocus);
    setFocusProxy(m_video);

    m_notice->setObjectName(QStringLiteral("notice"));
    m_notice->setAlignment(Qt::AlignCenter);
    m_notice->setWordWrap(true);
    m_notice->setStyleSheet(QStringLiteral("color: white; background: black;"));
    m_notice->hide();

    m_bar->setObjectName(QStringLiteral("controlBar"));
    // On the player's black the dark button icons could not be seen.
    m_bar->setAutoFillBackground(true);
    m_slider = new QSlider(Qt::Horizontal, m_bar);
    m_slider->setObjectName(QStringLiteral("position"));
    m_slider->setFocusPolicy(Qt::NoFocus);
    connect(m_slider, &QSlider::sliderMoved, this, [this](int ms) { emit seekRequested(ms); });
    auto *barLayout = new QHBoxLayout(m_bar);
    barLayout->setContentsMargins(4, 2, 4, 2);
    QToolButton *play = makeButton("play", QStyle::SP_MediaPlay, QStringLiteral("播放"));
    QToolButton *pause = makeButton("pause", QStyle::SP_MediaPause, QStringLiteral("暂停"));
    QToolButton *stop = makeButton("stop", QStyle::SP_MediaStop, QStringLiteral("停止"));
    connect(play, &QToolButton::clicked, this, &PlayerView::playClicked);
    connect(pause, &QToolButton::clicked, this, &PlayerView::pauseClicked);
    connect(stop, &QToolButton::clicked, this, &PlayerView::stopClicked);
    for (QToolButton *button : {play, pause, stop})
        barLayout->addWidget(button);
    barLayout->addWidget(m_slider, 1);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    layout->addWidget(m_video, 1);
    layout->addWidget(m_notice, 1);
    layout->addWidget(m_bar);
    m_bar->setVisible(false);
}

QToolButton *PlayerView::makeButton(const char *name, QStyle::StandardPixmap icon, const QString &tip)
{
    auto *button = new QToolButton(m_bar);
    button->setObjectName(QLatin1String(name));
    button->setIcon(style()->standardIcon(icon));
    button->setToolTip(tip);
    button->setAutoRaise(true);
    // Clicks on the bar give the focus to the player as a whole.
    button->setFocusPolicy(Qt::NoFocus);
    return button;
}

void PlayerView::setDuration(qint64 ms)
{
    m_slider->setRange(0, int(ms));
}

void PlayerView::setPosition(qint64 ms)
{
    if (!m_slider->isSliderDown())
        m_slider->setValue(int(ms));
}

void PlayerView::setFullScreen(bool on)
{
    if (on == isFullScreen())
        return;
    if (on) {
        // The picture leaves the player and covers the screen. The geometry is
        // set first because without a window manager "full screen" is only a wish.
        const QRect screen = m_video->screen() ? m_video->screen()->geometry() : QRect();
        m_video->setWindowFlags(Qt::Window);
        if (!screen.isEmpty())
            m_video->setGeometry(screen);
        m_video->showFullScreen();
        m_video->activateWindow();
        m_video->setFocus();
    } else {
        m_video->setWindowFlags(Qt::Widget);
        m_video->showNormal();
        layout()->activate();
    }
}

void PlayerView::setNotice(const QString &text)
{
    const bool shown = !text.isEmpty();
    m_notice->setText(text);
    // Hiding the picture while it holds the keyboard would hand the focus on
    // to the next control, as if the teacher had tabbed there.
    if (shown && m_video->hasFocus())
        m_video->clearFocus();
    m_video->setVisible(!shown);
    m_notice->setVisible(shown);
}

bool PlayerView::isFullScreen() const
{
    return m_video->isFullScreen();
}

bool PlayerView::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != m_video)
        return QWidget::eventFilter(watched, event);
    switch (event->type()) {
    case QEvent::MouseButtonPress:
        emit pressed(buttonCode(static_cast<QMouseEvent *>(event)->button()));
        return false;
    case QEvent::MouseButtonDblClick:
        if (isFullScreen()) {
            setFullScreen(false);
            return true;
        }
        return false;
    case QEvent::KeyPress:
        if (static_cast<QKeyEvent *>(event)->key() == Qt::Key_Escape && isFullScreen()) {
            setFullScreen(false);
            return true;
        }
        return false;
    case QEvent::FocusIn:
        if (isUserGivenFocus(static_cast<QFocusEvent *>(event)->reason()))
            emit focusIn();
        return false;
    default:
        return false;
    }
}

void PlayerView::mousePressEvent(QMouseEvent *event)
{
    // Presses on the video arrive here too when the video leaves them; the
    // filter has reported those already. A hidden video (a notice in its
    // place) or one out on the full screen keeps a geometry that says nothing.
    const bool onVideo = m_video->isVisible() && !m_video->isWindow() &&
                         m_video->geometry().contains(event->position().toPoint());
    if (!onVideo)
        emit pressed(buttonCode(event->button()));
    QWidget::mousePressEvent(event);
}

void PlayerView::resizeEvent(QResizeEvent *event)
{
    m_bar->setVisible(height() >= kBarMinimumHeight);
    QWidget::resizeEvent(event);
}

void PlayerView::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    emit shown();
}
