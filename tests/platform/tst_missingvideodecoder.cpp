// A phone's video (H.265 picture, AAC sound) on a computer without an H.265
// decoder, as GStreamer is made here by ranking its decoders out: the lesson
// check names the decoder lacking, and the player plays the sound with a
// notice naming it in the picture's place.

#include "platform/media/qtmediaplayer.h"
#include "platform/media/qtmediaprobe.h"

#include <QApplication>
#include <QLabel>
#include <QtTest>

namespace {

const QString kPhoneVideo = QStringLiteral(VELTANO_TEST_DATA "/media/phone-h265-aac.mp4");
const QString kLacking = QStringLiteral("缺少播放这种格式的解码组件（GStreamer 插件）：H.265 视频");

} // namespace

class MissingVideoDecoderTest : public QObject
{
    Q_OBJECT
private slots:
    void checkNamesTheDecoder()
    {
        QtMediaProbe probe;
        QObject context;
        std::optional<QString> answer;
        probe.probe(MediaKind::AudioVideo, kPhoneVideo, &context,
                    [&answer](const QString &reason) { answer = reason; });
        QTRY_VERIFY_WITH_TIMEOUT(answer.has_value(), 20000);
        QCOMPARE(*answer, kLacking);
    }

    void soundPlaysUnderANoticeNamingTheDecoder()
    {
        QWidget window;
        QtMediaPlayer player(&window);
        player.widget()->resize(320, 240);
        window.show();
        player.setURL(kPhoneVideo);
        QTRY_VERIFY_WITH_TIMEOUT(player.state() == MediaPlayer::State::Playing && player.positionMs() > 300,
                                 20000);
        const auto shownNotice = [&player]() -> QString {
            for (const QLabel *label : player.widget()->findChildren<QLabel *>())
                if (label->isVisible() && !label->text().isEmpty())
                    return label->text();
            return QString();
        };
        QCOMPARE(shownNotice(), QStringLiteral("“phone-h265-aac.mp4”只能部分播放：") + kLacking);
    }
};

int main(int argc, char *argv[])
{
    // Read as GStreamer starts: no decoder of these ranks is ever chosen.
    qputenv("GST_PLUGIN_FEATURE_RANK", "libde265dec:NONE,avdec_h265:NONE");
    QtMediaPlayer::chooseBackEnd();
    QApplication app(argc, argv);
    MissingVideoDecoderTest test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_missingvideodecoder.moc"
