#pragma once

#include "platform/flashplayer.h"

class QLabel;
class QTimer;
class WebModule;

// The Flash control the program places: an empty widget until a movie is to be
// seen, when it loads the web module and puts the module's player inside
// itself, passing every call on to it. A lesson without a Flash movie never
// loads the engine.
// Hidden for `releaseAfterMs`, it lets the module's player go with its page and
// that page's display process (the desktop hides it with the placeholder movie
// in it); shown again, it starts its movie afresh.
class ModuleFlashPlayer : public FlashPlayer
{
    Q_OBJECT
public:
    static constexpr int kReleaseAfterMs = 3000;

    ModuleFlashPlayer(WebModule &module, QWidget *parent, int releaseAfterMs = kReleaseAfterMs);

    QWidget *widget() override { return m_host; }
    void setMovie(const QString &path) override;
    QString movie() const override { return m_movie; }
    void play() override;
    void pause() override;
    void setMenu(bool on) override;
    Status status() const override;

    // The module's player; null until a movie is seen, and again after it was let go.
    FlashPlayer *player() const { return m_player; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void start();
    void release();

    WebModule &m_module;
    QWidget *m_host;
    QTimer *m_release;
    FlashPlayer *m_player = nullptr;
    QLabel *m_notice = nullptr; // when the module cannot be loaded
    QString m_movie;
    bool m_menu = false;
};

class ModuleFlashPlayerFactory : public FlashPlayerFactory
{
public:
    explicit ModuleFlashPlayerFactory(WebModule &module,
                                      int releaseAfterMs = ModuleFlashPlayer::kReleaseAfterMs)
        : m_module(module), m_releaseAfterMs(releaseAfterMs)
    {}
    FlashPlayer *create(QWidget *parent) override;
    // Loads the module and has it prepare the emulator.
    void prepare() override;

private:
    WebModule &m_module;
    int m_releaseAfterMs;
};
