#include "coverpage.h"

#include "base/appcontext.h"
#include "base/producttitle.h"
#include "base/screenroles.h"
#include "base/sharedstate.h"
#include "filesel/mediafilters.h"
#include "lesson/configfile.h"
#include "platform/filedialog.h"
#include "platform/mediaplayer.h"
#include "platform/messagebox.h"
#include "platform/pictures/picturefile.h"
#include "platform/songfont.h"

#include <cmath>
#include <QAction>
#include <QCloseEvent>
#include <QCursor>
#include <QDate>
#include <QDir>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLabel>
#include <QLocale>
#include <QMenu>
#include <QMouseEvent>

CoverPage::CoverPage(AppContext &context, RandomSource random, QWidget *parent)
    : QWidget(parent), m_context(context), m_random(orSystemRandom(std::move(random)))
{
    setObjectName(QStringLiteral("Form2"));
    // Shown where the picture is missing; the yellow titles stay readable on it.
    setStyleSheet(QStringLiteral("CoverPage { background: #101c30; }"));
    setAttribute(Qt::WA_StyledBackground);
    context.screens.present(this, Qt::WindowMaximized, [this] { layOut(!m_player->widget()->isHidden()); });

    m_image1 = new QLabel(this);
    m_image1->setObjectName(QStringLiteral("Image1"));
    m_image1->setScaledContents(true);
    m_image1->installEventFilter(this);

    m_label1 = makeLabel("Label1", 42);
    m_label2 = makeLabel("Label2", 42);
    m_label3 = makeLabel("Label3", 14.25);
    m_label5 = makeLabel("Label5", 14.25);
    m_label2->installEventFilter(this);

    m_player = context.platform.mediaPlayers->create(this);
    m_player->widget()->setObjectName(QStringLiteral("WindowsMediaPlayer1"));
    m_player->widget()->hide();
    connect(m_player, &MediaPlayer::mouseDown, this, [this](int button) {
        if (button == MediaPlayer::kLeftButton)
            popUpMusicMenu(QCursor::pos());
    });

    buildMusicMenu();
}

QLabel *CoverPage::makeLabel(const char *name, double points)
{
    auto *label = new QLabel(this);
    label->setObjectName(QLatin1String(name));
    label->setFont(songFont(points, true));
    // Yellow: colour value &H0000FFFF.
    label->setStyleSheet(QStringLiteral("color: #FFFF00; background: transparent;"));
    return label;
}

QAction *CoverPage::addItem(const char *name, const QString &caption)
{
    QAction *item = m_backMusic->addAction(caption);
    item->setObjectName(QLatin1String(name));
    return item;
}

void CoverPage::buildMusicMenu()
{
    m_backMusic = new QMenu(QStringLiteral("背景音乐"), this);
    m_backMusic->setObjectName(QStringLiteral("BackMusic"));
    connect(addItem("MusicSelect", QStringLiteral("选曲(Select)")), &QAction::triggered, this,
            &CoverPage::MusicSelect_Click);
    m_backMusic->addSeparator()->setObjectName(QStringLiteral("Line"));
    connect(addItem("MusicPlay", QStringLiteral("播放(Play)")), &QAction::triggered, this,
            &CoverPage::MusicPlay_Click);
    connect(addItem("MusicPause", QStringLiteral("暂停(Pause)")), &QAction::triggered, this,
            &CoverPage::MusicPause_Click);
    connect(addItem("MusicStop", QStringLiteral("停止(Stop)")), &QAction::triggered, this,
            &CoverPage::MusicStop_Click);
    m_backMusic->addSeparator()->setObjectName(QStringLiteral("l"));
    // Check marks are toggled by the click itself; the handlers get the new state.
    QAction *visible = addItem("MusicVisible", QStringLiteral("可视(Visible)"));
    visible->setCheckable(true);
    connect(visible, &QAction::triggered, this, &CoverPage::MusicVisible_Click);
    QAction *maxWin = addItem("MaxWin", QStringLiteral("全窗口(Full)"));
    maxWin->setCheckable(true);
    connect(maxWin, &QAction::triggered, this, &CoverPage::MaxWin_Click);
    // The player leaves full screen by itself too (Esc, double click): the mark
    // follows, so the next click on it goes full screen again.
    connect(m_backMusic, &QMenu::aboutToShow, this,
            [this, maxWin] { maxWin->setChecked(m_player->fullScreen()); });
}

