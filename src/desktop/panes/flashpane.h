#pragma once

#include "pane.h"

struct PaneServices;
class FlashPlayer;
class QAction;

// The Flash pane ("Flash"): the Flash control `ShockwaveFlash1`, the file
// menu's "Flash导入", the games of the menu "休闲GAME" and the toolbar's
// "flash" toggle. Its positions follow the Flash family's own geometry.
class FlashPane : public Pane
{
    Q_OBJECT
public:
    FlashPane(const PaneServices &services, FlashPlayer *player, QObject *parent = nullptr);

    FlashPlayer *ShockwaveFlash1() const { return m_player; }

    // Picks a movie and shows it where the pane stands.
    void Flashstar();
    // A game of the program folder (`file` as named there, e.g.
    // "/set/flash/机器人战争.swf"), filling the work area.
    void startGame(const QString &file, const FullArea &area);
    void OtherGame(const FullArea &area);
    // Replaces the movie with the placeholder and hides the pane.
    void GameHide();

    // Toolbar "flash": the next movie of the lesson's list, or stops the one
    // shown, or picks one when the lesson names none. `button` shows the toggle.
    void flashButton(struct MediaList &movies, QAction *button);

    void hold(bool held) override;

protected:
    TwipsRect placed(const TwipsRect &current, Position position, const FullArea &area) const override;

private:
    void showMovie(const QString &path);

    const PaneServices &m_services;
    FlashPlayer *m_player;
    // Playing when ink came: it plays on when ink goes.
    bool m_resume = false;
};
