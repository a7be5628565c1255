#include "mp3encoder.h"

#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <QTemporaryDir>

bool Mp3Encoder::encode(const QByteArray &wav, const QString &mp3Path, QString *error)
{
    // gst-launch joins its arguments into one pipeline text, so both files live
    // in a temporary folder whose path has no spaces; the result is copied out.
    QTemporaryDir work;
    const QString wavPath = work.filePath(QStringLiteral("tune.wav"));
    const QString encoded = work.filePath(QStringLiteral("tune.mp3"));
    QFile wavFile(wavPath);
    if (!work.isValid() || !wavFile.open(QIODevice::WriteOnly) || wavFile.write(wav) != wav.size()) {
        *error = QStringLiteral("cannot write %1").arg(wavPath);
        return false;
    }
    wavFile.close();

    QProcess gst;
    gst.setProcessChannelMode(QProcess::MergedChannels);
    gst.start(QStringLiteral("gst-launch-1.0"),
              {QStringLiteral("-q"), QStringLiteral("filesrc"), QStringLiteral("location=") + wavPath,
               QStringLiteral("!"), QStringLiteral("wavparse"), QStringLiteral("!"),
               QStringLiteral("audioconvert"), QStringLiteral("!"), QStringLiteral("lamemp3enc"),
               QStringLiteral("target=bitrate"), QStringLiteral("bitrate=128"), QStringLiteral("cbr=true"),
               QStringLiteral("!"), QStringLiteral("filesink"), QStringLiteral("location=") + encoded});
    if (!gst.waitForFinished(60000) || gst.exitStatus() != QProcess::NormalExit || gst.exitCode() != 0 ||
        QFileInfo(encoded).size() == 0) {
        *error = QStringLiteral("gst-launch-1.0 failed: %1 %2")
                     .arg(gst.errorString(), QString::fromLocal8Bit(gst.readAll()));
        return false;
    }
    QFile::remove(mp3Path);
    if (!QFile::copy(encoded, mp3Path)) {
        *error = QStringLiteral("cannot write %1").arg(mp3Path);
        return false;
    }
    return true;
}