void CoverPage::load()
{
    SharedState &state = m_context.state;
    for (int i = 0; i <= slot::WebAddress; ++i)
        state.LessonFields[i].clear();
    setWindowTitle(subjectTitle(state.SettingsRecord.StageSubject));
    place(m_image1, {0, 0, float(state.ScreenWidth), float(state.ScreenHeight)});
    if (!readLesson()) {
        m_context.flow.unload(ScreenId::Cover);
        return;
    }

    m_label3->setText(QStringLiteral("执教：") + state.SettingsRecord.TeacherName);
    m_label1->setText(state.LessonFields[slot::ChapterTitle]);
    m_label2->setText(state.LessonFields[slot::LessonTitle]);
    m_label5->setText(QLocale::system().toString(QDate::currentDate(), QLocale::ShortFormat));
    layOut(false);

    m_player->setURL(cover::chooseMusic(state.LessonFields[slot::Music1], m_context.book));
    m_player->play();
    m_player->widget()->hide();
    m_player->setWindowlessVideo(false);

    const QString picture =
        cover::choosePicture(state.LessonFields[slot::Picture1], m_context.book, m_random());
    m_image1->setPixmap(QPixmap::fromImage(readPicture(LessonBook::toNativeSeparators(picture)).image));
}

// Over the lesson's screen, at load and when the lesson moves to another
// screen, where a player the teacher showed stays shown.
void CoverPage::layOut(bool playerShown)
{
    const double W = m_context.state.ScreenWidth;
    const double H = m_context.state.ScreenHeight;
    place(m_image1, {0, 0, float(W), float(H)});
    m_layout = cover::layOut(W, H, textSize(m_label1), textSize(m_label2));
    if (playerShown)
        m_layout.player.height = cover::shownPlayerHeight(H);
    place(m_label1, m_layout.chapter);
    place(m_label2, m_layout.lesson);
    place(m_label5, m_layout.date);
    place(m_label3, m_layout.teacher);
    place(m_player->widget(), m_layout.player);
}

// A configuration that cannot be read keeps the teacher on the home screen
// with a word on which file failed, instead of an empty cover page.
bool CoverPage::readLesson()
{
    const QString &path = m_context.state.ConfigPath;
    QString error;
    if (configfile::read(path, m_context.state.LessonFields, &error))
        return true;
    if (!QFileInfo::exists(path))
        error = QStringLiteral("文件不存在。");
    m_context.platform.messageBox->show(
        QStringLiteral("无法读取配置文件：%1\n%2").arg(QDir::toNativeSeparators(path), error),
        QStringLiteral("提示"), MessageBox::Icon::Warning, MessageBox::Buttons::Ok);
    return false;
}

// The titles size themselves to their text, as one line.
cover::TwipsSize CoverPage::textSize(const QLabel *label) const
{
    const QFontMetricsF metrics(label->font());
    const int width = int(std::ceil(metrics.horizontalAdvance(label->text())));
    const int height = int(std::ceil(metrics.height()));
    return {m_context.scale.toTwipsX(width), m_context.scale.toTwipsY(height)};
}

void CoverPage::place(QWidget *widget, const TwipsRect &rect) const
{
    widget->setGeometry(m_context.scale.toPixels(rect));
}

void CoverPage::popUpMusicMenu(const QPoint &globalPos)
{
    m_backMusic->popup(globalPos);
}

void CoverPage::openDesktop()
{
    ScreenFlow &flow = m_context.flow;
    // A desktop that could not be set up leaves the teacher on the cover page.
    if (!flow.load(ScreenId::Desktop))
        return;
    flow.show(ScreenId::Desktop);
    flow.unload(ScreenId::Cover);
}

void CoverPage::MusicSelect_Click()
{
    const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(
        mediafilters::music(), m_context.book.setFolder(QStringLiteral("music")));
    if (!chosen)
        return;
    m_player->setURL(*chosen);
    m_player->play();
    for (const char *name : {"MusicPlay", "MusicPause", "MusicStop"})
        m_backMusic->findChild<QAction *>(QLatin1String(name))->setEnabled(true);
}

void CoverPage::MusicPlay_Click()
{
    if (!m_player->URL().isEmpty())
        m_player->play();
}

void CoverPage::MusicPause_Click()
{
    if (!m_player->URL().isEmpty())
        m_player->pause();
}

void CoverPage::MusicStop_Click()
{
    if (!m_player->URL().isEmpty())
        m_player->stop();
}

void CoverPage::MusicVisible_Click(bool checked)
{
    m_player->widget()->setVisible(checked);
    m_layout.player.height =
        checked ? cover::shownPlayerHeight(m_context.state.ScreenHeight) : cover::kHiddenPlayerHeight;
    place(m_player->widget(), m_layout.player);
}

void CoverPage::MaxWin_Click(bool checked)
{
    m_player->setFullScreen(checked);
}

bool CoverPage::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() != QEvent::MouseButtonRelease || (watched != m_image1 && watched != m_label2))
        return QWidget::eventFilter(watched, event);
    const auto *mouse = static_cast<QMouseEvent *>(event);
    if (mouse->button() == Qt::RightButton)
        popUpMusicMenu(mouse->globalPosition().toPoint());
    else if (mouse->button() == Qt::LeftButton && watched == m_image1)
        openDesktop();
    return true;
}

void CoverPage::closeEvent(QCloseEvent *event)
{
    event->ignore();
    m_context.flow.unload(ScreenId::Cover);
}
