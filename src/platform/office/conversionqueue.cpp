#include "conversionqueue.h"

#include <algorithm>

void ConversionQueue::add(const ConversionBackEnd::Job &job)
{
    if (!job.urgent) {
        m_jobs.append(job);
        return;
    }
    const auto behindUrgent = std::find_if(
        m_jobs.begin(), m_jobs.end(), [](const ConversionBackEnd::Job &waiting) { return !waiting.urgent; });
    m_jobs.insert(behindUrgent, job);
}

void ConversionQueue::hurry(int id)
{
    const auto found = std::find_if(m_jobs.cbegin(), m_jobs.cend(),
                                    [id](const ConversionBackEnd::Job &waiting) { return waiting.id == id; });
    if (found == m_jobs.cend() || found->urgent)
        return;
    ConversionBackEnd::Job job = *found;
    m_jobs.erase(found);
    job.urgent = true;
    add(job);
}
