#include "videopane.h"

#include "desktop/logic/liststepping.h"
#include "desktop/unknownname.h"
#include "filesel/mediafilters.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"
#include "paneservices.h"
#include "platform/filedialog.h"
#include "platform/mediaplayer.h"

#include <QCursor>
#include <QMenu>

VideoPane::VideoPane(const PaneServices &services, const FullArea &area, MediaList &media,
                     MediaPlayer *player, QMenu *menu, QObject *parent)
    : Pane(PaneKind::Video, player->widget(), services.scale, parent), m_services(services), m_area(area),
      m_media(media), m_player(player), m_menu(menu), m_hideItem(item("Videohidden"))
{
    m_player->widget()->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    connect(m_player, &MediaPlayer::focusIn, this, [this] { emit recorded(kind()); });
    connect(m_player, &MediaPlayer::mouseDown, this, [this](int button) {
        // A press gives the player the focus; one that holds it already gets no focus event.
        emit recorded(kind());
        if (button == MediaPlayer::kLeftButton)
            m_menu->popup(QCursor::pos());
    });
    const struct {
        const char *name;
        void (VideoPane::*command)();
    } commands[] = {
        {"VideoOpen", &VideoPane::VideoOpen},         {"VideoPlay", &VideoPane::VideoPlay},
        {"VideoPause", &VideoPane::VideoPause},       {"VideoStop", &VideoPane::VideoStop},
        {"VideoPrevious", &VideoPane::VideoPrevious}, {"VideoNext", &VideoPane::VideoNext},
        {"MediaFull", &VideoPane::MediaFull},         {"Videohidden", &VideoPane::Videohidden},
    };
    for (const auto &entry : commands)
        connect(item(entry.name), &QAction::triggered, this, entry.command);
}

QAction *VideoPane::item(const char *name) const
{
    auto *found = m_menu->findChild<QAction *>(QLatin1String(name));
    if (!found)
        reportUnknownName("menu item", QLatin1String(name));
    return found;
}

void VideoPane::VideoOpen()
{
    const std::optional<QString> chosen =
        m_services.fileDialog->chooseFile(mediafilters::music(), m_services.book.programFolder());
    if (chosen)
        showMedium(*chosen);
}

void VideoPane::videoButton()
{
    if (m_media.count < 1) {
        VideoOpen();
        return;
    }
    showMedium(m_services.book.openable(m_media.elements.value(0)));
}

void VideoPane::showMedium(const QString &path)
{
    // Any newly opened medium shows the player, so the hide item offers hiding.
    m_hide.reset();
    m_hideItem->setText(m_hide.caption());
    setWidth(float(double(m_area.Width) / 2));
    setHeight(float(double(m_area.Height) / 2));
    m_player->setWindowlessVideo(false);
    // Shown before the medium is set: playback starts more reliably in a visible player.
    setVisible(true);
    m_player->setURL(path);
}

void VideoPane::VideoPlay()
{
    m_player->play();
}

void VideoPane::VideoPause()
{
    m_player->pause();
}

void VideoPane::VideoStop()
{
    m_player->stop();
}

void VideoPane::hold(bool held)
{
    if (held) {
        m_resume = m_player->state() == MediaPlayer::State::Playing;
        if (m_resume)
            m_player->pause();
    } else if (m_resume) {
        m_resume = false;
        m_player->play();
    }
}

void VideoPane::VideoPrevious()
{
    if (!isVisible() || m_media.count < 1)
        return;
    m_media.position = liststep::previous(m_media.position, m_media.count);
    playListed();
}

void VideoPane::VideoNext()
{
    if (!isVisible() || m_media.count < 1)
        return;
    m_media.position = liststep::next(m_media.position, m_media.count);
    playListed();
}

void VideoPane::playListed()
{
    m_player->setURL(m_services.book.openable(m_media.elements.value(m_media.position)));
    m_player->play();
}

void VideoPane::MediaFull()
{
    m_player->setFullScreen(true);
}

void VideoPane::Videohidden()
{
    if (m_hide.hides()) {
        m_player->stop();
        setVisible(false);
        setHeight(m_hide.hide(geometry().height));
    } else {
        setVisible(true);
        setHeight(m_hide.show());
    }
    m_hideItem->setText(m_hide.caption());
}
