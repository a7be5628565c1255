#include "flashpane.h"

#include "base/appcontext.h"
#include "base/sharedstate.h"
#include "desktop/logic/flashplacement.h"
#include "lesson/medialists.h"
#include "platform/filedialog.h"
#include "platform/flashplayer.h"

#include <QAction>
#include <QWidget>

namespace {

const char kPlaying[] = "停止";
const char kStopped[] = "播放";

} // namespace

FlashPane::FlashPane(AppContext &context, FlashPlayer *player, QObject *parent)
    : Pane(QStringLiteral("Flash"), player->widget(), context.scale, parent), m_context(context),
      m_player(player)
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
    const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(
        QStringLiteral("Flash播放文件|*.swf"), m_context.book.lessonBook());
    if (chosen)
        showMovie(*chosen);
}

void FlashPane::startGame(const QString &file, const FullArea &area)
{
    showMovie(m_context.book.programFolder() + file);
    place(Position::Full, area);
}

void FlashPane::OtherGame(const FullArea &area)
{
    const std::optional<QString> chosen =
        m_context.platform.fileDialog->chooseFile(QStringLiteral("Flash小游戏|*.swf"), QString());
    if (!chosen)
        return;
    showMovie(*chosen);
    place(Position::Full, area);
}

void FlashPane::GameHide()
{
    m_player->setMovie(m_context.book.programFolder() + QStringLiteral("/set/sample.swf"));
    setVisible(false);
}

void FlashPane::flashButton(MediaList &movies, QAction *button)
{
    const bool lessonHasMovies = !m_context.state.LessonFields[slot::FlashFiles].isEmpty();
    if (lessonHasMovies && button->text() == QString::fromUtf8(kStopped)) {
        m_player->setMovie(m_context.book.openable(movies.stepOn()));
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
