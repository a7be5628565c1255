#include "officelistener.h"

#include "officeprocess.h"
#include "officeprofile.h"

#include <csignal>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLockFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <QTimer>
#include <QUrl>
#include <unistd.h>

namespace {

// The UNO bridge is built for the system's own Python only.
const char *const kPython = "/usr/bin/python3";

// The processes of the process group `group` still running (zombies hold nothing).
QList<qint64> liveMembers(qint64 group)
{
    QList<qint64> members;
    for (const QString &entry : QDir(QStringLiteral("/proc")).entryList(QDir::Dirs)) {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(entry));
        if (!entry.front().isDigit() || !stat.open(QIODevice::ReadOnly))
            continue;
        // The fields after the command name, which may hold spaces: state ppid pgrp ...
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        if (fields.size() >= 3 && fields.at(0) != "Z" && fields.at(2).toLongLong() == group)
            members.append(entry.toLongLong());
    }
    return members;
}

} // namespace

OfficeListenerBackEnd::OfficeListenerBackEnd(QString profileFolder, QString script,
                                             ConversionBackEnd *fallback, QString program, qint64 memoryBound,
                                             int idleQuitMs, QObject *parent)
    : ConversionBackEnd(parent), m_profile(std::move(profileFolder)), m_script(std::move(script)),
      m_fallback(fallback), m_program(std::move(program)), m_memoryBound(memoryBound),
      m_timeout(new QTimer(this)), m_idle(new QTimer(this)), m_idleQuitMs(idleQuitMs)
{
    m_idle->setSingleShot(true);
    connect(m_idle, &QTimer::timeout, this, [this] {
        if (m_state == State::Ready && !m_current && m_waiting.isEmpty()) {
            m_asked = Asked::Nothing;
            shutDown();
        }
    });
    m_fallback->setParent(this);
    connect(m_fallback, &ConversionBackEnd::finished, this, &OfficeListenerBackEnd::finish);
    m_timeout->setSingleShot(true);
    connect(m_timeout, &QTimer::timeout, this, [this] {
        if (m_state == State::Starting) {
            giveUp();
        } else if (m_current) {
            // Stuck, or in the way of a teacher's document: the only way to
            // stop a conversion is to end the office.
            const Job job = *std::exchange(m_current, std::nullopt);
            const bool stuck = m_currentDeadline.hasExpired();
            shutDown();
            if (stuck)
                finish(job.id, timedOut());
            else
                m_waiting.add(job);
            launch();
        }
    });
}

OfficeListenerBackEnd::~OfficeListenerBackEnd()
{
    shutDown();
}

void OfficeListenerBackEnd::start()
{
    if (m_state == State::Stopped ||
        (m_state == State::Unavailable && m_unavailableSince.elapsed() >= kRetryAfterMs))
        launch();
}

void OfficeListenerBackEnd::convert(const Job &job)
{
    start();
    if (m_state == State::Unavailable) {
        m_fallback->convert(job);
        return;
    }
    if (job.urgent)
        m_teacherDeadlines.insert(job.id, QDeadlineTimer(kTeacherWaitMs));
    m_waiting.add(job);
    armDeadline();
    // Sent from the event loop, so finished() never comes from inside convert().
    QTimer::singleShot(0, this, &OfficeListenerBackEnd::sendNext);
}

void OfficeListenerBackEnd::hurry(int id)
{
    if (!m_teacherDeadlines.contains(id))
        m_teacherDeadlines.insert(id, QDeadlineTimer(kTeacherWaitMs));
    if (m_current && m_current->id == id) {
        m_asked = Asked::ByTeacher;
        m_current->urgent = true;
        m_currentDeadline = qMin(m_currentDeadline, m_teacherDeadlines.value(id));
    }
    m_waiting.hurry(id);
    m_fallback->hurry(id);
    armDeadline();
}

void OfficeListenerBackEnd::stopAll()
{
    m_waiting.clear();
    m_teacherDeadlines.clear();
    m_fallback->stopAll();
    if (m_current) {
        // The only way to stop a conversion under way is to end the office.
        m_current.reset();
        shutDown();
    }
}

