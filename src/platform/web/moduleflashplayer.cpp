#include "moduleflashplayer.h"

#include "platform/webcomponents.h"
#include "webmodule.h"

#include <QEvent>
#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

ModuleFlashPlayer::ModuleFlashPlayer(WebModule &module, QWidget *parent, int releaseAfterMs)
    : FlashPlayer(parent), m_module(module), m_host(new QWidget(parent)), m_release(new QTimer(this))
{
    auto *layout = new QVBoxLayout(m_host);
    layout->setContentsMargins(0, 0, 0, 0);
    m_host->installEventFilter(this);
    m_release->setSingleShot(true);
    m_release->setInterval(releaseAfterMs);
    connect(m_release, &QTimer::timeout, this, &ModuleFlashPlayer::release);
}

void ModuleFlashPlayer::setMovie(const QString &path)
{
    m_movie = path;
    if (m_player)
        m_player->setMovie(path);
    else if (m_host->isVisible() && !path.isEmpty())
        start();
}

void ModuleFlashPlayer::play()
{
    if (m_player)
        m_player->play();
}

void ModuleFlashPlayer::pause()
{
    if (m_player)
        m_player->pause();
}

void ModuleFlashPlayer::setMenu(bool on)
{
    m_menu = on;
    if (m_player)
        m_player->setMenu(on);
}

FlashPlayer::Status ModuleFlashPlayer::status() const
{
    if (m_player)
        return m_player->status();
    if (m_notice)
        return Status::Failed;
    return m_movie.isEmpty() ? Status::Empty : Status::Loading;
}

// A movie set while the control is not seen starts when it shows. Only a
// control hidden itself lets its player go: a window that is minimised or
// moves to another screen keeps its movie.
bool ModuleFlashPlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::Show) {
        m_release->stop();
        if (!m_player && !m_movie.isEmpty())
            start();
    } else if (watched == m_host && event->type() == QEvent::Hide && m_player && m_host->isHidden()) {
        m_release->start();
    }
    return FlashPlayer::eventFilter(watched, event);
}

void ModuleFlashPlayer::release()
{
    if (!m_player || !m_host->isHidden())
        return;
    // The module's control is the player's sibling in the host, not its child.
    QWidget *control = m_player->widget();
    m_host->setFocusProxy(nullptr);
    delete m_player;
    delete control;
    m_player = nullptr;
}

void ModuleFlashPlayer::start()
{
    WebComponents *components = m_module.components();
    if (!components) {
        if (!m_notice) {
            m_notice = new QLabel(m_host);
            m_notice->setAlignment(Qt::AlignCenter);
            m_notice->setWordWrap(true);
            m_host->layout()->addWidget(m_notice);
        }
        m_notice->setText(QStringLiteral("无法播放 Flash 动画：%1\n（找不到 Flash 播放组件）").arg(m_movie));
        emit statusChanged(Status::Failed);
        return;
    }
    m_player = components->flashPlayers().create(m_host);
    QWidget *control = m_player->widget();
    m_host->layout()->addWidget(control);
    m_host->setFocusProxy(control);
    connect(m_player, &FlashPlayer::statusChanged, this, &FlashPlayer::statusChanged);
    connect(m_player, &FlashPlayer::focusIn, this, &FlashPlayer::focusIn);
    connect(m_player, &FlashPlayer::pressed, this, &FlashPlayer::pressed);
    m_player->setMenu(m_menu);
    control->show();
    m_player->setMovie(m_movie);
}

FlashPlayer *ModuleFlashPlayerFactory::create(QWidget *parent)
{
    return new ModuleFlashPlayer(m_module, parent, m_releaseAfterMs);
}

// The module loads now and the engine starts on the next turn of the event
// loop: two shorter holds of the desktop's thread rather than one long one.
void ModuleFlashPlayerFactory::prepare()
{
    if (WebComponents *components = m_module.components())
        QTimer::singleShot(0, dynamic_cast<QObject *>(components),
                           [components] { components->flashPlayers().prepare(); });
}
