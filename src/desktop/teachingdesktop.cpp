#include "teachingdesktop.h"

#include "base/appcontext.h"
#include "base/producttitle.h"
#include "base/screenroles.h"
#include "base/sharedstate.h"
#include "desktop/desktopkeys.h"
#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/documentpanes.h"
#include "desktop/flashpanes.h"
#include "desktop/inklayer.h"
#include "desktop/logic/backgroundpalette.h"
#include "desktop/logic/desktoplayout.h"
#include "desktop/logic/toolbarfitting.h"
#include "desktop/mediapanes.h"
#include "desktop/panes/documentcontainer.h"
#include "desktop/panes/pane.h"
#include "desktop/picturepanes.h"
#include "desktop/webcommands.h"
#include "filesel/mediafilters.h"
#include "lesson/lessonbook.h"
#include "platform/choicedialogs.h"
#include "platform/deckplayer.h"
#include "platform/filedialog.h"
#include "platform/flashplayer.h"
#include "platform/messagebox.h"
#include "platform/pictures/picturefile.h"
#include "platform/programlauncher.h"
#include "platform/webbrowser.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QTimer>

namespace {

// Blank buttons start at position 10, so Text1 starts nine buttons down.
const int kButtonsAboveInputBox = 9;

PaneServices paneServicesOf(AppContext &context)
{
    const PlatformServices &platform = context.platform;
    ScreenRoles &screens = context.screens;
    return {context.state.LessonFields,
            context.state.SettingsRecord,
            context.book,
            context.scale,
            platform.fileDialog,
            platform.messageBox,
            platform.choiceDialogs,
            platform.documents,
            platform.mediaPlayers,
            platform.flashPlayers,
            platform.deckPlayers,
            [&screens](QWidget *window) { screens.present(window, Qt::WindowMaximized); }};
}

} // namespace

TeachingDesktop::TeachingDesktop(AppContext &context, RandomSource random, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_paneServices(paneServicesOf(context)),
      m_random(orSystemRandom(std::move(random)))
{
    setObjectName(QStringLiteral("Form3"));
    // A desktop's global menu would take the placement commands and ClickTs
    // out of the full-screen window.
    menuBar()->setNativeMenuBar(false);
    m_menus = new DesktopMenus(menuBar());
    buildFrames();
    m_keys = new DesktopKeys(*this);
    createPanes();
    wireCommands();
}

void TeachingDesktop::buildFrames()
{
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("client"));
    setCentralWidget(m_client);

    m_workArea = new QWidget(m_client);
    m_workArea->setObjectName(QStringLiteral("Frame1"));
    m_strip = new QWidget(m_client);
    m_strip->setObjectName(QStringLiteral("Frame2"));
    for (QWidget *frame : {m_client, m_workArea, m_strip})
        frame->setAutoFillBackground(true);

    m_backgroundPicture = new QLabel(m_workArea);
    m_backgroundPicture->setObjectName(QStringLiteral("Image2"));
    m_backgroundPicture->setScaledContents(true);
    m_backgroundPicture->setAttribute(Qt::WA_TransparentForMouseEvents);

    const TwipsScale &scale = m_context.scale;
    m_toolbar = new DesktopToolbar(scale, scale.toPixelsX(desktopdesign::kStripWidth),
                                   m_context.book.setFolder(QStringLiteral("toolbar")), m_strip);
    m_toolbar->move(0, scale.toPixelsY(desktopdesign::kToolbarTop));
    connect(m_toolbar, &DesktopToolbar::ButtonClick, this, &TeachingDesktop::Toolbar1_ButtonClick);

    m_inputBox = new QPlainTextEdit(m_strip);
    m_inputBox->setObjectName(QStringLiteral("Text1"));
    m_inputBox->setFont(QFont(QStringLiteral("宋体")));
    // No caption of its own: named as the key help names it, for screen readers and tests.
    m_inputBox->setAccessibleName(QStringLiteral("输入框"));
    m_inputBoxHeight = desktopdesign::kText1Height;
}

void TeachingDesktop::createPanes()
{
    const TwipsScale &scale = m_context.scale;
    auto *ole1 = new DocumentContainer(QStringLiteral("OLE1"), pagelayouts::kLarge, m_workArea);
    auto *ole2 = new DocumentContainer(QStringLiteral("OLE2"), pagelayouts::kSquare, m_workArea);
    m_ole1 = new Pane(PaneKind::Word, ole1, scale, this);
    m_ole2 = new Pane(PaneKind::Word, ole2, scale, this);
    m_ole1->setVisible(true);
    connect(m_ole1, &Pane::recorded, this, &TeachingDesktop::setCurrentPaneKind);
    registerPane(m_ole2);
    installMediaPanes(*this);
    installPicturePane(*this);
    installFlashPane(*this);
    installWebCommands(*this);
    // Last, so the deck pane starts in front of the other panes.
    installDocumentPanes(*this);
    // Over everything, when it shows.
    installInkLayer(*this);
}

