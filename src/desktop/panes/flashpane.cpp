#include "flashpane.h"

#include "desktop/logic/flashplacement.h"
#include "lesson/lessonbook.h"
#include "lesson/medialists.h"
#include "paneservices.h"
#include "platform/filedialog.h"
#include "platform/flashplayer.h"

#include <QAction>
#include <QWidget>

namespace {

const char kPlaying[] = "停止";
const char kStopped[] = "播放";

} // namespace

FlashPane::FlashPane(const PaneServices &services, FlashPlayer *player, QObject *parent)
    : Pane(PaneKind::Flash, player->widget(), services.scale, parent), m_services(services), m_player(player)
{
    m_player->widget()->setObjectName(QStringLiteral("ShockwaveFlash1"));
    m_player->setMenu(false);
    // The real control hands the keyboard to a page inside it, which reports here.
    // Its clicks land on the page, which may keep the focus from an earlier
    // click or, with no window manager, never get it: each press counts too.
    connect(m_player, &FlashPlayer::focusIn, this, &Pane::focusTaken);
    connect(m_player, &FlashPlayer::pressed, this, [this] { emit recorded(kind()); });
}

TwipsRect FlashPane::placed(const TwipsRect &current, Position position, const FullArea &area) const
{
    return flashPlacement(current, position, area);
}

void FlashPane::showMovie(const QString &path)
{
    m_player->setMovie(path);
    setVisible(true);
}

void FlashPane::Flashstar()
{
    const std::optional<QString> chosen = m_services.fileDialog->chooseFile(
        QStringLiteral("Flash播放文件|*.swf"), m_services.book.lessonBook());
    if (chosen)
        showMovie(*chosen);
}

void FlashPane::startGame(const QString &file, const FullArea &area)
{
    showMovie(m_services.book.programFolder() + file);
    place(Position::Full, area);
}

void FlashPane::OtherGame(const FullArea &area)
{
    const std::optional<QString> chosen =
        m_services.fileDialog->chooseFile(QStringLiteral("Flash小游戏|*.swf"), QString());
    if (!chosen)
        return;
    showMovie(*chosen);
    place(Position::Full, area);
}

void FlashPane::GameHide()
{
    m_player->setMovie(m_services.book.programFolder() + QStringLiteral("/set/sample.swf"));
    setVisible(false);
}

void FlashPane::flashButton(MediaList &movies, QAction *button)
{
    const bool lessonHasMovies = !m_services.lesson[slot::FlashFiles].isEmpty();
    if (lessonHasMovies && button->text() == QString::fromUtf8(kStopped)) {
        m_player->setMovie(m_services.book.openable(movies.stepOn()));
        m_player->setMenu(false);
        m_player->play();
        setVisible(true);
        button->setText(QString::fromUtf8(kPlaying));
    } else if (button->text() == QString::fromUtf8(kPlaying)) {
        button->setText(QString::fromUtf8(kStopped));
        GameHide();
    } else if (!lessonHasMovies) {
        Flashstar();
    }
}

void FlashPane::hold(bool held)
{
    if (held) {
        m_resume = isVisible() && m_player->status() == FlashPlayer::Status::Playing;
        if (m_resume)
            m_player->pause();
    } else if (m_resume) {
        m_resume = false;
        m_player->play();
    }
}
