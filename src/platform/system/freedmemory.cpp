#include "freedmemory.h"

#include <malloc.h>

namespace freedmemory {

namespace {
constexpr char kTunables[] = "GLIBC_TUNABLES";
// A fixed threshold also stops the C library from raising it after each large
// free, which otherwise moves image-sized blocks into the heap for good.
constexpr char kHelperTunables[] =
    "glibc.malloc.arena_max=1:glibc.malloc.mmap_threshold=131072:glibc.malloc.trim_threshold=131072";
} // namespace

void shareOneArena()
{
    mallopt(M_ARENA_MAX, 1);
}

void shareOneArenaInHelpers()
{
    if (qEnvironmentVariableIsEmpty(kTunables))
        qputenv(kTunables, kHelperTunables);
}

QProcessEnvironment forOtherPrograms(QProcessEnvironment environment)
{
    if (environment.value(QString::fromLatin1(kTunables)) == QLatin1String(kHelperTunables))
        environment.remove(QString::fromLatin1(kTunables));
    return environment;
}

Returner::Returner(int intervalMs)
{
    m_timer.setInterval(intervalMs);
    QObject::connect(&m_timer, &QTimer::timeout, [] { malloc_trim(0); });
    m_timer.start();
}

} // namespace freedmemory
