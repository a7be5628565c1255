#pragma once

#include <QObject>
#include <QString>

// One way of running the office suite to convert a file: the document
// converter hands it jobs and checks what lands in the output folder.
// Contract:
// - convert() returns at once; finished() follows for every id from the event
//   loop, unless stopAll() came first.
// - Urgent jobs (the teacher waits for them) start before every job converting
//   in the background that has not started yet; hurry() makes a job urgent.
// - `problem` is empty when the suite ran to its end (which is no proof that
//   it converted anything); otherwise it says in a teacher's words what went wrong.
// - Jobs running at the same time never disturb one another.
// - firstPagesReady() may come before finished() for a job that asked for them.
// - A job the teacher waits for ends within DocumentConverter::kTeacherWaitSeconds
//   of being asked for (or made urgent), with timedOut() as its problem if it
//   has not finished by then.
class ConversionBackEnd : public QObject
{
    Q_OBJECT
public:
    struct Job {
        int id = 0;
        QString input;
        QString format; // "html", "pdf" or "svg" (a deck's slide show)
        QString outputFolder;
        bool urgent = false;
        // Where a deck's first slides go as PDF ahead of the output; empty for none.
        QString firstPages;
    };

    using QObject::QObject;

    static QString timedOut() { return QStringLiteral("转换超时"); }

    virtual void convert(const Job &job) = 0;
    virtual void hurry(int id) = 0;
    virtual void stopAll() = 0;

signals:
    void finished(int id, const QString &problem);
    // A job's first pages are in its `firstPages` file (a back end that
    // cannot make them ahead never says so).
    void firstPagesReady(int id);
};
