// A lesson whose every field names a file that is not there, with the real media
// player and the real web module on an X server: every toolbar button clicked from
// top to bottom, twice. Nothing crashes, no box stops the lesson, and each pane that
// failed says so in its own place.
#include "desktop/panes/panedesktop.h"
#include "desktop/panes/pictureelement.h"
#include "desktop/panes/picturepane.h"
#include "desktop/panes/videopane.h"
#include "platform/moduleflashplayer.h"
#include "platform/modulewebbrowser.h"
#include "platform/qtmediaplayer.h"
#include "platform/webmodule.h"

#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QToolButton>

namespace {

QToolButton *buttonOf(QAction *action)
{
    for (QObject *object : action->associatedObjects())
        if (auto *button = qobject_cast<QToolButton *>(object))
            return button;
    return nullptr;
}

} // namespace

class EveryButtonTwiceTest : public QObject
{
    Q_OBJECT
private slots:
    void everyButtonTwiceWithEveryFileMissing()
    {
        PaneDesktop p;
        QtMediaPlayerFactory players;
        WebModule web(QStringLiteral(VELTANO_APP_DIR "/libveltano-web.so"),
                      QStringLiteral(VELTANO_APP_DIR "/web"));
        ModuleFlashPlayerFactory flashPlayers(web);
        ModuleWebBrowserFactory browsers(web);
        p.context.platform.mediaPlayers = &players;
        p.context.platform.flashPlayers = &flashPlayers;
        p.context.platform.webBrowsers = &browsers;
        LessonRecord &fields = p.state.LessonFields;
        // Documents, texts, decks and movies are named below the document folder, the
        // rest below the program folder.
        fields[slot::DocumentFolder] = p.programDir.filePath(QStringLiteral("备课本"));
        fields[slot::DocumentFile] = QStringLiteral("不在\\文档.doc");
        fields[slot::TextFiles] = QStringLiteral("不在\\文本.txt ");
        fields[slot::PptFiles] = QStringLiteral("不在\\演示.ppt ");
        fields[slot::FlashFiles] = QStringLiteral("不在\\动画.swf ");
        const QString missing = QStringLiteral("备课本\\不在\\");
        fields[slot::MediaFiles] = missing + QStringLiteral("视频.mp4 ");
        fields[slot::PictureFiles] = missing + QStringLiteral("图片.jpg ");
        fields[slot::Music1] = missing + QStringLiteral("音乐1.mp3");
        fields[slot::Music2] = missing + QStringLiteral("音乐2.mp3");
        fields[slot::Picture1] = missing + QStringLiteral("背景1.jpg");
        fields[slot::Picture2] = missing + QStringLiteral("背景2.jpg");
        fields[slot::WebAddress] = missing + QStringLiteral("首页.html");
        fields[slot::OtherProgram] = missing + QStringLiteral("程序.exe");
        QVERIFY(p.show());

        for (int round = 0; round < 2; ++round) {
            for (QAction *action : p.desktop->toolbar()->buttons()) {
                if (action->objectName().isEmpty())
                    continue;
                QToolButton *button = buttonOf(action);
                QVERIFY(button);
                QTest::mouseClick(button, Qt::LeftButton);
                QTest::qWait(1000);
                QVERIFY2(p.flow.isLoaded(ScreenId::Desktop), qPrintable(action->objectName()));
            }
        }
        QVERIFY(web.loaded());

        // No box stopped the lesson for the missing video or picture.
        for (const auto &shown : p.fakes.messageBox.shown)
            QVERIFY2(!shown.text.contains(QStringLiteral("视频.mp4")) &&
                         !shown.text.contains(QStringLiteral("图片.jpg")),
                     qPrintable(shown.text));

        // The player tells its missing file in its own place, in Chinese, and still
        // pops up its menu under a click on that notice.
        auto *video = p.pane<VideoPane>("Video");
        auto *notice = video->control()->findChild<QLabel *>(QStringLiteral("notice"));
        QTRY_VERIFY_WITH_TIMEOUT(notice->isVisible(), 15000);
        QCOMPARE(notice->text(), QStringLiteral("无法播放“视频.mp4”：找不到文件"));
        QMenu *menu = p.desktop->menus().menu(QStringLiteral("Video"));
        QTest::mouseClick(notice, Qt::LeftButton, {}, notice->rect().center());
        QTRY_VERIFY(menu->isVisible());
        menu->close();

        auto *pictures = p.pane<PicturePane>("Image");
        QVERIFY(pictures->isVisible() && pictures->Image1(0)->showsNotice());
    }
};

int main(int argc, char *argv[])
{
    QtMediaPlayer::chooseBackEnd();
    QApplication app(argc, argv);
    EveryButtonTwiceTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_everybuttontwice.moc"
