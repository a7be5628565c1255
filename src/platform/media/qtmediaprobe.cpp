#include "qtmediaprobe.h"

#include "missingdecoders.h"
#include "platform/pictures/picturefile.h"

#include <QMediaPlayer>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>

namespace {

void probePicture(const QString &path, QObject *context, std::function<void(const QString &)> done)
{
    QPointer<QObject> guard(context);
    // Decoding a large picture takes a while: off the window's thread.
    QThreadPool::globalInstance()->start([path, guard, done = std::move(done)] {
        const DecodedPicture picture = readPicture(path);
        const QString reason =
            picture.readable ? QString() : QStringLiteral("图片无法解码：") + picture.error;
        if (guard)
            QMetaObject::invokeMethod(
                guard, [done, reason] { done(reason); }, Qt::QueuedConnection);
    });
}

// The player only opens the medium (no output, nothing heard): loaded media
// can be played, invalid media or an error cannot.
void probeAudioVideo(const QString &path, QObject *context, int timeoutMs,
                     std::function<void(const QString &)> done)
{
    auto *player = new QMediaPlayer(context);
    auto *timer = new QTimer(player);
    timer->setSingleShot(true);
    auto finish = [player, done = std::move(done)](const QString &reason) {
        if (player->property("probed").toBool())
            return;
        player->setProperty("probed", true);
        player->deleteLater();
        done(reason);
    };
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                     [finish](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)
                             finish(QString());
                         else if (status == QMediaPlayer::InvalidMedia)
                             finish(QStringLiteral("无法播放：格式不受支持或文件已损坏"));
                     });
    QObject::connect(player, &QMediaPlayer::errorOccurred, player,
                     [finish, path](QMediaPlayer::Error, const QString &message) {
                         // GStreamer's words when no decoder of the format is installed.
                         finish(QStringLiteral("无法播放：") +
                                (message.contains(QLatin1String("missing a plug-in"))
                                     ? mediacodecs::missingDecoderNotice(missingDecoders(path))
                                     : message));
                     });
    QObject::connect(timer, &QTimer::timeout, player,
                     [finish] { finish(QStringLiteral("无法播放：媒体后端没有回应")); });
    timer->start(timeoutMs);
    player->setSource(QUrl::fromLocalFile(path));
}

} // namespace

void QtMediaProbe::probe(MediaKind kind, const QString &path, QObject *context,
                         std::function<void(const QString &reason)> done)
{
    switch (kind) {
    case MediaKind::Picture:
        probePicture(path, context, std::move(done));
        return;
    case MediaKind::AudioVideo:
        probeAudioVideo(path, context, m_timeoutMs, std::move(done));
        return;
    default:
        QMetaObject::invokeMethod(
            context, [done] { done(QString()); }, Qt::QueuedConnection);
        return;
    }
}
