#pragma once

// The C library gives threads allocation arenas of their own, up to eight per
// core. The lesson's media start and stop threads all the time (the player's
// decoders, the web engine's workers), each lands in some arena, and what it
// frees there stays resident: the program grew by megabytes a minute without
// holding more. One shared arena keeps freed memory reusable by every thread.
// Call first thing in main, before any thread starts.
void shareOneMallocArena();
