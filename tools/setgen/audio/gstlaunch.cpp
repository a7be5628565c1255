#include "audio/gstlaunch.h"

#include <QFileInfo>
#include <QProcess>

bool gstlaunch::run(const QStringList &pipeline, const QString &output, QString *error)
{
    QProcess gst;
    gst.setProcessChannelMode(QProcess::MergedChannels);
    gst.start(QStringLiteral("gst-launch-1.0"), QStringList{QStringLiteral("-q")} + pipeline);
    if (!gst.waitForFinished(60000) || gst.exitStatus() != QProcess::NormalExit || gst.exitCode() != 0 ||
        QFileInfo(output).size() == 0) {
        *error = QStringLiteral("gst-launch-1.0 failed: %1 %2")
                     .arg(gst.errorString(), QString::fromLocal8Bit(gst.readAll()));
        return false;
    }
    return true;
}
