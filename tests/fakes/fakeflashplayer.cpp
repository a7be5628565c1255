#include "fakeflashplayer.h"

#include <QWidget>

FakeFlashPlayer::FakeFlashPlayer(QWidget *parent) : FlashPlayer(parent), m_widget(new QWidget(parent))
{
    m_widget->setFocusPolicy(Qt::StrongFocus);
}

void FakeFlashPlayer::setMovie(const QString &path)
{
    m_movie = path;
    commands.append(QStringLiteral("movie:") + path);
}

FlashPlayer *FakeFlashPlayerFactory::create(QWidget *parent)
{
    auto *player = new FakeFlashPlayer(parent);
    created.append(player);
    return player;
}
