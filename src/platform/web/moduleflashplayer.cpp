#include "moduleflashplayer.h"

#include "platform/webcomponents.h"
#include "webmodule.h"

#include <QEvent>
#include <QLabel>
#include <QVBoxLayout>

ModuleFlashPlayer::ModuleFlashPlayer(WebModule &module, QWidget *parent)
    : FlashPlayer(parent), m_module(module), m_host(new QWidget(parent))
{
    auto *layout = new QVBoxLayout(m_host);
    layout->setContentsMargins(0, 0, 0, 0);
    m_host->installEventFilter(this);
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

// A movie set while the control has never been seen starts when it shows.
bool ModuleFlashPlayer::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_host && event->type() == QEvent::Show && !m_player && !m_movie.isEmpty())
        start();
    return FlashPlayer::eventFilter(watched, event);
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
    return new ModuleFlashPlayer(m_module, parent);
}
