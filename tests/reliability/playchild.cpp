// Child of the failing-components test: plays each file given with the program's
// player, one after the other, and prints one line per file: "playing" once its
// position moves, "failed" and the reason it gives, or "nothing".
// Usage: playchild FILE...
#include "platform/media/qtmediaplayer.h"

#include <cstdio>
#include <QApplication>
#include <QTest>

int main(int argc, char **argv)
{
    QtMediaPlayer::chooseBackEnd();
    QApplication app(argc, argv);
    QWidget window;
    QtMediaPlayer player(&window);
    player.widget()->resize(320, 240);
    window.show();
    bool failed = false;
    QString reason;
    QObject::connect(&player, &MediaPlayer::error, [&](const QString &message) {
        failed = true;
        reason = message;
    });
    for (const QString &file : app.arguments().mid(1)) {
        failed = false;
        player.setURL(file);
        player.play();
        // Playing means the position moves: a pipeline without a decoder reports the
        // playing state before its error.
        const bool ended = QTest::qWaitFor(
            [&] {
                return failed || (player.state() == MediaPlayer::State::Playing && player.positionMs() > 300);
            },
            30000);
        const QByteArray line = !ended   ? QByteArray("nothing")
                                : failed ? "failed " + reason.toUtf8()
                                         : QByteArray("playing");
        std::printf("%s\n", line.constData());
        std::fflush(stdout);
        player.stop();
    }
    return 0;
}
