// A lesson whose every medium is missing, on a real X server: every toolbar button,
// every menu command and the desktop's keys once each. Nothing crashes, each missing
// file is named in its own pane or, where the lesson asks the teacher, in one message,
// and the desktop still works afterwards.
#include "desktop/panes/panedesktop.h"
#include "desktop/panes/panenotice.h"
#include "desktop/panes/pictureelement.h"
#include "desktop/panes/picturepane.h"
#include "desktop/panes/videopane.h"
#include "platform/media/qtmediaplayer.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>

namespace {

// The missing file of each slot, below the lesson book or the program folder as the slot wants.
const QStringList kMissing = {
    QStringLiteral("缺少的文档.doc"), QStringLiteral("缺少的文本.txt"), QStringLiteral("缺少的演示.ppt"),
    QStringLiteral("缺少的动画.swf"), QStringLiteral("缺少的视频.mp4"), QStringLiteral("缺少的图片.jpg"),
    QStringLiteral("缺少的背景.jpg"),
};

} // namespace

class MissingMediaTest : public QObject
{
    Q_OBJECT
private slots:
    void everyCommandOnceWithEveryMediumMissing()
    {
        PaneDesktop p;
        // The real player, which finds out that its file is missing.
        QtMediaPlayerFactory players;
        p.context.platform.mediaPlayers = &players;
        LessonRecord &fields = p.state.LessonFields;
        fields[slot::DocumentFolder] = p.programDir.filePath(QStringLiteral("备课本"));
        fields[slot::DocumentFile] = QStringLiteral("高中\\") + kMissing[0];
        fields[slot::TextFiles] = QStringLiteral("高中\\") + kMissing[1] + QLatin1Char(' ');
        fields[slot::DeckFiles] = QStringLiteral("高中\\") + kMissing[2] + QLatin1Char(' ');
        fields[slot::FlashFiles] = QStringLiteral("高中\\") + kMissing[3] + QLatin1Char(' ');
        fields[slot::MediaFiles] = QStringLiteral("备课本\\高中\\") + kMissing[4] + QLatin1Char(' ');
        fields[slot::PictureFiles] = QStringLiteral("备课本\\高中\\") + kMissing[5] + QLatin1Char(' ');
        fields[slot::Picture2] = p.programDir.filePath(QStringLiteral("set/bj/") + kMissing[6]);
        fields[slot::WebAddress] = QStringLiteral("http://127.0.0.1:9/不在");
        fields[slot::OtherProgram] = p.programDir.filePath(QStringLiteral("缺少的程序"));
        QVERIFY(p.show());

        // Menu commands first (their menus as the teacher opens them), then the toolbar.
        QList<QAction *> commands;
        for (QMenu *menu : p.desktop->findChildren<QMenu *>())
            for (QAction *action : menu->actions())
                if (!action->menu() && !action->isSeparator() && !commands.contains(action))
                    commands.append(action);
        for (QAction *action : p.desktop->toolbar()->findChildren<QAction *>())
            if (!action->objectName().isEmpty() && !commands.contains(action))
                commands.append(action);
        QVERIFY(commands.size() > 40);
        QStringList done;
        for (QAction *action : commands) {
            if (!p.flow.isLoaded(ScreenId::Desktop))
                break;
            // The exit question is answered No, so the lesson goes on.
            action->trigger();
            QCoreApplication::processEvents();
            done.append(action->objectName());
        }
        QCOMPARE(done.size(), commands.size());
        for (const int key : {Qt::Key_Equal, Qt::Key_Minus, Qt::Key_PageDown, Qt::Key_PageUp, Qt::Key_Home,
                              Qt::Key_End, Qt::Key_Up, Qt::Key_Down, Qt::Key_Left, Qt::Key_Right,
                              Qt::Key_Space, Qt::Key_Return, Qt::Key_Tab, Qt::Key_Escape}) {
            QWidget *target = QApplication::focusWidget() ? QApplication::focusWidget() : p.desktop;
            QTest::keyClick(target, Qt::Key(key));
        }

        QVERIFY(p.flow.isLoaded(ScreenId::Desktop));
        QVERIFY(!p.ended);
        // Message boxes, and the last notice over each document pane.
        const auto messages = [&p] {
            QStringList texts;
            for (const auto &shown : p.fakes.messageBox.shown)
                texts.append(shown.text);
            for (const PaneNotice *notice : p.desktop->findChildren<PaneNotice *>())
                texts.append(notice->text());
            return texts;
        };
        const auto timesNamed = [&messages](const QString &name) {
            const QStringList texts = messages();
            return int(std::count_if(texts.cbegin(), texts.cend(),
                                     [&name](const QString &text) { return text.contains(name); }));
        };
        // The player and the picture pane tell their missing files in their own places.
        auto *notice =
            p.pane<VideoPane>(PaneKind::Video)->control()->findChild<QLabel *>(QStringLiteral("notice"));
        QTRY_VERIFY_WITH_TIMEOUT(notice && notice->text().contains(kMissing[4]), 15000);
        QVERIFY(p.pane<PicturePane>(PaneKind::Picture)->Image1(0)->showsNotice());
        for (const QString &name : kMissing) {
            // The Flash movie and the desktop's background picture are not looked for by these
            // commands; the video and the picture are told in their panes.
            const bool looked =
                name != kMissing[3] && name != kMissing[6] && name != kMissing[4] && name != kMissing[5];
            if (name == kMissing[4] || name == kMissing[5])
                QCOMPARE(timesNamed(name), 0);
            QVERIFY2(looked ? timesNamed(name) == 1 : timesNamed(name) <= 1,
                     qPrintable(name + QStringLiteral(" named %1 times: ").arg(timesNamed(name)) +
                                messages().join(QStringLiteral(" | "))));
        }

        // Still answering: the exit button asks its question again.
        const int before = int(p.fakes.messageBox.shown.size());
        p.button("Exit");
        QCOMPARE(p.fakes.messageBox.shown.size(), before + 1);
        QCOMPARE(p.fakes.messageBox.shown.last().title, QStringLiteral("退出"));
        QVERIFY(p.desktop->isVisible());
        qInfo("%d commands, %d messages: %s", int(commands.size()), int(messages().size()),
              qPrintable(messages().join(QStringLiteral(" | "))));
    }
};

QTEST_MAIN(MissingMediaTest)
#include "tst_missingmedia.moc"
