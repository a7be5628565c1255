#pragma once

#include "desktop/logic/videohidetoggle.h"
#include "pane.h"

struct PaneServices;
struct MediaList;
class MediaPlayer;
class QAction;
class QMenu;

// The video pane ("Video"): the media player `WindowsMediaPlayer1`, the
// commands of its menu `Video` (opening, playback, stepping through the
// lesson's audio/video list, full screen and the hide toggle `Videohidden`;
// the desktop wires the standard positions) and the toolbar's "video" button.
// A medium the player cannot play is told by the player itself, in its place.
class VideoPane : public Pane
{
    Q_OBJECT
public:
    // `area` is the desktop's work area and `media` the lesson's audio/video
    // list, whose position this pane steps; both must outlive the pane.
    // `menu` is the desktop's menu `Video`: its items run this pane's commands.
    VideoPane(const PaneServices &services, const FullArea &area, MediaList &media, MediaPlayer *player,
              QMenu *menu, QObject *parent = nullptr);

    MediaPlayer *WindowsMediaPlayer1() const { return m_player; }
    const VideoHideToggle &hideToggle() const { return m_hide; }

    void VideoOpen();
    void VideoPlay();
    void VideoPause();
    void VideoStop();
    void VideoPrevious();
    void VideoNext();
    void MediaFull();
    void Videohidden();

    // Toolbar "video": the first element of the lesson's list at half the work
    // area, or the open dialog when the lesson names no audio or video.
    void videoButton();

    void hold(bool held) override;

private:
    void showMedium(const QString &path);
    void playListed();
    QAction *item(const char *name) const;

    const PaneServices &m_services;
    const FullArea &m_area;
    MediaList &m_media;
    MediaPlayer *m_player;
    QMenu *m_menu;
    QAction *m_hideItem;
    VideoHideToggle m_hide;
    // Playing when ink came: it plays on when ink goes.
    bool m_resume = false;
};
