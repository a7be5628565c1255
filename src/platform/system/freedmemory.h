#pragma once

#include <QProcessEnvironment>
#include <QTimer>

// What the program frees goes back to the system. The C library keeps freed
// memory for reuse: threads get allocation arenas of their own, up to eight
// per core, and the lesson's media start and stop threads all the time (the
// player's decoders, the web engine's workers); each lands in some arena and
// what it frees there stays resident. Freed memory between live blocks stays
// too, so each new high point of a lesson raised the program for good: it
// grew by megabytes a minute without holding more.
namespace freedmemory {

// One arena shared by all threads. Call first thing in main, before any
// thread starts.
void shareOneArena();

// The same for the helpers the program starts (the web engine's processes, the
// office): one arena, and large blocks and the heap's free top handed back as
// they are freed, as the helpers cannot be asked to trim. Set before the first
// helper starts; the C library reads it as a process starts.
void shareOneArenaInHelpers();

// The environment of a program the teacher starts, without the helpers' setting.
QProcessEnvironment forOtherPrograms(QProcessEnvironment environment);

// Hands free pages back to the system every `intervalMs` while the event
// loop runs.
class Returner
{
public:
    explicit Returner(int intervalMs = 30000);

private:
    QTimer m_timer;
};

} // namespace freedmemory