void TeachingDesktop::wireCommands()
{
    for (BarCommand command : kBarCommands)
        connect(m_menus->item(barCommandName(command)), &QAction::triggered, this,
                [this, command] { runBarCommand(command); });
    const auto on = [this](const char *name, void (TeachingDesktop::*handler)()) {
        connect(m_menus->item(QLatin1String(name)), &QAction::triggered, this, handler);
    };
    on("Backcolour", &TeachingDesktop::Backcolour_Click);
    on("BackImage", &TeachingDesktop::BackImage_Click);
    on("ExeOpen", &TeachingDesktop::ExeOpen_Click);
    on("AboutMe", &TeachingDesktop::AboutMe_Click);
    on("SysEnd", &TeachingDesktop::SysEnd_Click);
    setToolbarAction(QStringLiteral("MyProgram"), [this] { MyProgram(); });
    setToolbarAction(QStringLiteral("Exit"), [this] { Form_Unload(); });
}

void TeachingDesktop::load()
{
    const SharedState &shared = m_context.state;
    LessonRecord &fields = m_context.state.LessonFields;

    setWindowTitle(shared.SettingsRecord.UnitName + subjectTitle(shared.SettingsRecord.StageSubject) +
                   QString(19, QLatin1Char(' ')) + fields[slot::ChapterTitle] + QStringLiteral("之") +
                   fields[slot::LessonTitle]);

    // The window covers the lesson's screen even where no window manager
    // honours full screen.
    m_context.screens.present(this, Qt::WindowFullScreen, [this] { fitScreen(); });

    // The order matters: FullArea is read from the document container only after
    // the work area has sized it, the toolbar is fitted to that FullArea, and the
    // media lists are built after the desktop state has been reset.
    const TwipsRect f = layOutFrames();
    m_menus->item(QStringLiteral("Backcolour"))->setChecked(false);
    const QString &backgroundPicture = fields[slot::Picture2];
    if (!backgroundPicture.isEmpty())
        m_backgroundPicture->setPixmap(
            QPixmap::fromImage(readPicture(m_context.book.openable(backgroundPicture)).image));

    const WorkAreaPlaces fromWorkArea = workAreaPlaces(f);
    m_ole1->setGeometry(fromWorkArea.ole1);
    applyPlace(PaneKind::Text, fromWorkArea.richText);
    applyPlace(PaneKind::Flash, fromWorkArea.flash);
    applyPlace(PaneKind::Deck, fromWorkArea.deck);
    hidePane(PaneKind::Deck);

    // The lesson's state starts afresh; the pane the teacher touched last stays current.
    const std::optional<PaneKind> current = m_state.currentPaneKind;
    m_state = DesktopState();
    m_state.currentPaneKind = current;

    hidePane(PaneKind::Drawing);

    setBackColour(QColor::fromRgb(standardPaletteRgb(backgroundPaletteIndex(m_random()))));

    m_state.fullArea = fullAreaOf(m_ole1->geometry());

    const FullAreaPlaces fromFullArea = fullAreaPlaces(m_state.fullArea);
    applyPlace(PaneKind::Video, fromFullArea.player);
    applyPlace(PaneKind::Drawing, fromFullArea.drawing);
    m_ole2->setGeometry(fromFullArea.ole2);
    m_ole2->control()->setEnabled(false);
    hidePane(PaneKind::Video);
    applyPlace(PaneKind::Picture, fromFullArea.image0);

    fitToolbar();

    if (buildMediaLists(fields, m_context.book.programFolder(), m_state.lists))
        m_state.PictureCount = 1;

    hidePane(PaneKind::Text);
    hidePane(PaneKind::Flash);

    // The document container takes the keyboard; taking it here is not the
    // teacher touching a pane, so the current pane kind stays as it is.
    m_ole1->control()->setFocus(Qt::OtherFocusReason);

    m_webToPrepare = true;
    emit loaded();
}

