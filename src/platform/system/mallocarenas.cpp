#include "mallocarenas.h"

#include <malloc.h>

void shareOneMallocArena()
{
    mallopt(M_ARENA_MAX, 1);
}