qint64 OfficeListenerBackEnd::memoryUse() const
{
    if (m_group <= 0)
        return 0;
    qint64 total = 0;
    const long page = ::sysconf(_SC_PAGESIZE);
    for (const qint64 pid : liveMembers(m_group)) {
        QFile statm(QStringLiteral("/proc/%1/statm").arg(pid));
        if (statm.open(QIODevice::ReadOnly)) {
            const QList<QByteArray> pages = statm.readAll().split(' ');
            if (pages.size() > 1)
                total += pages.at(1).toLongLong() * page;
        }
    }
    return total;
}

void OfficeListenerBackEnd::launch()
{
    shutDown();
    const QString soffice = QStandardPaths::findExecutable(m_program);
    if (!m_profileLock) {
        auto lock = std::make_unique<QLockFile>(m_profile + QStringLiteral(".lock"));
        lock->setStaleLockTime(0);
        QDir().mkpath(QFileInfo(m_profile).absolutePath());
        if (lock->tryLock(0))
            m_profileLock = std::move(lock);
    }
    if (soffice.isEmpty() || !m_profileLock || !QFileInfo::exists(m_script) || !QFileInfo::exists(kPython) ||
        !officeprofile::secure(m_profile)) {
        giveUp();
        return;
    }
    m_state = State::Starting;
    m_worker = new QProcess(this);
    // A group of its own, so the office the script starts ends with it.
    m_worker->setChildProcessModifier([] { ::setsid(); });
    m_worker->setProcessChannelMode(QProcess::ForwardedErrorChannel);
    connect(m_worker, &QProcess::readyReadStandardOutput, this, &OfficeListenerBackEnd::readReplies);
    connect(m_worker, &QProcess::finished, this, &OfficeListenerBackEnd::onWorkerEnded);
    connect(m_worker, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart)
            onWorkerEnded();
    });
    // Named by program, profile and start, so no two listeners ever share one.
    const QString pipe = QStringLiteral("veltano-%1-%2-%3")
                             .arg(QCoreApplication::applicationPid())
                             .arg(qHash(m_profile), 0, 16)
                             .arg(++m_launches);
    // Before start(): a failure to start may be reported from inside it.
    m_timeout->start(kStartTimeoutMs);
    m_worker->start(QString::fromLatin1(kPython),
                    {m_script, soffice, QUrl::fromLocalFile(m_profile).toString(), pipe});
    // Known from the fork on, so even a listener stopped at once is ended whole.
    if (m_worker)
        m_group = m_worker->processId();
}

void OfficeListenerBackEnd::readReplies()
{
    while (m_worker && m_worker->canReadLine()) {
        const QJsonObject reply = QJsonDocument::fromJson(m_worker->readLine()).object();
        onReply(reply);
    }
}

void OfficeListenerBackEnd::onReply(const QJsonObject &reply)
{
    if (reply.contains(QLatin1String("ready"))) {
        m_state = State::Ready;
        m_timeout->stop();
        sendNext();
        return;
    }
    if (!m_current || reply.value(QLatin1String("id")).toInt() != m_current->id)
        return;
    if (reply.contains(QLatin1String("first_pages"))) {
        emit firstPagesReady(m_current->id);
        return;
    }
    m_timeout->stop();
    const int id = m_current->id;
    m_current.reset();
    m_deathsInARow = 0;
    finish(id, reply.value(QLatin1String("problem")).toString());
    // LibreOffice grows with every document: a fresh one between jobs.
    if (m_state == State::Ready && memoryUse() > m_memoryBound)
        launch();
    sendNext();
}

void OfficeListenerBackEnd::onWorkerEnded()
{
    if (!m_worker || sender() != m_worker)
        return;
    const State was = m_state;
    shutDown();
    // What it died under gets one more try in an office of its own, which
    // reads and writes the file in one go.
    if (m_current)
        m_fallback->convert(*std::exchange(m_current, std::nullopt));
    // Died under a job or idle: back in the background for the next one,
    // unless it keeps dying without converting anything.
    if (was == State::Starting || ++m_deathsInARow >= kDeathsBeforeGivingUp)
        giveUp();
    else
        launch();
}

