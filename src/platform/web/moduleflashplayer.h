#pragma once

#include "platform/flashplayer.h"

class QLabel;
class WebModule;

// The Flash control the program places: an empty widget until a movie is to be
// seen, when it loads the web module and puts the module's player inside
// itself, passing every call on to it. A lesson without a Flash movie never
// loads the engine.
class ModuleFlashPlayer : public FlashPlayer
{
    Q_OBJECT
public:
    ModuleFlashPlayer(WebModule &module, QWidget *parent);

    QWidget *widget() override { return m_host; }
    void setMovie(const QString &path) override;
    QString movie() const override { return m_movie; }
    void play() override;
    void setMenu(bool on) override;
    Status status() const override;

    // The module's player; null until the first movie was seen.
    FlashPlayer *player() const { return m_player; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();

    WebModule &m_module;
    QWidget *m_host;
    FlashPlayer *m_player = nullptr;
    QLabel *m_notice = nullptr; // when the module cannot be loaded
    QString m_movie;
    bool m_menu = false;
};

class ModuleFlashPlayerFactory : public FlashPlayerFactory
{
public:
    explicit ModuleFlashPlayerFactory(WebModule &module) : m_module(module) {}
    FlashPlayer *create(QWidget *parent) override;

private:
    WebModule &m_module;
};
