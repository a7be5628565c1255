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
#include "platform/filedialog.h"
#include "platform/messagebox.h"
#include "platform/pictures/picturefile.h"
#include "platform/programlauncher.h"

#include <QAction>
#include <QCloseEvent>
#include <QDir>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>

namespace {

// Blank buttons start at position 10, so Text1 starts nine buttons down.
const int kButtonsAboveText1 = 9;

} // namespace

TeachingDesktop::TeachingDesktop(AppContext &context, RandomSource random, QWidget *parent)
    : QMainWindow(parent), m_context(context), m_random(orSystemRandom(std::move(random)))
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

    m_frame1 = new QWidget(m_client);
    m_frame1->setObjectName(QStringLiteral("Frame1"));
    m_frame2 = new QWidget(m_client);
    m_frame2->setObjectName(QStringLiteral("Frame2"));
    for (QWidget *frame : {m_client, m_frame1, m_frame2})
        frame->setAutoFillBackground(true);

    m_image2 = new QLabel(m_frame1);
    m_image2->setObjectName(QStringLiteral("Image2"));
    m_image2->setScaledContents(true);
    m_image2->setAttribute(Qt::WA_TransparentForMouseEvents);

    const TwipsScale &scale = m_context.scale;
    m_toolbar = new DesktopToolbar(scale, scale.toPixelsX(desktopdesign::kStripWidth),
                                   m_context.book.setFolder(QStringLiteral("toolbar")), m_frame2);
    m_toolbar->move(0, scale.toPixelsY(desktopdesign::kToolbarTop));
    connect(m_toolbar, &DesktopToolbar::ButtonClick, this, &TeachingDesktop::Toolbar1_ButtonClick);

    m_text1 = new QPlainTextEdit(m_frame2);
    m_text1->setObjectName(QStringLiteral("Text1"));
    m_text1->setFont(QFont(QStringLiteral("宋体")));
    m_text1Height = desktopdesign::kText1Height;
}

void TeachingDesktop::createPanes()
{
    const TwipsScale &scale = m_context.scale;
    auto *ole1 = new DocumentContainer(QStringLiteral("OLE1"), pagelayouts::kLarge, m_frame1);
    auto *ole2 = new DocumentContainer(QStringLiteral("OLE2"), pagelayouts::kSquare, m_frame1);
    m_ole1 = new Pane(QStringLiteral("Word"), ole1, scale, this);
    m_ole2 = new Pane(QStringLiteral("Word"), ole2, scale, this);
    m_ole1->setVisible(true);
    connect(m_ole1, &Pane::recorded, this, &TeachingDesktop::setCurrentPaneKind);
    registerPane(m_ole2);
    installMediaPanes(*this);
    installPicturePane(*this);
    installFlashPane(*this);
    installWebCommands(*this);
    // Last, so the deck pane starts in front of the other panes.
    installDocumentPanes(*this);
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
        m_image2->setPixmap(
            QPixmap::fromImage(readPicture(m_context.book.openable(backgroundPicture)).image));

    const WorkAreaPlaces fromWorkArea = workAreaPlaces(f);
    m_ole1->setGeometry(fromWorkArea.ole1);
    applyPlace(QStringLiteral("Txt"), fromWorkArea.richText);
    applyPlace(QStringLiteral("Flash"), fromWorkArea.flash);
    applyPlace(QStringLiteral("Ppt"), fromWorkArea.web);
    hidePane(QStringLiteral("Ppt"));

    m_state = DesktopState();

    hidePane(QStringLiteral("Draw"));

    setBackColour(QColor::fromRgb(standardPaletteRgb(backgroundPaletteIndex(m_random()))));

    m_state.fullArea = fullAreaOf(m_ole1->geometry());

    const FullAreaPlaces fromFullArea = fullAreaPlaces(m_state.fullArea);
    applyPlace(QStringLiteral("Video"), fromFullArea.player);
    applyPlace(QStringLiteral("Draw"), fromFullArea.drawing);
    m_ole2->setGeometry(fromFullArea.ole2);
    m_ole2->control()->setEnabled(false);
    hidePane(QStringLiteral("Video"));
    applyPlace(QStringLiteral("Image"), fromFullArea.image0);

    fitToolbar();

    if (buildMediaLists(fields, m_context.book.programFolder(), m_state.lists))
        m_state.PictureCount = 1;

    hidePane(QStringLiteral("Txt"));
    hidePane(QStringLiteral("Flash"));

    // The document container takes the keyboard; taking it here is not the
    // teacher touching a pane, so the current pane kind stays as it is.
    m_ole1->control()->setFocus(Qt::OtherFocusReason);

    emit loaded();
}

