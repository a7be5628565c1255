#pragma once

#include "platform/office/conversionbackend.h"

#include <QList>

// Jobs waiting for the office suite: those the teacher asked for ahead of
// those converting in the background, each kind in the order it came.
class ConversionQueue
{
public:
    void add(const ConversionBackEnd::Job &job);
    // The waiting job `id` becomes urgent: it moves behind the urgent jobs
    // already waiting. Nothing happens when it is not waiting.
    void hurry(int id);

    bool isEmpty() const { return m_jobs.isEmpty(); }
    const ConversionBackEnd::Job &head() const { return m_jobs.first(); }
    ConversionBackEnd::Job take() { return m_jobs.takeFirst(); }
    void clear() { m_jobs.clear(); }

private:
    QList<ConversionBackEnd::Job> m_jobs;
};
