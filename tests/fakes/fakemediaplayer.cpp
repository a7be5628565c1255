#include "fakemediaplayer.h"

#include <QWidget>

FakeMediaPlayer::FakeMediaPlayer(QWidget *parent) : MediaPlayer(parent), m_widget(new QWidget(parent))
{
    m_widget->setFocusPolicy(Qt::StrongFocus);
}

void FakeMediaPlayer::setURL(const QString &url)
{
    m_url = url;
    commands.append(QStringLiteral("url:") + url);
    setState(url.isEmpty() || !m_autoStart ? State::Stopped : State::Playing);
}

void FakeMediaPlayer::play()
{
    commands.append(QStringLiteral("play"));
    if (!m_url.isEmpty())
        setState(State::Playing);
}

void FakeMediaPlayer::pause()
{
    commands.append(QStringLiteral("pause"));
    if (m_state == State::Playing)
        setState(State::Paused);
}

void FakeMediaPlayer::stop()
{
    commands.append(QStringLiteral("stop"));
    setState(State::Stopped);
}

void FakeMediaPlayer::setState(State state)
{
    if (m_state == state)
        return;
    m_state = state;
    emit stateChanged(state);
}

MediaPlayer *FakeMediaPlayerFactory::create(QWidget *parent)
{
    auto *player = new FakeMediaPlayer(parent);
    created.append(player);
    return player;
}