TwipsRect TeachingDesktop::layOutFrames()
{
    const SharedState &shared = m_context.state;
    const TwipsScale &scale = m_context.scale;
    const DesktopFrames frames = layoutFrames(shared.ScreenWidth, shared.ScreenHeight,
                                              desktopdesign::kStripWidth, desktopdesign::kToolbarWidth);
    const TwipsRect &f = frames.frame1;
    m_workArea->setGeometry(scale.toPixels(f));
    placeStrip(frames.frame2);
    m_backgroundPicture->setGeometry(scale.toPixels(0, 0, f.width, f.height));
    return f;
}

// The lesson moved to another screen: the frames and the document container
// cover it, FullArea follows, and every pane keeps its share of the work
// area, its content and whether it shows.
void TeachingDesktop::fitScreen()
{
    const TwipsRect f = layOutFrames();
    const FullArea before = m_state.fullArea;
    m_ole1->setGeometry(workAreaPlaces(f).ole1);
    m_state.fullArea = fullAreaOf(m_ole1->geometry());
    for (Pane *pane : findChildren<Pane *>()) {
        if (pane != m_ole1)
            pane->refit(before, m_state.fullArea);
    }
    fitToolbar();
}

void TeachingDesktop::placeStrip(const TwipsRect &frame2)
{
    const TwipsScale &scale = m_context.scale;
    m_strip->setGeometry(scale.toPixels(frame2));
    m_inputBoxTop = desktopdesign::kToolbarTop + kButtonsAboveInputBox * m_toolbar->buttonHeightTwips();
    placeInputBox();
}

// The input box spans the strip, whose width is the design width.
void TeachingDesktop::placeInputBox()
{
    m_inputBox->setGeometry(
        m_context.scale.toPixels(0, m_inputBoxTop, desktopdesign::kStripWidth, m_inputBoxHeight));
}

void TeachingDesktop::applyPlace(PaneKind kind, const TwipsRect &rect)
{
    if (Pane *target = pane(kind))
        target->setGeometry(rect);
}

void TeachingDesktop::hidePane(PaneKind kind)
{
    if (Pane *target = pane(kind))
        target->setVisible(false);
}

void TeachingDesktop::fitToolbar()
{
    const float b = m_toolbar->buttonHeightTwips();
    const ToolbarFit fit = ::fitToolbar(m_toolbar->designHeightTwips(), b, m_state.fullArea.Height);
    m_toolbar->fitBlanks(fit.blanks);
    m_inputBoxHeight = fit.text1Buttons ? *fit.text1Buttons * b : desktopdesign::kText1Height;
    placeInputBox();
}

// The window's own colour is its client area; the menu bar keeps the system's.
void TeachingDesktop::setBackColour(const QColor &colour)
{
    m_backColour = colour;
    for (QWidget *frame : {m_client, m_workArea, m_strip}) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, colour);
        frame->setPalette(palette);
    }
}

void TeachingDesktop::setCurrentPaneKind(PaneKind kind)
{
    m_state.currentPaneKind = kind;
    m_menus->clickTs()->setText(paneKindCaption(kind));
}

void TeachingDesktop::registerPane(Pane *pane)
{
    m_panes.insert(pane->kind(), pane);
    connect(pane, &Pane::recorded, this, &TeachingDesktop::setCurrentPaneKind);
}

Pane *TeachingDesktop::pane(PaneKind kind) const
{
    return m_panes.value(kind);
}

void TeachingDesktop::connectStandardPlacement(Pane *pane, bool standardHideItem)
{
    for (BarCommand command : kBarCommands) {
        const QString name = placementItemFor(pane->kind(), command);
        QAction *item = name.isEmpty() ? nullptr : m_menus->item(name);
        if (!item)
            continue;
        if (const std::optional<Position> position = barCommandPosition(command))
            connect(item, &QAction::triggered, pane,
                    [this, pane, at = *position] { pane->place(at, fullArea()); });
        else if (standardHideItem)
            connect(item, &QAction::triggered, pane, [pane] { pane->setVisible(false); });
    }
}

void TeachingDesktop::setToolbarAction(const QString &key, std::function<void()> action)
{
    // An action under a key no button has could never run; button() reports it.
    if (m_toolbar->button(key))
        m_toolbarActions.insert(key, std::move(action));
}

void TeachingDesktop::runBarCommand(BarCommand command)
{
    if (!m_state.currentPaneKind)
        return;
    const QString name = placementItemFor(*m_state.currentPaneKind, command);
    if (QAction *item = name.isEmpty() ? nullptr : m_menus->item(name))
        item->trigger();
}

