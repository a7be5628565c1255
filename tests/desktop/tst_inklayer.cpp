// Ink over the desktop, driven as a teacher drives it: F12, Esc and Ctrl+Z
// pressed on whatever control has the keyboard, strokes dragged with the
// mouse on the layer, its menu opened by a right click.

#include "desktop/inklayer.h"
#include "desktop/panes/drawingboard.h"
#include "desktop/panes/drawingpane.h"
#include "desktop/panes/panedesktop.h"
#include "desktop/panes/videopane.h"
#include "fakes/fakeflashplayer.h"
#include "fakes/fakemediaplayer.h"
#include "lesson/lessonfields.h"

#include <QDir>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QTableWidget>

namespace {

struct InkDesktop : PaneDesktop {
    InkLayer *layer() const { return desktop->findChild<InkLayer *>(); }

    // On the control with the keyboard, or the window when none has it.
    static void press(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        QWidget *focus = QApplication::focusWidget();
        QTest::keyClick(focus ? focus : QApplication::activeWindow(), Qt::Key(key), modifiers);
    }

    void stroke(const QList<QPoint> &points) const
    {
        QTest::mousePress(layer(), Qt::LeftButton, Qt::NoModifier, points.first());
        for (const QPoint &p : points.mid(1))
            QTest::mouseMove(layer(), p);
        QTest::mouseRelease(layer(), Qt::LeftButton, Qt::NoModifier, points.last());
    }

    // A right click on the layer and a click on the item of that caption.
    void choose(const char *caption) const
    {
        QMenu *menu = layer()->menu();
        QTest::mouseClick(layer(), Qt::RightButton, Qt::NoModifier, QPoint(600, 400));
        QTRY_VERIFY(menu->isVisible());
        QAction *item = nullptr;
        for (QAction *action : menu->actions())
            if (action->text() == QString::fromUtf8(caption))
                item = action;
        QVERIFY2(item, caption);
        QTest::mouseClick(menu, Qt::LeftButton, Qt::NoModifier, menu->actionGeometry(item).center());
        QTRY_VERIFY(!menu->isVisible());
    }

    QColor inked(int x, int y) const { return layer()->picture().pixelColor(x, y); }
    // What the layer shows there.
    QColor shown(int x, int y) const { return layer()->grab().toImage().pixelColor(x, y); }
};

const QColor kRed = QColor::fromRgba(ink::rgb(ink::Colour::Red));
const QColor kBlue = QColor::fromRgba(ink::rgb(ink::Colour::Blue));

} // namespace

