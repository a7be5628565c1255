#include "officeconverter.h"

#include "generatedfile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QUrl>

bool OfficeConverter::convert(const QByteArray &source, const QString &sourceSuffix, const QString &format,
                              const QByteArray &magic, const QString &target, QString *error)
{
    // Each job in a folder of its own (the output takes the input's base name),
    // under plain ASCII names whatever the locale.
    const QString job = m_work.filePath(QStringLiteral("job%1").arg(++m_jobs));
    const QString input = job + QStringLiteral("/document.") + sourceSuffix;
    QDir().mkpath(job);
    QFile in(input);
    if (!m_work.isValid() || !in.open(QIODevice::WriteOnly) || in.write(source) != source.size()) {
        *error = QStringLiteral("cannot write %1").arg(input);
        return false;
    }
    in.close();

    QProcess soffice;
    soffice.setProcessChannelMode(QProcess::MergedChannels);
    soffice.start(QStringLiteral("soffice"),
                  {QStringLiteral("--headless"), QStringLiteral("--norestore"),
                   QStringLiteral("-env:UserInstallation=") +
                       QUrl::fromLocalFile(m_work.filePath(QStringLiteral("profile"))).toString(),
                   QStringLiteral("--convert-to"), format, QStringLiteral("--outdir"),
                   job + QStringLiteral("/out"), input});
    // A cold start on a busy machine takes a while.
    const bool finished = soffice.waitForFinished(180000);
    const QString outSuffix = format.section(QLatin1Char(':'), 0, 0);
    QFile out(job + QStringLiteral("/out/document.") + outSuffix);
    if (!finished || !out.open(QIODevice::ReadOnly) || !out.peek(magic.size()).startsWith(magic)) {
        *error = QStringLiteral("LibreOffice did not write %1 (%2): %3")
                     .arg(target, soffice.errorString(), QString::fromLocal8Bit(soffice.readAll()));
        return false;
    }
    out.close();
    return generatedfile::copy(out.fileName(), target, error);
}
