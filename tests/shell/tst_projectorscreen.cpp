// The projector screen on two screens of different sizes (the offscreen
// platform's TEACHER, 1024 x 768, and PROJECTOR, 1280 x 1024): chosen on the
// editor's system page, and the lesson's windows following it.

#include "cover/coverpage.h"
#include "desktop/desktopmenus.h"
#include "desktop/desktoptoolbar.h"
#include "desktop/inklayer.h"
#include "desktop/panes/pane.h"
#include "desktop/panes/textpane.h"
#include "desktop/teachingdesktop.h"
#include "editor/editorlineedit.h"
#include "editor/lessoneditor.h"
#include "editor/systempage.h"
#include "lesson/lessonfields.h"
#include "lesson/settingsfile.h"
#include "shell/startup.h"
#include "support/filebytes.h"
#include "support/testcontext.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScreen>
#include <QSettings>
#include <QTextEdit>
#include <QtTest>

namespace {

QScreen *screenNamed(const QString &name)
{
    for (QScreen *screen : QGuiApplication::screens())
        if (screen->name() == name)
            return screen;
    return nullptr;
}

// The right edge of the toolbar strip, in pixels of the window.
int stripEnd(const TeachingDesktop *desktop)
{
    return desktop->findChild<QWidget *>(QStringLiteral("Frame2"))->geometry().right() + 1;
}

} // namespace

class ProjectorScreenTest : public QObject
{
    Q_OBJECT
private slots:
    void initTestCase()
    {
        QVERIFY2(screenNamed(QStringLiteral("PROJECTOR")),
                 "Runs on the two screens of tests/data/shell/twoscreens.json.");
    }

    void systemPageListsTheScreensAndKeepsTheChoiceBesideTheSettings()
    {
        TestContext t;
        SettingsFile(t.context.settingsPath).create();
        const QByteArray settingsBefore = filebytes::readAll(t.context.settingsPath);
        auto *editor = qobject_cast<LessonEditor *>(t.flow.show(ScreenId::Editor));
        QVERIFY(editor);
        editor->Toolbar1_ButtonClick(QStringLiteral("XkSet"));
        QComboBox *screens = editor->systemPage()->combo3();
        QCOMPARE(screens->objectName(), QStringLiteral("Combo3"));
        QVERIFY(screens->isVisible());
        // The automatic choice first, then the screens in the system's order.
        QCOMPARE(screens->count(), 3);
        QCOMPARE(screens->itemText(0), QStringLiteral("主屏幕（自动）"));
        QStringList offered = {screens->itemText(1), screens->itemText(2)};
        offered.sort();
        QCOMPARE(offered, (QStringList{QStringLiteral("PROJECTOR（1280×1024）"),
                                       QStringLiteral("TEACHER（1024×768）")}));
        QCOMPARE(screens->currentIndex(), 0);

        // Chosen with the keyboard: kept at once in the program's own file,
        // Dravik.dll untouched.
        screens->setFocus(Qt::TabFocusReason);
        QTest::keyClick(screens, 'P');
        QCOMPARE(t.screens.chosenName(), QStringLiteral("PROJECTOR"));
        QCOMPARE(t.screens.projector(), screenNamed(QStringLiteral("PROJECTOR")));
        const QString ownFile =
            QFileInfo(t.context.settingsPath).dir().filePath(QStringLiteral("Veltano.ini"));
        QCOMPARE(QSettings(ownFile, QSettings::IniFormat).value(QStringLiteral("display/projectorScreen")),
                 QVariant(QStringLiteral("PROJECTOR")));
        QCOMPARE(filebytes::readAll(t.context.settingsPath), settingsBefore);
        // "确定" writes the settings record and leaves the choice alone.
        editor->systemPage()->text2()->setText(QStringLiteral("一中"));
        editor->systemPage()->text3()->setText(QStringLiteral("李明"));
        QTest::mouseClick(editor->systemPage()->confirmButton(), Qt::LeftButton);
        QCOMPARE(SettingsFile(t.context.settingsPath).read().TeacherName, QStringLiteral("李明"));
        QCOMPARE(ProgramSettings(QFileInfo(ownFile).absolutePath()).projectorScreen(),
                 QStringLiteral("PROJECTOR"));

        // A projector that is not connected stays listed and chosen; the
        // lesson meanwhile goes to the primary screen.
        t.screens.choose(QStringLiteral("HDMI-9"));
        QCOMPARE(screens->currentText(), QStringLiteral("HDMI-9（未连接）"));
        QCOMPARE(t.screens.projector(), QGuiApplication::primaryScreen());
        QTest::keyClick(screens, Qt::Key_Home);
        QCOMPARE(t.screens.chosenName(), QString());
    }

