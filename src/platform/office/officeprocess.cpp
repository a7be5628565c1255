#include "officeprocess.h"

#include "officeprofile.h"

#include <csignal>
#include <QDir>
#include <QFileInfo>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>
#include <QUrl>
#include <unistd.h>

namespace {

// More profiles than this means stale locks or a runaway; the job then waits.
const int kMaxProfiles = 16;

} // namespace

QString OfficeProcessBackEnd::importFilter(const QString &input)
{
    const QString suffix = QFileInfo(input).suffix();
    if (suffix == QLatin1String("ppt"))
        return QStringLiteral("MS PowerPoint 97");
    if (suffix == QLatin1String("pptx"))
        return QStringLiteral("Impress MS PowerPoint 2007 XML");
    if (suffix == QLatin1String("odp"))
        return QStringLiteral("impress8");
    if (suffix == QLatin1String("wps"))
        return QStringLiteral("MS Word 97");
    if (suffix == QLatin1String("works"))
        return QStringLiteral("MS_Works");
    return QString();
}

OfficeProcessBackEnd::OfficeProcessBackEnd(QString profilesFolder, QString program, int maxRunning,
                                           QObject *parent)
    : ConversionBackEnd(parent), m_profilesFolder(std::move(profilesFolder)), m_program(std::move(program)),
      m_maxRunning(qMax(1, maxRunning))
{}

OfficeProcessBackEnd::~OfficeProcessBackEnd()
{
    stopAll();
}

void OfficeProcessBackEnd::convert(const Job &job)
{
    m_waiting.add(job);
    // Started from the event loop, so finished() never comes from inside convert().
    QTimer::singleShot(0, this, &OfficeProcessBackEnd::startWaiting);
}

void OfficeProcessBackEnd::hurry(int id)
{
    m_waiting.hurry(id);
}

void OfficeProcessBackEnd::stopAll()
{
    m_waiting.clear();
    const QList<Running *> running = m_running;
    m_running.clear();
    for (Running *job : running) {
        if (job->process) {
            job->process->disconnect(this);
            killGroup(job->process);
            job->process->waitForFinished(5000);
            delete job->process;
        }
        delete job;
    }
}

void OfficeProcessBackEnd::startWaiting()
{
    while (!m_waiting.isEmpty() && m_running.size() < m_maxRunning) {
        auto *running = new Running;
        running->job = m_waiting.head();
        if (!claimProfile(*running)) {
            delete running;
            // Every profile is in use by other copies of the program: try again shortly.
            QTimer::singleShot(1000, this, &OfficeProcessBackEnd::startWaiting);
            return;
        }
        m_waiting.take();
        m_running.append(running);

        const QString program = QStandardPaths::findExecutable(m_program);
        if (program.isEmpty()) {
            QTimer::singleShot(
                0, this, [this, running] { end(running, QStringLiteral("找不到 LibreOffice（soffice）")); });
            continue;
        }
        // A profile that cannot be made safe is still one LibreOffice keeps
        // its defaults in, which run no document macro either.
        officeprofile::secure(running->profile);
        running->process = new QProcess(this);
        // A group of its own, so stopping the job also ends the office
        // process that the soffice launcher starts.
        running->process->setChildProcessModifier([] { ::setsid(); });
        running->process->setProcessChannelMode(QProcess::ForwardedErrorChannel);
        running->process->setStandardOutputFile(QProcess::nullDevice());
        const Job &job = running->job;
        QStringList arguments{
            QStringLiteral("-env:UserInstallation=") + QUrl::fromLocalFile(running->profile).toString(),
            QStringLiteral("--headless"), QStringLiteral("--invisible"), QStringLiteral("--norestore")};
        const QString filter = importFilter(job.input);
        if (!filter.isEmpty())
            arguments << QStringLiteral("--infilter=") + filter;
        arguments << QStringLiteral("--convert-to") << job.format << QStringLiteral("--outdir")
                  << job.outputFolder << job.input;
        connect(running->process, &QProcess::finished, this,
                [this, running](int, QProcess::ExitStatus status) {
                    end(running,
                        status == QProcess::NormalExit ? QString() : QStringLiteral("LibreOffice 异常退出"));
                });
        connect(running->process, &QProcess::errorOccurred, this,
                [this, running](QProcess::ProcessError error) {
                    if (error == QProcess::FailedToStart)
                        end(running, QStringLiteral("LibreOffice 无法启动"));
                });
        running->timeout = new QTimer(running->process);
        running->timeout->setSingleShot(true);
        connect(running->timeout, &QTimer::timeout, this, [this, running] {
            killGroup(running->process);
            end(running, timedOut());
        });
        running->timeout->start(job.urgent ? kTeacherWaitMs : kTimeoutMs);
        running->process->start(program, arguments);
    }
}

bool OfficeProcessBackEnd::claimProfile(Running &running)
{
    QDir().mkpath(m_profilesFolder);
    for (int slot = 0; slot < kMaxProfiles; ++slot) {
        const QString folder = m_profilesFolder + QStringLiteral("/%1").arg(slot);
        auto lock = std::make_unique<QLockFile>(folder + QStringLiteral(".lock"));
        // Only a lock left by a program that died is taken over; a long
        // conversion keeps its profile however old its lock grows.
        lock->setStaleLockTime(0);
        if (lock->tryLock(0)) {
            running.profileLock = std::move(lock);
            running.profile = folder;
            return true;
        }
    }
    return false;
}

void OfficeProcessBackEnd::end(Running *running, const QString &problem)
{
    if (!m_running.removeOne(running))
        return;
    const int id = running->job.id;
    if (running->process) {
        running->process->disconnect(this);
        running->process->deleteLater();
    }
    delete running;
    emit finished(id, problem);
    startWaiting();
}

void OfficeProcessBackEnd::killGroup(QProcess *process)
{
    if (process->state() != QProcess::NotRunning && process->processId() > 0)
        ::kill(-pid_t(process->processId()), SIGKILL);
    process->kill();
}
