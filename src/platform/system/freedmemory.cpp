#include "freedmemory.h"

#include <malloc.h>

namespace freedmemory {

void shareOneArena()
{
    mallopt(M_ARENA_MAX, 1);
}

Returner::Returner(int intervalMs)
{
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [] { malloc_trim(0); });
    m_timer.start();
}

} // namespace freedmemory
