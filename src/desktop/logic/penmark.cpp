#include "penmark.h"

namespace penmark {

TwipsRect at(float x, float y)
{
    return {x, y, kSize, kSize};
}

} // namespace penmark