class InkLayerTest : public QObject
{
    Q_OBJECT
private slots:
    // While ink is on nothing reaches the panes; afterwards they are as they
    // were, the keyboard is back where it was and the current pane kind is
    // the one from before.
    void inkFreezesTheAreaAndGivesEverythingBack()
    {
        InkDesktop d;
        d.write(QStringLiteral("clip.mp4"), "clip");
        d.state.LessonFields[slot::MediaFiles] = QStringLiteral("clip.mp4 ");
        d.show();
        d.click("video");
        const FakeMediaPlayer *player = d.fakes.mediaPlayers.created.last();
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        d.click("paint");
        auto *drawing = d.pane<DrawingPane>(PaneKind::Drawing);
        QTest::mouseClick(drawing->Picture1(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        QCOMPARE(QApplication::focusWidget(), drawing->Picture1());
        QCOMPARE(d.current(), QStringLiteral("Draw"));
        const TwipsRect board = drawing->geometry();
        const TwipsRect video = d.pane<VideoPane>(PaneKind::Video)->geometry();
        QAction *item = d.desktop->menus().item(QStringLiteral("Annotate"));
        QCOMPARE(item->text(), QStringLiteral("批注"));
        QCOMPARE(d.desktop->menus().menu(QStringLiteral("Moption"))->actions().last(), item);
        // The key is listed where the teacher looks keys up.
        d.desktop->menus().item(QStringLiteral("MyHelp"))->trigger();
        auto *keys = d.desktop->findChild<QTableWidget *>(QStringLiteral("KeyList"));
        QVERIFY(keys && !keys->findItems(QStringLiteral("F12"), Qt::MatchExactly).isEmpty());
        keys->window()->close();

        d.press(Qt::Key_F12);
        InkLayer *layer = d.layer();
        QVERIFY(layer->isOn() && layer->isVisible() && layer->isWindow());
        QTRY_VERIFY(layer->hasFocus());
        const QWidget *area = d.desktop->workArea();
        QCOMPARE(layer->geometry(), QRect(area->mapToGlobal(QPoint(0, 0)), area->size()));
        QVERIFY(item->isChecked());
        // The still shows the white board in the lower right quarter.
        const QPoint onBoard = drawing->Picture1()->geometry().center();
        QCOMPARE(d.inked(onBoard.x(), onBoard.y()), QColor(Qt::white));

        // Neither the paint button, its key nor 左侧's key reaches the board.
        d.press(Qt::Key_F5);
        d.press(Qt::Key_2, Qt::ControlModifier);
        d.click("paint");
        QVERIFY(layer->isOn());
        QVERIFY(drawing->isVisible());
        QCOMPARE(drawing->geometry(), board);

        d.stroke({{400, 300}, {450, 310}, {500, 330}, {560, 340}});
        QCOMPARE(layer->strokes().all().size(), std::size_t(1));
        QCOMPARE(d.inked(450, 310), kRed);
        QCOMPARE(d.shown(450, 310), kRed);

        d.press(Qt::Key_Escape);
        QVERIFY(!layer->isOn() && !layer->isVisible() && !item->isChecked());
        QTRY_COMPARE(QApplication::focusWidget(), drawing->Picture1());
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QCOMPARE(d.pane<VideoPane>(PaneKind::Video)->geometry(), video);
        QCOMPARE(drawing->geometry(), board);

        // The keyboard comes back to the board without the board recording
        // itself: a kind set apart from it stays.
        d.desktop->setCurrentPaneKind(PaneKind::Text);
        d.press(Qt::Key_F12);
        QVERIFY(layer->isOn());
        d.press(Qt::Key_Escape);
        QTRY_COMPARE(QApplication::focusWidget(), drawing->Picture1());
        QCOMPARE(d.current(), QStringLiteral("Txt"));
        // Keys act on the panes again.
        d.press(Qt::Key_F5);
        QVERIFY(!drawing->isVisible());

        // Ink is not kept: F12 starts afresh and F12 leaves.
        d.press(Qt::Key_F12);
        QVERIFY(layer->isOn() && layer->strokes().isEmpty());
        QVERIFY(d.inked(450, 310) != kRed);
        d.press(Qt::Key_F12);
        QVERIFY(!layer->isOn());

        // 批注 enters too, once its menu has gone.
        item->trigger();
        QTRY_VERIFY(layer->isOn());
        item->trigger();
        QVERIFY(!layer->isOn());
    }

    void menuColoursUndoEraseSaveAndLeave()
    {
        InkDesktop d;
        d.state.LessonFields[slot::ChapterTitle] = QStringLiteral("第一章");
        d.state.LessonFields[slot::LessonTitle] = QStringLiteral("集合");
        d.show();
        d.press(Qt::Key_F12);
        InkLayer *layer = d.layer();
        QVERIFY(layer->isOn());
        const QColor background = d.inked(450, 200);

        d.stroke({{300, 100}, {600, 100}});
        d.choose("蓝");
        d.stroke({{300, 200}, {600, 200}});
        QCOMPARE(d.inked(450, 200), kBlue);
        d.press(Qt::Key_Z, Qt::ControlModifier);
        QCOMPARE(layer->strokes().all().size(), std::size_t(1));
        QCOMPARE(d.inked(450, 200), background);
        QCOMPARE(d.shown(450, 200), background);

        // The eraser, dragged across the red stroke, takes it; 撤销 brings it back.
        d.choose("橡皮");
        d.stroke({{450, 50}, {450, 150}});
        QVERIFY(layer->strokes().isEmpty());
        QVERIFY(d.inked(450, 100) != kRed);
        d.choose("撤销");
        QCOMPARE(d.inked(450, 100), kRed);

        d.choose("保存");
        const QDir folder(d.programFolder() + QStringLiteral("/备课本/批注"));
        const QStringList saved = folder.entryList({QStringLiteral("第一章-集合-*.png")}, QDir::Files);
        QCOMPARE(saved.size(), 1);
        QVERIFY(QRegularExpression(QStringLiteral("^第一章-集合-\\d{8}-\\d{6}\\.png$"))
                    .match(saved.first())
                    .hasMatch());
        const QImage picture(folder.filePath(saved.first()));
        QCOMPARE(picture.size(), d.desktop->workArea()->size());
        QCOMPARE(picture.pixelColor(450, 100), kRed);
        QCOMPARE(picture.pixelColor(450, 200), background);
        // No torn or hidden copy beside it.
        QCOMPARE(folder.entryList(QDir::Files | QDir::Hidden).size(), 1);
        QVERIFY(layer->notice().contains(saved.first()));
        QTRY_VERIFY_WITH_TIMEOUT(layer->notice().isEmpty(), 4000);

        d.choose("清除");
        QVERIFY(layer->strokes().isEmpty());
        QVERIFY(d.inked(450, 100) != kRed);
        d.choose("退出批注");
        QVERIFY(!layer->isOn());
    }

    // The browser window the desktop opened stands above it: F12 pressed
    // there lays the ink over it, and Esc gives it its keyboard back.
    void inkCoversTheBrowserWindow()
    {
        InkDesktop d;
        d.show();
        d.item("IE");
        auto *browser = d.desktop->findChild<QMainWindow *>(QStringLiteral("frmBrowser"));
        QVERIFY(browser);
        browser->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(browser));
        QWidget *focus = browser->findChild<QWidget *>(QStringLiteral("cboAddress"));
        focus->setFocus();
        QTRY_COMPARE(QApplication::focusWidget(), focus);
        d.press(Qt::Key_F12);
        InkLayer *layer = d.layer();
        QVERIFY(layer->isOn());
        QTRY_COMPARE(QApplication::activeWindow(), layer);
        d.press(Qt::Key_Escape);
        QVERIFY(!layer->isOn());
        QTRY_COMPARE(QApplication::activeWindow(), browser);
        QCOMPARE(QApplication::focusWidget(), focus);
    }

    // The video and the game stand still under the ink, sound and all, and
    // go on from there afterwards; a video the teacher paused stays paused.
    void whatPlaysPausesWhileInkIsOn()
    {
        InkDesktop d;
        d.write(QStringLiteral("clip.mp4"), "clip");
        d.state.LessonFields[slot::MediaFiles] = QStringLiteral("clip.mp4 ");
        d.show();
        d.click("video");
        FakeMediaPlayer *player = d.fakes.mediaPlayers.created.last();
        d.item("GameWar");
        const FakeFlashPlayer *game = d.fakes.flashPlayers.created.last();
        d.press(Qt::Key_F12);
        QCOMPARE(player->state(), MediaPlayer::State::Paused);
        QCOMPARE(game->commands.last(), QStringLiteral("pause"));
        d.press(Qt::Key_Escape);
        QCOMPARE(player->state(), MediaPlayer::State::Playing);
        QCOMPARE(game->commands.last(), QStringLiteral("play"));

        player->pause();
        d.press(Qt::Key_F12);
        d.press(Qt::Key_F12);
        QCOMPARE(player->state(), MediaPlayer::State::Paused);
    }

    // What a session leaves must not spoil the next one nor the lesson: the
    // eraser does not stay chosen, a spare Esc asks for no document, the menu
    // bar moves no pane under the still, and saves keep every picture.
    void eachSessionStartsAfreshAndNothingChangesUnseen()
    {
        InkDesktop d;
        // Titles of 78 characters together, as a long exam lesson has them.
        d.state.LessonFields[slot::ChapterTitle] = QStringLiteral("第三章函数") + QString(43, QChar(0x6570));
        d.state.LessonFields[slot::LessonTitle] = QStringLiteral("课题") + QString(28, QChar(0x5B66));
        d.show();
        QCOMPARE(QApplication::focusWidget(), d.desktop->ole1()->control());
        d.press(Qt::Key_F12);
        InkLayer *layer = d.layer();
        d.choose("橡皮");
        d.press(Qt::Key_Escape);
        QVERIFY(!layer->isOn());
        // A spare Esc, on the document container that has the keyboard again,
        // in a lesson without a document: no box.
        d.press(Qt::Key_Escape);
        QVERIFY(d.fakes.messageBox.shown.isEmpty());

        d.click("paint");
        auto *drawing = d.pane<DrawingPane>(PaneKind::Drawing);
        QTest::mouseClick(drawing->Picture1(), Qt::LeftButton, Qt::NoModifier, QPoint(5, 5));
        const TwipsRect board = drawing->geometry();
        QAction *left = d.desktop->menus().item(QStringLiteral("AllLeft"));
        // The next session draws with the pen.
        d.press(Qt::Key_F12);
        d.stroke({{300, 100}, {600, 100}});
        QCOMPARE(layer->strokes().all().size(), std::size_t(1));
        QCOMPARE(d.inked(450, 100), kRed);
        // 左侧 on the menu bar, clicked as the teacher clicks it, leaves the board where it is.
        QMenuBar *bar = d.desktop->menuBar();
        QVERIFY(!left->isEnabled());
        QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, bar->actionGeometry(left).center());
        QCOMPARE(drawing->geometry(), board);
        QVERIFY(d.desktop->menus().item(QStringLiteral("Annotate"))->isEnabled());

        // Two saves one after the other: two pictures, both named after the lesson.
        d.choose("保存");
        d.choose("保存");
        const QDir folder(d.programFolder() + QStringLiteral("/备课本/批注"));
        const QStringList saved = folder.entryList({QStringLiteral("第三章函数*.png")}, QDir::Files);
        QCOMPARE(saved.size(), 2);
        QVERIFY(layer->notice().startsWith(QStringLiteral("已保存")));

        d.press(Qt::Key_Escape);
        QVERIFY(left->isEnabled());
        QVERIFY(!d.desktop->menus().item(QStringLiteral("ClickTs"))->isEnabled());
    }

    // A lesson book where the picture cannot go: a notice in the layer, ink mode stays.
    void aFailedSaveSaysSo()
    {
        InkDesktop d;
        d.write(QStringLiteral("备课本/批注"), "not a folder");
        d.show();
        d.press(Qt::Key_F12);
        d.stroke({{300, 100}, {600, 100}});
        QVERIFY(!d.layer()->save());
        QVERIFY(d.layer()->notice().startsWith(QStringLiteral("未能保存")));
        QVERIFY(d.layer()->isOn());
    }
};

QTEST_MAIN(InkLayerTest)
#include "tst_inklayer.moc"