void TeachingDesktop::Toolbar1_ButtonClick(const QString &key)
{
    const auto action = m_toolbarActions.constFind(key);
    if (action != m_toolbarActions.constEnd())
        (*action)();
}

void TeachingDesktop::MyProgram()
{
    const QString &program = m_context.state.LessonFields[slot::OtherProgram];
    if (program.isEmpty()) {
        ExeOpen_Click();
        return;
    }
    m_context.platform.launcher->start(m_context.book.openable(program));
}

void TeachingDesktop::Backcolour_Click()
{
    QAction *backcolour = m_menus->item(QStringLiteral("Backcolour"));
    // The menu has already toggled the mark: it was checked if it is not now.
    const bool wasChecked = !backcolour->isChecked();
    if (!wasChecked) {
        m_backgroundPicture->hide();
        backcolour->setChecked(true);
        m_menus->item(QStringLiteral("BackImage"))->setChecked(false);
        return;
    }
    backcolour->setChecked(true);
    if (const std::optional<QColor> colour = m_context.platform.choiceDialogs->chooseColor(m_backColour))
        setBackColour(*colour);
}

void TeachingDesktop::BackImage_Click()
{
    QAction *backImage = m_menus->item(QStringLiteral("BackImage"));
    const bool wasChecked = !backImage->isChecked();
    backImage->setChecked(true);
    if (!wasChecked) {
        m_backgroundPicture->show();
        m_menus->item(QStringLiteral("Backcolour"))->setChecked(false);
        return;
    }
    const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(
        mediafilters::backgroundPicture(), m_context.book.setFolder(QStringLiteral("bj")));
    if (!chosen)
        return;
    const DecodedPicture picture = readPicture(*chosen);
    if (!picture.readable)
        return;
    m_backgroundPicture->show();
    m_backgroundPicture->setPixmap(QPixmap::fromImage(picture.image));
}

void TeachingDesktop::ExeOpen_Click()
{
    OpenFileRequest request;
    // Programs here are executable files of any name; Windows programs come second.
    request.filter = QStringLiteral("可执行程序|*|程序（*.Exe）|*.exe");
    request.executablesOnly = true;
    request.startFolder = QDir::rootPath();
    if (const std::optional<QString> chosen = m_context.platform.fileDialog->chooseFile(request))
        m_context.platform.launcher->start(*chosen);
}

void TeachingDesktop::AboutMe_Click()
{
    m_context.flow.show(ScreenId::About);
}

void TeachingDesktop::SysEnd_Click()
{
    Form_Unload();
}

bool TeachingDesktop::Form_Unload()
{
    const QString question = QStringLiteral("确定要退出“") +
                             subjectTitle(m_context.state.SettingsRecord.StageSubject) +
                             QStringLiteral("”吗？”");
    const MessageBox::Answer answer = m_context.platform.messageBox->show(
        question, QStringLiteral("退出"), MessageBox::Icon::Question, MessageBox::Buttons::YesNo);
    if (answer != MessageBox::Answer::Yes)
        return false;
    m_context.flow.show(ScreenId::Closing);
    emit leaving();
    m_context.flow.unload(ScreenId::Desktop);
    return true;
}

void TeachingDesktop::showEvent(QShowEvent *event)
{
    QMainWindow::showEvent(event);
    // The keyboard belongs to the desktop once it shows, also on a bare X
    // server (a classroom kiosk) where no window manager hands it over.
    activateWindow();
    if (m_webToPrepare) {
        m_webToPrepare = false;
        QTimer::singleShot(kPrepareWebAfterMs, this, &TeachingDesktop::prepareWeb);
    }
}

// The first movie, deck or page of a lesson that has them comes sooner when
// the engine (and for movies the emulator) has started while the teacher
// talks; a lesson without any never starts it, nor takes its memory.
void TeachingDesktop::prepareWeb()
{
    if (!isVisible())
        return;
    const LessonRecord &fields = m_context.state.LessonFields;
    const PlatformServices &platform = m_context.platform;
    if (!fields[slot::FlashFiles].trimmed().isEmpty())
        platform.flashPlayers->prepare();
    else if (!fields[slot::DeckFiles].trimmed().isEmpty())
        platform.deckPlayers->prepare();
    else if (!fields[slot::WebAddress].trimmed().isEmpty())
        platform.webBrowsers->prepare();
}

void TeachingDesktop::closeEvent(QCloseEvent *event)
{
    // The flow decides when the window goes; the question comes first.
    event->ignore();
    Form_Unload();
}