void OfficeListenerBackEnd::sendNext()
{
    if (m_state == State::Unavailable) {
        m_teacherDeadlines.clear();
        while (!m_waiting.isEmpty())
            m_fallback->convert(m_waiting.take());
        return;
    }
    if (m_state != State::Ready || m_current)
        return;
    if (m_waiting.isEmpty()) {
        m_idle->start(m_asked == Asked::Ahead ? 0 : m_idleQuitMs);
        return;
    }
    m_idle->stop();
    m_current = m_waiting.take();
    if (m_current->urgent)
        m_asked = Asked::ByTeacher;
    else if (m_asked == Asked::Nothing)
        m_asked = Asked::Ahead;
    QJsonObject job{{QStringLiteral("id"), m_current->id},
                    {QStringLiteral("input"), m_current->input},
                    {QStringLiteral("output"), m_current->outputFolder + QLatin1Char('/') +
                                                   QFileInfo(m_current->input).completeBaseName() +
                                                   QLatin1Char('.') + m_current->format},
                    {QStringLiteral("filter"), filterFor(m_current->format)}};
    const QString filter = OfficeProcessBackEnd::importFilter(m_current->input);
    if (!filter.isEmpty())
        job.insert(QStringLiteral("import"), filter);
    if (!m_current->firstPages.isEmpty())
        job.insert(QStringLiteral("first_pages"), m_current->firstPages);
    m_worker->write(QJsonDocument(job).toJson(QJsonDocument::Compact) + '\n');
    // The teacher's wait counts from asking, but a job is given up as stuck only
    // once it has had a while of its own (LibreOffice may have been starting).
    m_currentDeadline = m_current->urgent
                            ? qMax(m_teacherDeadlines.value(m_current->id, QDeadlineTimer(kTeacherWaitMs)),
                                   QDeadlineTimer(kLeastConvertingMs))
                            : QDeadlineTimer(kTimeoutMs);
    armDeadline();
}

void OfficeListenerBackEnd::armDeadline()
{
    if (!m_current || m_state != State::Ready)
        return;
    qint64 left = m_currentDeadline.remainingTime();
    // A teacher's document waits behind one converting in the background: that
    // one gets a third of the teacher's wait, then goes back in line.
    if (!m_current->urgent && !m_waiting.isEmpty() && m_waiting.head().urgent) {
        const QDeadlineTimer teacher = m_teacherDeadlines.value(m_waiting.head().id);
        left = qMin(left, teacher.remainingTime() - 2 * kTeacherWaitMs / 3);
    }
    m_timeout->start(int(qMax<qint64>(0, left)));
}

void OfficeListenerBackEnd::finish(int id, const QString &problem)
{
    m_teacherDeadlines.remove(id);
    emit finished(id, problem);
}

void OfficeListenerBackEnd::giveUp()
{
    shutDown();
    m_state = State::Unavailable;
    m_unavailableSince.start();
    m_deathsInARow = 0;
    sendNext();
}

void OfficeListenerBackEnd::shutDown()
{
    m_timeout->stop();
    m_idle->stop();
    if (m_state != State::Unavailable)
        m_state = State::Stopped;
    // The whole group, also when the script itself is gone already. A new
    // LibreOffice on the same profile would hand itself over to one still
    // dying, so the group is gone before this returns.
    if (m_group > 0) {
        ::kill(-pid_t(m_group), SIGKILL);
        QElapsedTimer waited;
        waited.start();
        while (!liveMembers(m_group).isEmpty() && waited.elapsed() < 5000)
            QThread::msleep(5);
    }
    m_group = 0;
    if (!m_worker)
        return;
    QProcess *worker = m_worker;
    m_worker = nullptr;
    worker->disconnect(this);
    worker->kill();
    worker->waitForFinished(5000);
    // Possibly inside one of its own signals.
    worker->deleteLater();
}

QString OfficeListenerBackEnd::filterFor(const QString &format)
{
    if (format == QLatin1String("svg"))
        return QStringLiteral("impress_svg_Export");
    return format == QLatin1String("pdf") ? QStringLiteral("impress_pdf_Export")
                                          : QStringLiteral("HTML (StarWriter)");
}
