#pragma once

#include "platform/flashplayer.h"

#include <QList>
#include <QStringList>

// A Flash control that only records what it was told; a movie "plays" as soon
// as it is set.
class FakeFlashPlayer : public FlashPlayer
{
    Q_OBJECT
public:
    explicit FakeFlashPlayer(QWidget *parent);

    QWidget *widget() override { return m_widget; }
    void setMovie(const QString &path) override;
    QString movie() const override { return m_movie; }
    void play() override { commands.append(QStringLiteral("play")); }
    void pause() override { commands.append(QStringLiteral("pause")); }
    void setMenu(bool on) override
    {
        commands.append(on ? QStringLiteral("menu:on") : QStringLiteral("menu:off"));
    }
    Status status() const override { return m_movie.isEmpty() ? Status::Empty : Status::Playing; }

    QStringList commands; // "movie:<path>", "play", "pause", "menu:on|off"

private:
    QWidget *m_widget;
    QString m_movie;
};

class FakeFlashPlayerFactory : public FlashPlayerFactory
{
public:
    FlashPlayer *create(QWidget *parent) override;
    void prepare() override { ++prepared; }
    QList<FakeFlashPlayer *> created;
    int prepared = 0;
};
