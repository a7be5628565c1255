// The teaching desktop window driven through its real menus and toolbar, with
// the fake platform answering the dialogs.

#include "app/screenregistry.h"
#include "base/appcontext.h"
#include "base/screenflow.h"
#include "base/sharedstate.h"
#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/panes/pane.h"
#include "desktop/teachingdesktop.h"
#include "fakes/fakeplatform.h"
#include "panes/panedesktop.h"

#include <QBuffer>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QToolButton>
#include <QtTest>

namespace {

// A program with a 1024 x 768 screen, a teacher and a lesson title.
struct DesktopFixture : PaneDesktop {
    DesktopFixture()
    {
        state.SettingsRecord.UnitName = QStringLiteral("实验中学");
        state.SettingsRecord.StageSubject = QStringLiteral("高中数学");
        state.LessonFields[0] = QStringLiteral("第一章");
        state.LessonFields[1] = QStringLiteral("集合");
    }
};

// A focusable stand-in for a pane control.
QWidget *paneControl(TeachingDesktop *desktop, const char *name)
{
    auto *control = new QWidget(desktop->workArea());
    control->setObjectName(QLatin1String(name));
    control->setFocusPolicy(Qt::StrongFocus);
    return control;
}

// Every menu item in tree order: name, caption and marks (h hidden, c checked, d disabled).
void describe(const QList<QAction *> &actions, int depth, QStringList &lines)
{
    for (QAction *action : actions) {
        QString marks;
        if (!action->isVisible())
            marks += QLatin1Char('h');
        if (action->isChecked())
            marks += QLatin1Char('c');
        // Qt reports every hidden action as disabled too.
        if (action->isVisible() && !action->isEnabled())
            marks += QLatin1Char('d');
        const QString line = action->isSeparator() ? QStringLiteral("-")
                                                   : action->objectName() + QLatin1Char(' ') + action->text();
        lines.append(QString(depth * 2, QLatin1Char(' ')) + line +
                     (marks.isEmpty() ? QString() : " [" + marks + "]"));
        if (action->menu())
            describe(action->menu()->actions(), depth + 1, lines);
    }
}

} // namespace

class TeachingDesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void menuTree()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        // Kept inside the window even where a global menu would take it.
        QVERIFY(!desktop->menuBar()->isNativeMenuBar());
        QStringList lines;
        describe(desktop->menuBar()->actions(), 0, lines);
        QFile expected(QStringLiteral(VELTANO_TEST_DATA "/desktop/menutree.txt"));
        QVERIFY(expected.open(QIODevice::ReadOnly | QIODevice::Text));
        QCOMPARE(lines.join(QLatin1Char('\n')), QString::fromUtf8(expected.readAll()).trimmed());
    }

    void startUpLaysOutTheDesktop()
    {
        DesktopFixture fixture;
        fixture.state.LessonFields[5] = QStringLiteral("a.ppt b.ppt ");
        fixture.state.LessonFields[8] = QStringLiteral("p.jpg ");
        TeachingDesktop desktop(fixture.context, [] { return 5.5 / 9; });
        desktop.load();
        QCOMPARE(desktop.windowTitle(),
                 QStringLiteral("实验中学高中数学Veltano                   第一章之集合"));
        QCOMPARE(desktop.workArea()->geometry(), QRect(0, 0, 983, 711));
        QCOMPARE(desktop.strip()->geometry(), QRect(983, 0, 41, 711));
        const FullArea &area = desktop.fullArea();
        QCOMPARE(QList<int>({area.Left, area.Width, area.Top, area.Height}),
                 QList<int>({0, 14745, 0, 10665}));
        QCOMPARE(desktop.backColour(), QColor(0, 128, 128));
        QVERIFY(!desktop.menus().item("Backcolour")->isChecked());
        QVERIFY(desktop.menus().item("BackImage")->isChecked());
        QCOMPARE(desktop.menus().clickTs()->text(), QStringLiteral("提示"));

        // 14 buttons of 570 twips leave room for four more blanks; Text1 covers seven.
        DesktopToolbar *toolbar = desktop.toolbar();
        QCOMPARE(toolbar->buttons().size(), 18);
        QCOMPARE(toolbar->buttons().at(8)->objectName(), QStringLiteral("MyProgram"));
        QCOMPARE(toolbar->buttons().at(16)->objectName(), QStringLiteral("Input"));
        QCOMPARE(desktop.inputBox()->height(), 7 * 38);
        QCOMPARE(desktop.inputBox()->y(), 8 + 9 * 38);

        const DesktopState &state = desktop.desktopState();
        QCOMPARE(state.lists.decks.count, 2);
        QCOMPARE(state.PictureCount, 1);
        QCOMPARE(state.CurrentPicture, -1);
        QCOMPARE(state.ZoomStep, 200);
    }

    void toolbarFitsSmallerScreens_data()
    {
        QTest::addColumn<double>("screenHeight");
        QTest::addColumn<int>("buttons");
        QTest::addColumn<int>("text1Height");
        // Buttons of 570 twips (38 pixels); the toolbar alone is 7980 twips.
        QTest::newRow("800 x 600: no rule matches") << 9000.0 << 14 << 113;
        QTest::newRow("640 x 480: two blanks go") << 7200.0 << 12 << 2 * 38;
    }

    void toolbarFitsSmallerScreens()
    {
        QFETCH(double, screenHeight);
        QFETCH(int, buttons);
        QFETCH(int, text1Height);
        DesktopFixture fixture;
        fixture.state.ScreenHeight = screenHeight;
        TeachingDesktop desktop(fixture.context);
        desktop.load();
        QCOMPARE(desktop.toolbar()->buttons().size(), buttons);
        QCOMPARE(desktop.toolbar()->buttons().at(buttons - 2)->objectName(), QStringLiteral("Input"));
        QCOMPARE(desktop.inputBox()->height(), text1Height);
    }

    void startUpPlacesThePanes()
    {
        DesktopFixture fixture;
        TeachingDesktop desktop(fixture.context);
        const TwipsScale &scale = fixture.context.scale;
        QMap<PaneKind, Pane *> panes;
        for (PaneKind kind :
             {PaneKind::Text, PaneKind::Drawing, PaneKind::Video, PaneKind::Flash, PaneKind::Deck}) {
            auto *pane = new Pane(kind, paneControl(&desktop, "control"), scale, &desktop);
            pane->setVisible(true);
            desktop.registerPane(pane);
            panes.insert(kind, pane);
        }
        desktop.load();
        QCOMPARE(panes[PaneKind::Text]->geometry(), (TwipsRect{0, 120, 14745, 10665}));
        QCOMPARE(panes[PaneKind::Drawing]->geometry(), (TwipsRect{7372.5f, 5332.5f, 7372.5f, 5332.5f}));
        QCOMPARE(panes[PaneKind::Video]->geometry(), (TwipsRect{0, 5332.5f, 3015, 2175}));
        QCOMPARE(panes[PaneKind::Flash]->geometry(), (TwipsRect{7372.5f, 5332.5f, 7372.5f, 5332.5f}));
        QCOMPARE(panes[PaneKind::Deck]->geometry(), (TwipsRect{0, 0, 7372.5f, 5332.5f}));
        for (Pane *pane : panes)
            QVERIFY2(!pane->isVisible(), qPrintable(paneKindCaption(pane->kind())));

        auto *ole1 = desktop.findChild<QWidget *>(QStringLiteral("OLE1"));
        auto *ole2 = desktop.findChild<QWidget *>(QStringLiteral("OLE2"));
        QCOMPARE(ole1->geometry(), desktop.workArea()->rect());
        QVERIFY(!ole1->isHidden());
        QVERIFY(ole2->isHidden());
        QVERIFY(!ole2->isEnabled());
        QVERIFY(desktop.windowState() & Qt::WindowFullScreen);
    }

    void documentContainerTakesTheKeyboard()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        auto *ole1 = desktop->findChild<QWidget *>(QStringLiteral("OLE1"));
        QCOMPARE(QApplication::focusWidget(), ole1);
        // Taking it at start-up is not the teacher touching the pane.
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("提示"));

        // Menus opened and closed hand the keyboard back to it: still no pane was touched.
        QMenuBar *bar = desktop->menuBar();
        const auto open = [bar](const char *name) {
            QMenu *menu = bar->findChild<QMenu *>(QLatin1String(name));
            QTest::mouseClick(bar, Qt::LeftButton, {}, bar->actionGeometry(menu->menuAction()).center());
            return menu;
        };
        QMenu *tools = open("Tools");
        QTRY_VERIFY(tools->isVisible());
        QTest::keyClick(tools, Qt::Key_Escape);
        // The first Esc leaves the bar holding the keyboard; the second gives it back.
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), ole1);
        QMenu *help = open("SoftHelp");
        QTRY_VERIFY(help->isVisible());
        QTest::keyClick(help, Qt::Key_Escape);
        QTest::keyClick(bar, Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), ole1);
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("提示"));

        // A press on it records it, although it held the keyboard already.
        QMenu *wordMenu = desktop->menus().menu(QStringLiteral("WordLocation"));
        QTest::mouseClick(ole1, Qt::RightButton, {}, QPoint(300, 300));
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("Word"));
        QVERIFY(!wordMenu->isVisible());
        QTest::mouseClick(ole1, Qt::LeftButton, {}, QPoint(300, 300));
        QVERIFY(wordMenu->isVisible());
        wordMenu->close();
    }

    void toolbarButtons()
    {
        DesktopFixture fixture;
        // Only "word" has a picture in this program folder: red, and blue at 2x.
        const auto png = [](int size, Qt::GlobalColor colour) {
            QByteArray bytes;
            QBuffer buffer(&bytes);
            buffer.open(QIODevice::WriteOnly);
            QImage picture(size, size, QImage::Format_ARGB32);
            picture.fill(colour);
            picture.save(&buffer, "PNG");
            return bytes;
        };
        fixture.write(QStringLiteral("set/toolbar/word.png"), png(20, Qt::red));
        fixture.write(QStringLiteral("set/toolbar/word@2x.png"), png(40, Qt::blue));
        TeachingDesktop desktop(fixture.context);
        DesktopToolbar *toolbar = desktop.toolbar();
        const QStringList keys{"word",   "ppt",       "flash", "txt", "paint", "Picture", "video",
                               "google", "MyProgram", "",      "",    "",      "Input",   "Exit"};
        QStringList seen;
        for (QAction *button : toolbar->buttons())
            seen.append(button->data().toString());
        QCOMPARE(seen, keys);
        QCOMPARE(toolbar->button("ppt")->text(), QStringLiteral("播放"));
        // The tool tip names the button's key: F1 to F11 in toolbar order.
        QCOMPARE(toolbar->button("flash")->toolTip(), QStringLiteral("Flash 播放（F3）"));
        QCOMPARE(toolbar->button("flash")->shortcut(), QKeySequence(Qt::Key_F3));
        QCOMPARE(toolbar->button("Exit")->shortcut(), QKeySequence(Qt::Key_F11));
        QCOMPARE(toolbar->button("Exit")->text(), QStringLiteral("退出"));
        QVERIFY(toolbar->button("paint")->isCheckable());
        QVERIFY(!toolbar->button("word")->isCheckable());
#ifdef QT_NO_DEBUG
        // Keys are case-sensitive; asking for one no button has is reported
        // (debug builds stop there).
        QTest::ignoreMessage(QtWarningMsg, "no desktop toolbar button named Word");
        QVERIFY(!toolbar->button("Word"));
        QTest::ignoreMessage(QtWarningMsg, "no desktop menu item named allLeft");
        QVERIFY(!desktop.menus().item("allLeft"));
#endif

        // A picture above the caption where there is one, the caption alone elsewhere.
        const auto toolOf = [toolbar](const char *key) {
            for (QToolButton *tool : toolbar->findChildren<QToolButton *>()) {
                if (tool->defaultAction() == toolbar->button(key))
                    return tool;
            }
            return static_cast<QToolButton *>(nullptr);
        };
        QCOMPARE(toolOf("word")->toolButtonStyle(), Qt::ToolButtonTextUnderIcon);
        const QIcon icon = toolOf("word")->icon();
        QCOMPARE(icon.pixmap(QSize(20, 20), 1.0).toImage().pixelColor(10, 10), QColor(Qt::red));
        const QImage doubled = icon.pixmap(QSize(20, 20), 2.0).toImage();
        QCOMPARE(doubled.size(), QSize(40, 40));
        QCOMPARE(doubled.pixelColor(20, 20), QColor(Qt::blue));
        QCOMPARE(toolOf("word")->text(), QStringLiteral("Word"));
        QCOMPARE(toolOf("ppt")->toolButtonStyle(), Qt::ToolButtonTextOnly);
    }

    void focusRecordsTheCurrentPaneKind()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("提示"));
        auto *text =
            new Pane(PaneKind::Text, paneControl(desktop, "RichTextBox1"), fixture.context.scale, desktop);
        desktop->registerPane(text);
        text->setGeometry({0, 0, 3000, 3000});
        text->setVisible(true);
        QTest::mouseClick(text->control(), Qt::LeftButton);
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("Txt"));
        QCOMPARE(desktop->currentPaneKind(), std::optional(PaneKind::Text));
        QTest::mouseClick(desktop->findChild<QWidget *>("OLE1"), Qt::LeftButton, {}, QPoint(800, 600));
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("Word"));
    }

    void barCommandsPlaceThePaneTouchedLast()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        const TwipsScale &scale = fixture.context.scale;
        auto *text = new Pane(PaneKind::Text, paneControl(desktop, "RichTextBox1"), scale, desktop);
        auto *draw = new Pane(PaneKind::Drawing, paneControl(desktop, "Picture1"), scale, desktop);
        for (Pane *pane : {text, draw}) {
            desktop->registerPane(pane);
            desktop->connectStandardPlacement(pane);
            pane->setGeometry({1500, 1500, 3000, 3000});
            pane->setVisible(true);
        }
        QAction *allLeft = desktop->menus().item("AllLeft");
        allLeft->trigger();
        QCOMPARE(text->geometry(), (TwipsRect{1500, 1500, 3000, 3000}));

        text->control()->setFocus(Qt::MouseFocusReason);
        desktop->menus().item("AllTop")->trigger();
        allLeft->trigger();
        QCOMPARE(text->geometry(), (TwipsRect{0, 0, 7372.5f, 5332.5f}));
        QCOMPARE(draw->geometry(), (TwipsRect{1500, 1500, 3000, 3000}));
        QCOMPARE(text->control()->geometry(), QRect(0, 0, 492, 356));

        draw->control()->setFocus(Qt::MouseFocusReason);
        desktop->menus().item("AllCenter")->trigger();
        QCOMPARE(draw->geometry(), (TwipsRect{3686.25f, 2666.25f, 7372.5f, 5332.5f}));
        desktop->menus().item("AllHidden")->trigger();
        QVERIFY(!draw->isVisible());
        // Still the current pane: a hidden pane is not moved.
        desktop->menus().item("AllFull")->trigger();
        QCOMPARE(draw->geometry(), (TwipsRect{3686.25f, 2666.25f, 7372.5f, 5332.5f}));
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("Draw"));
    }

    // ClickTs only shows the kind: a caption changed behind the desktop's
    // back neither hides the pane touched last nor moves another.
    void barCommandsReadTheKindFromTheState()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        auto *text =
            new Pane(PaneKind::Text, paneControl(desktop, "RichTextBox1"), fixture.context.scale, desktop);
        auto *draw =
            new Pane(PaneKind::Drawing, paneControl(desktop, "Picture1"), fixture.context.scale, desktop);
        for (Pane *pane : {text, draw}) {
            desktop->registerPane(pane);
            desktop->connectStandardPlacement(pane);
            pane->setVisible(true);
        }
        draw->control()->setFocus(Qt::MouseFocusReason);
        QCOMPARE(desktop->menus().clickTs()->text(), QStringLiteral("Draw"));
        desktop->menus().clickTs()->setText(QStringLiteral("Txt"));
        desktop->menus().item("AllHidden")->trigger();
        QVERIFY(!draw->isVisible());
        QVERIFY(text->isVisible());
    }

    // Every placement item of the kinds' table is in its kind's location menu,
    // so a command of the menu bar never runs another family's item.
    void placementItemsBelongToTheirLocationMenu()
    {
        DesktopFixture fixture;
        TeachingDesktop desktop(fixture.context);
        const DesktopMenus &menus = desktop.menus();
        for (int k = 0; k <= int(PaneKind::Video); ++k) {
            const auto kind = PaneKind(k);
            const QMenu *location = menus.locationMenu(kind);
            QVERIFY(location);
            for (BarCommand command : kBarCommands) {
                const QString name = placementItemFor(kind, command);
                if (name.isEmpty())
                    continue;
                QAction *item = menus.item(name);
                QVERIFY2(item && location->findChildren<QAction *>(name).contains(item), qPrintable(name));
            }
        }
    }

    void exitQuestionAnsweredNo()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        fixture.fakes.messageBox.answer(MessageBox::Answer::No);
        desktop->menus().item("SysEnd")->trigger();
        QCOMPARE(fixture.fakes.messageBox.shown.size(), 1);
        const FakeMessageBox::Shown &asked = fixture.fakes.messageBox.shown.first();
        QCOMPARE(asked.text, QStringLiteral("确定要退出“高中数学Veltano”吗？”"));
        QCOMPARE(asked.title, QStringLiteral("退出"));
        QCOMPARE(asked.icon, MessageBox::Icon::Question);
        QCOMPARE(asked.buttons, MessageBox::Buttons::YesNo);
        QVERIFY(fixture.flow.isLoaded(ScreenId::Desktop));
        QVERIFY(!fixture.flow.isLoaded(ScreenId::Closing));
        QVERIFY(desktop->isVisible());

        // The close box asks the same question.
        fixture.fakes.messageBox.answer(MessageBox::Answer::No);
        QVERIFY(!desktop->close());
        QCOMPARE(fixture.fakes.messageBox.shown.size(), 2);
        QVERIFY(fixture.flow.isLoaded(ScreenId::Desktop));
    }

    void exitQuestionAnsweredYes()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        QPointer<TeachingDesktop> watched(desktop);
        fixture.fakes.messageBox.answer(MessageBox::Answer::Yes);
        desktop->toolbar()->button("Exit")->trigger();
        QVERIFY(fixture.flow.isLoaded(ScreenId::Closing));
        QVERIFY(fixture.flow.window(ScreenId::Closing)->isVisible());
        QVERIFY(!fixture.flow.isLoaded(ScreenId::Desktop));
        QTRY_VERIFY(watched.isNull());
    }

    void myProgramStartsTheLessonsProgram()
    {
        DesktopFixture fixture;
        fixture.state.LessonFields[14] = QStringLiteral("/usr/bin/tool");
        TeachingDesktop desktop(fixture.context);
        desktop.load();
        desktop.toolbar()->button("MyProgram")->trigger();
        QCOMPARE(fixture.fakes.launcher.started, QStringList{"/usr/bin/tool"});
        QVERIFY(fixture.fakes.fileDialog.requests.isEmpty());

        // One named on the Windows machine, in another letter case, lies below the program folder.
        const QString tool = fixture.write(QStringLiteral("set/tools/calc.sh"));
        fixture.state.LessonFields[14] = QStringLiteral("D:\\Veltano\\SET\\Tools\\Calc.sh");
        desktop.toolbar()->button("MyProgram")->trigger();
        QCOMPARE(fixture.fakes.launcher.started, QStringList({"/usr/bin/tool", tool}));
    }

    void myProgramWithoutOneAsksForAProgram()
    {
        DesktopFixture fixture;
        TeachingDesktop desktop(fixture.context);
        desktop.load();
        fixture.fakes.fileDialog.answerCancel();
        desktop.toolbar()->button("MyProgram")->trigger();
        QCOMPARE(fixture.fakes.fileDialog.requests.size(), 1);
        const OpenFileRequest &request = fixture.fakes.fileDialog.requests.first();
        QVERIFY(request.filter.contains(QStringLiteral("程序（*.Exe）|*.exe")));
        QVERIFY(request.executablesOnly);
        QVERIFY(fixture.fakes.launcher.started.isEmpty());

        fixture.fakes.fileDialog.answer({QStringLiteral("/usr/bin/xeyes")});
        desktop.menus().item("ExeOpen")->trigger();
        QCOMPARE(fixture.fakes.launcher.started, QStringList{"/usr/bin/xeyes"});
    }

    void backgroundModes()
    {
        DesktopFixture fixture;
        TeachingDesktop desktop(fixture.context, [] { return 0.0; });
        desktop.load();
        QAction *colour = desktop.menus().item("Backcolour");
        QAction *image = desktop.menus().item("BackImage");

        // The first click on the other mode only switches.
        colour->trigger();
        QVERIFY(colour->isChecked());
        QVERIFY(!image->isChecked());
        QVERIFY(desktop.backgroundPicture()->isHidden());
        QCOMPARE(fixture.fakes.choiceDialogs.colorRequests, 0);

        // A click on the current mode opens its dialog; cancelling changes nothing.
        colour->trigger();
        QCOMPARE(fixture.fakes.choiceDialogs.colorRequests, 1);
        QCOMPARE(desktop.backColour(), QColor(Qt::black));
        fixture.fakes.choiceDialogs.nextColor = QColor(10, 20, 30);
        colour->trigger();
        QCOMPARE(desktop.backColour(), QColor(10, 20, 30));
        QCOMPARE(desktop.strip()->palette().color(QPalette::Window), QColor(10, 20, 30));
        QVERIFY(colour->isChecked());

        image->trigger();
        QVERIFY(image->isChecked());
        QVERIFY(!colour->isChecked());
        QVERIFY(!desktop.backgroundPicture()->isHidden());
        QVERIFY(fixture.fakes.fileDialog.requests.isEmpty());

        const QString picture = fixture.programDir.filePath(QStringLiteral("bj.png"));
        QImage(4, 4, QImage::Format_RGB32).save(picture);
        fixture.fakes.fileDialog.answer({picture});
        image->trigger();
        QCOMPARE(fixture.fakes.fileDialog.requests.size(), 1);
        const OpenFileRequest &request = fixture.fakes.fileDialog.requests.first();
        QCOMPARE(request.filter, QStringLiteral("Jpg文件|*.jpg|Bmp文件|*.bmp|Jpeg文件|*.jpeg|Gif文件|*.gif|"
                                                "常用格式|*.png;*.webp;*.svg;*.tif;*.tiff|所有文件|*.*"));
        QCOMPARE(request.startFolder, fixture.context.book.setFolder("bj"));
        QCOMPARE(desktop.backgroundPicture()->pixmap().size(), QSize(4, 4));
        QVERIFY(image->isChecked());
    }

    // The web engine starts a second after the desktop shows, for a lesson
    // with movies or a web address only; the desktop paints before.
    void webEngineStartsAheadForLessonsWithMoviesOrPages()
    {
        const struct {
            int slot;
            const char *value;
            int flash;
            int web;
        } cases[] = {
            {6, "a.swf ", 1, 0}, {13, "http://example.com/", 0, 1}, {6, " ", 0, 0}, {7, "a.mp4 ", 0, 0}};
        for (const auto &lesson : cases) {
            DesktopFixture fixture;
            fixture.state.LessonFields[lesson.slot] = QString::fromLatin1(lesson.value);
            fixture.show();
            QCOMPARE(fixture.fakes.flashPlayers.prepared + fixture.fakes.webBrowsers.prepared, 0);
            QTest::qWait(TeachingDesktop::kPrepareWebAfterMs + 500);
            QCOMPARE(fixture.fakes.flashPlayers.prepared, lesson.flash);
            QCOMPARE(fixture.fakes.webBrowsers.prepared, lesson.web);
        }
    }

    void aboutBoxOpens()
    {
        DesktopFixture fixture;
        TeachingDesktop *desktop = fixture.show();
        desktop->menus().item("AboutMe")->trigger();
        QVERIFY(fixture.flow.isLoaded(ScreenId::About));
    }
};

QTEST_MAIN(TeachingDesktopTest)
#include "tst_teachingdesktop.moc"
