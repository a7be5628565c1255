#include "qtmediaprobe.h"

#include "missingdecoders.h"
#include "platform/pictures/picturefile.h"

#include "platform/logic/playerreasons.h"

#include <QAudioOutput>
#include <QMediaPlayer>
#include <QPointer>
#include <QThreadPool>
#include <QTimer>
#include <QUrl>
#include <QVideoSink>

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

// Each check opens the medium in a player of its own, made for it, with a
// silent audio output and a video sink as the lesson's player has: every
// stream the file holds then leads somewhere. Without them a decoded stream
// led nowhere, and GStreamer now and then called a good file broken
// ("Internal data stream error") before the player told it was loaded.
// Loaded media can be played when every stream the file declares was
// opened; invalid media, a stream left out or an error cannot.
void probeAudioVideo(const QString &path, QObject *context, int timeoutMs,
                     std::function<void(const QString &)> done)
{
    auto *player = new QMediaPlayer(context);
    auto *audio = new QAudioOutput(player);
    audio->setMuted(true);
    player->setAudioOutput(audio);
    player->setVideoSink(new QVideoSink(player));
    auto *timer = new QTimer(player);
    timer->setSingleShot(true);
    auto finish = [player, done = std::move(done)](const QString &reason) {
        if (player->property("probed").toBool())
            return;
        player->setProperty("probed", true);
        player->disconnect();
        player->stop();
        player->deleteLater();
        done(reason);
    };
    QObject::connect(player, &QMediaPlayer::mediaStatusChanged, player,
                     [finish, player, path](QMediaPlayer::MediaStatus status) {
                         if (status == QMediaPlayer::LoadedMedia || status == QMediaPlayer::BufferedMedia)
                             finish(unopenedStreams(path, player->hasAudio(), player->hasVideo()));
                         else if (status == QMediaPlayer::InvalidMedia)
                             finish(playerreasons::unplayable());
                     });
    QObject::connect(
        player, &QMediaPlayer::errorOccurred, player,
        [finish, path](QMediaPlayer::Error, const QString &message) { finish(playerReason(path, message)); });
    QObject::connect(timer, &QTimer::timeout, player, [finish] { finish(playerreasons::noAnswer()); });
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
