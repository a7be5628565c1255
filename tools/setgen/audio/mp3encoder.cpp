#include "audio/mp3encoder.h"

#include "audio/gstlaunch.h"
#include "generatedfile.h"

#include <QFile>
#include <QTemporaryDir>

bool Mp3Encoder::encode(const QByteArray &wav, const QString &mp3Path, QString *error)
{
    // Both files live in a temporary folder with a plain path (see gstlaunch);
    // the result is copied out.
    QTemporaryDir work;
    const QString wavPath = work.filePath(QStringLiteral("tune.wav"));
    const QString encoded = work.filePath(QStringLiteral("tune.mp3"));
    QFile wavFile(wavPath);
    if (!work.isValid() || !wavFile.open(QIODevice::WriteOnly) || wavFile.write(wav) != wav.size()) {
        *error = QStringLiteral("cannot write %1").arg(wavPath);
        return false;
    }
    wavFile.close();

    if (!gstlaunch::run({QStringLiteral("filesrc"), QStringLiteral("location=") + wavPath,
                         QStringLiteral("!"), QStringLiteral("wavparse"), QStringLiteral("!"),
                         QStringLiteral("audioconvert"), QStringLiteral("!"), QStringLiteral("lamemp3enc"),
                         QStringLiteral("target=bitrate"), QStringLiteral("bitrate=128"),
                         QStringLiteral("cbr=true"), QStringLiteral("!"), QStringLiteral("filesink"),
                         QStringLiteral("location=") + encoded},
                        encoded, error))
        return false;
    return generatedfile::copy(encoded, mp3Path, error);
}