    void windowsFollowTheProjectorToAScreenOfAnotherSize()
    {
        TestContext t;
        t.screens.choose(QStringLiteral("PROJECTOR"));
        fitToProjector(t.context);
        // The lesson's screen in twips, as start-up takes it from the projector.
        QCOMPARE(t.state.ScreenWidth, 19200.0);
        t.write(QStringLiteral("备课本/讲义.txt"), "讲义");
        t.state.LessonFields[slot::TextFiles] = QStringLiteral("讲义.txt ");
        auto *desktop = qobject_cast<TeachingDesktop *>(t.flow.show(ScreenId::Desktop));
        QVERIFY(desktop);
        QCOMPARE(desktop->geometry(), QRect(1024, 0, 1280, 1024));
        QCOMPARE(stripEnd(desktop), 1280);
        desktop->toolbar()->button(QStringLiteral("txt"))->trigger();
        auto *text = qobject_cast<TextPane *>(desktop->pane(PaneKind::Text));
        QVERIFY(text->isVisible());
        const TwipsRect textPlace = text->geometry();
        const QString shownText = text->RichTextBox1()->toPlainText();
        QVERIFY(!shownText.isEmpty());
        desktop->inputBox()->setPlainText(QStringLiteral("未完"));
        const float fullWidthBefore = desktop->desktopState().fullArea.Width;

        // The projector is given up: the desktop covers the teacher's screen,
        // laid out for its size, with everything it showed.
        t.screens.choose(QStringLiteral("TEACHER"));
        QCOMPARE(t.state.ScreenWidth, 15360.0);
        QCOMPARE(t.flow.window(ScreenId::Desktop), desktop);
        QCOMPARE(desktop->geometry(), QRect(0, 0, 1024, 768));
        QCOMPARE(stripEnd(desktop), 1024);
        QVERIFY(desktop->desktopState().fullArea.Width < fullWidthBefore);
        QVERIFY(text->isVisible());
        // The full-size text pane spans the smaller work area.
        QCOMPARE(text->RichTextBox1()->width(), desktop->workArea()->width());
        QVERIFY(text->geometry().width < textPlace.width);
        QCOMPARE(text->RichTextBox1()->toPlainText(), shownText);
        QCOMPARE(desktop->inputBox()->toPlainText(), QStringLiteral("未完"));
        // "全屏" now fills the smaller work area.
        desktop->setCurrentPaneKind(PaneKind::Text);
        desktop->menus().item(QStringLiteral("AllFull"))->trigger();
        QCOMPARE(text->geometry().width, desktop->desktopState().fullArea.Width);

        // The cover page too: its picture covers the screen it is on.
        QStringList lesson(15);
        lesson[1] = QStringLiteral("集合");
        t.state.ConfigPath = t.write(QStringLiteral("备课本/配置区/集合.spz"), filebytes::gbkLines(lesson));
        auto *cover = qobject_cast<CoverPage *>(t.flow.load(ScreenId::Cover));
        QVERIFY(cover);
        auto *picture = cover->findChild<QLabel *>(QStringLiteral("Image1"));
        QCOMPARE(picture->geometry(), QRect(0, 0, 1024, 768));
        t.screens.choose(QStringLiteral("PROJECTOR"));
        QCOMPARE(picture->geometry(), QRect(0, 0, 1280, 1024));
        QCOMPARE(desktop->geometry(), QRect(1024, 0, 1280, 1024));
        QCOMPARE(stripEnd(desktop), 1280);
    }

    // The projector unplugged in the middle of ink: the strokes stay, on the
    // still of the smaller work area, and ink goes on there.
    void inkKeepsItsStrokesOnAnotherScreen()
    {
        TestContext t;
        t.screens.choose(QStringLiteral("PROJECTOR"));
        fitToProjector(t.context);
        auto *desktop = qobject_cast<TeachingDesktop *>(t.flow.show(ScreenId::Desktop));
        QVERIFY(QTest::qWaitForWindowActive(desktop));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_F12);
        auto *layer = desktop->findChild<InkLayer *>();
        QVERIFY(layer->isOn());
        const QSize before = desktop->workArea()->size();
        QTest::mousePress(layer, Qt::LeftButton, Qt::NoModifier, QPoint(400, 300));
        QTest::mouseMove(layer, QPoint(700, 300));
        QTest::mouseRelease(layer, Qt::LeftButton, Qt::NoModifier, QPoint(700, 300));

        t.screens.choose(QStringLiteral("TEACHER"));
        const QWidget *area = desktop->workArea();
        QVERIFY(area->width() < before.width());
        QVERIFY(layer->isOn() && layer->isVisible());
        QCOMPARE(layer->strokes().all().size(), std::size_t(1));
        QCOMPARE(layer->geometry(), QRect(area->mapTo(desktop, QPoint(0, 0)), area->size()));
        QCOMPARE(layer->picture().size(), area->size());
        const QPoint middle(550 * area->width() / before.width(), 300 * area->height() / before.height());
        QCOMPARE(layer->picture().pixelColor(middle), QColor::fromRgba(ink::rgb(ink::Colour::Red)));
    }
};

QTEST_MAIN(ProjectorScreenTest)
#include "tst_projectorscreen.moc"