TwipsRect TeachingDesktop::layOutFrames()
{
    const SharedState &shared = m_context.state;
    const TwipsScale &scale = m_context.scale;
    const DesktopFrames frames = layoutFrames(shared.screenWidth(), shared.screenHeight(),
                                              desktopdesign::kStripWidth, desktopdesign::kToolbarWidth);
    const TwipsRect &f = frames.frame1;
    m_frame1->setGeometry(scale.toPixels(f));
    placeStrip(frames.frame2);
    m_image2->setGeometry(scale.toPixels(0, 0, f.width, f.height));
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
    m_frame2->setGeometry(scale.toPixels(frame2));
    m_text1Top = desktopdesign::kToolbarTop + kButtonsAboveText1 * m_toolbar->buttonHeightTwips();
    placeInputBox();
}

// The input box spans the strip, whose width is the design width.
void TeachingDesktop::placeInputBox()
{
    m_text1->setGeometry(m_context.scale.toPixels(0, m_text1Top, desktopdesign::kStripWidth, m_text1Height));
}

void TeachingDesktop::applyPlace(const QString &kind, const TwipsRect &rect)
{
    if (Pane *target = pane(kind))
        target->setGeometry(rect);
}

void TeachingDesktop::hidePane(const QString &kind)
{
    if (Pane *target = pane(kind))
        target->setVisible(false);
}

void TeachingDesktop::fitToolbar()
{
    const float b = m_toolbar->buttonHeightTwips();
    const ToolbarFit fit = ::fitToolbar(m_toolbar->designHeightTwips(), b, m_state.fullArea.Height);
    m_toolbar->fitBlanks(fit.blanks);
    m_text1Height = fit.text1Buttons ? *fit.text1Buttons * b : desktopdesign::kText1Height;
    placeInputBox();
}

// The window's own colour is its client area; the menu bar keeps the system's.
void TeachingDesktop::setBackColour(const QColor &colour)
{
    m_backColour = colour;
    for (QWidget *frame : {m_client, m_frame1, m_frame2}) {
        QPalette palette = frame->palette();
        palette.setColor(QPalette::Window, colour);
        frame->setPalette(palette);
    }
}

QString TeachingDesktop::currentPaneKind() const
{
    return m_menus->clickTs()->text();
}

void TeachingDesktop::setCurrentPaneKind(const QString &kind)
{
    m_menus->clickTs()->setText(kind);
}

void TeachingDesktop::registerPane(Pane *pane)
{
    m_panes.insert(pane->kind(), pane);
    connect(pane, &Pane::recorded, this, &TeachingDesktop::setCurrentPaneKind);
}

Pane *TeachingDesktop::pane(const QString &kind) const
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
    m_toolbarActions.insert(key, std::move(action));
}

void TeachingDesktop::runBarCommand(BarCommand command)
{
    const QString name = placementItemFor(currentPaneKind(), command);
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
        m_image2->hide();
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
        m_image2->show();
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
    m_image2->show();
    m_image2->setPixmap(QPixmap::fromImage(picture.image));
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
}

void TeachingDesktop::closeEvent(QCloseEvent *event)
{
    // The flow decides when the window goes; the question comes first.
    event->ignore();
    Form_Unload();
}
