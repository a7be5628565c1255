#pragma once

#include <atomic>
#include <QtGlobal>

namespace lessonpack {

// How far packing or unpacking has come, in bytes, and whether the teacher
// cancelled it. The work advances it on its own thread; the window reads it
// and cancels from the main thread.
class Progress
{
public:
    virtual ~Progress() = default;

    void start(qint64 total)
    {
        m_total = total;
        m_done = 0;
    }
    // False once cancelled: the work then stops and removes what it wrote.
    virtual bool advance(qint64 bytes)
    {
        m_done += bytes;
        return !m_cancelled;
    }
    void cancel() { m_cancelled = true; }
    bool cancelled() const { return m_cancelled; }
    qint64 done() const { return m_done; }
    qint64 total() const { return m_total; }

private:
    std::atomic<qint64> m_done{0};
    std::atomic<qint64> m_total{0};
    std::atomic<bool> m_cancelled{false};
};

} // namespace lessonpack
