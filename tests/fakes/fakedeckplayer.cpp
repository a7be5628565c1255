#include "fakedeckplayer.h"

#include <QTimer>
#include <QWidget>

FakeDeckPlayer::FakeDeckPlayer(QWidget *parent) : DeckPlayer(parent), m_widget(new QWidget(parent))
{
    m_widget->setObjectName(QStringLiteral("fakeShow"));
}

void FakeDeckPlayer::setShow(const QString &file)
{
    m_show = file;
    steps.clear();
    m_status = file.isEmpty() ? Status::Empty : refusal.isEmpty() ? Status::Playing : Status::Loading;
    if (m_status != Status::Loading)
        return;
    QTimer::singleShot(0, this, [this] {
        m_status = Status::Failed;
        emit statusChanged(m_status);
        emit failed(refusal);
    });
}

DeckPlayer *FakeDeckPlayerFactory::create(QWidget *parent)
{
    auto *player = new FakeDeckPlayer(parent);
    player->refusal = refusal;
    created.append(player);
    return player;
}
