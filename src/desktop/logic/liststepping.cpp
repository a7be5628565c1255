#include "liststepping.h"

namespace liststep {

int next(int position, int count)
{
    const int moved = position + 1;
    return moved > count - 1 ? 0 : moved;
}

int previous(int position, int count)
{
    if (count < 1)
        return 0;
    return position == 0 ? count - 1 : position - 1;
}

} // namespace liststep
