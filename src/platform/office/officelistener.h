#pragma once

#include "conversionbackend.h"
#include "conversionqueue.h"
#include "platform/documentconverter.h"

#include <memory>
#include <optional>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <QHash>

class QJsonObject;
class QLockFile;
class QProcess;
class QTimer;

// Converts through one LibreOffice kept running in the background: the
// program's own script (run by the system's Python, which has the UNO bridge)
// starts it listening on a pipe with a profile of its own, and converts each
// job over UNO in a fraction of the time a new office process takes.
// - Jobs run one after another, urgent ones first; the listener starts with start() or the first
//   job, and jobs wait for it while it starts.
// - When it dies it is started again; a job it was converting goes to
//   `fallback` once, the next ones to the new listener.
//   Dying kDeathsBeforeGivingUp times without answering a job counts as not
//   being able to run.
//   When it grows past `memoryBound` it is started afresh between jobs.
// - After `idleQuitMs` without a job it quits, giving its memory back to the
//   lesson; the next job starts it again. When its jobs were all asked for
//   ahead (the lesson's documents, together, as its desktop opens) nothing
//   more is in sight, and it quits as soon as they are done.
// - Where it cannot run (no Python UNO bridge, no LibreOffice, the profile in
//   use by another copy of the program), jobs go to `fallback`, and the
//   listener is tried again a while later.
// - Its processes end with this object, and on their own when the program
//   ends in any other way (the script's input closes).
class OfficeListenerBackEnd : public ConversionBackEnd
{
    Q_OBJECT
public:
    static constexpr qint64 kDefaultMemoryBound = 600LL * 1024 * 1024;
    // For a job converting in the background; one the teacher waits for ends
    // kTeacherWaitMs after it was asked for.
    static constexpr int kTimeoutMs = 180000;
    static constexpr int kTeacherWaitMs = DocumentConverter::kTeacherWaitSeconds * 1000;
    static constexpr int kLeastConvertingMs = kTeacherWaitMs / 3;
    static constexpr int kStartTimeoutMs = 90000;
    static constexpr int kRetryAfterMs = 30000;
    static constexpr int kDeathsBeforeGivingUp = 3;
    static constexpr int kIdleQuitMs = 120000;

    // Keeps `fallback` (it becomes a child of this object).
    OfficeListenerBackEnd(QString profileFolder, QString script, ConversionBackEnd *fallback,
                          QString program = QStringLiteral("soffice"),
                          qint64 memoryBound = kDefaultMemoryBound, int idleQuitMs = kIdleQuitMs,
                          QObject *parent = nullptr);
    ~OfficeListenerBackEnd() override;

    void convert(const Job &job) override;
    void hurry(int id) override;
    void stopAll() override;

    // Starts the listener ahead of the first job; returns at once.
    void start();
    bool isReady() const { return m_state == State::Ready; }
    // Resident memory of the listener's processes, 0 when none runs.
    qint64 memoryUse() const;

private:
    enum class State { Stopped, Starting, Ready, Unavailable };

    void launch();
    void readReplies();
    void onReply(const QJsonObject &reply);
    void onWorkerEnded();
    void sendNext();
    void armDeadline();
    void finish(int id, const QString &problem);
    void giveUp();
    void shutDown();
    static QString filterFor(const QString &format);

    QString m_profile;
    QString m_script;
    ConversionBackEnd *m_fallback;
    QString m_program;
    qint64 m_memoryBound;
    State m_state = State::Stopped;
    QProcess *m_worker = nullptr;
    // The worker's process group, which LibreOffice's processes share.
    qint64 m_group = 0;
    std::unique_ptr<QLockFile> m_profileLock;
    QTimer *m_timeout;
    QTimer *m_idle;
    ConversionQueue m_waiting;
    std::optional<Job> m_current;
    QDeadlineTimer m_currentDeadline;
    // When each job the teacher waits for is given up.
    QHash<int, QDeadlineTimer> m_teacherDeadlines;
    QElapsedTimer m_unavailableSince;
    int m_launches = 0;
    // Deaths since the last job it answered.
    int m_deathsInARow = 0;
    int m_idleQuitMs;
    // What its jobs since it last went idle were: none yet, all asked for ahead,
    // or one at least the teacher waited for.
    enum class Asked { Nothing, Ahead, ByTeacher };
    Asked m_asked = Asked::Nothing;
};
