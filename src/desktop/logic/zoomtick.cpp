#include "zoomtick.h"

namespace {

constexpr int kSubSteps = 5;

enum class Vertical { Top, Bottom, Free };
enum class Horizontal { Left, Right, Free };

float single(double value)
{
    return float(value);
}

// A.Height − P.Height: the top that puts the picture's bottom on the limit.
// Computed as the single-precision expression it is, so a top written from
// it compares equal on the next tick.
float bottomTop(const TwipsRect &p, const FullArea &a)
{
    return single(a.Height - double(p.height));
}

// A.Width − P.Width + 1, each operation rounded to single precision.
float rightLeft(const TwipsRect &p, const FullArea &a)
{
    return single(double(single(a.Width - double(p.width))) + 1);
}

void keepFourByThree(TwipsRect &p)
{
    p.height = single(double(p.width) * 3 / 4);
}

Vertical vertical(const TwipsRect &p, const FullArea &a)
{
    if (p.top <= a.Top)
        return Vertical::Top;
    if (bottomTop(p, a) <= p.top)
        return Vertical::Bottom;
    return Vertical::Free;
}

Horizontal horizontal(const TwipsRect &p, const FullArea &a)
{
    if (p.left <= a.Left)
        return Horizontal::Left;
    if (rightLeft(p, a) <= p.left)
        return Horizontal::Right;
    return Horizontal::Free;
}

// Zoom in: the picture is first put onto the edges it touches, then grows.
void zoomIn(TwipsRect &p, const FullArea &a, int s)
{
    const double fifth = s / 5.0;
    const double tenth = s / 10.0;
    const Vertical v = vertical(p, a);
    if (v == Vertical::Top)
        p.top = single(a.Top);
    else if (v == Vertical::Bottom)
        p.top = bottomTop(p, a);
    const Horizontal h = horizontal(p, a);
    if (h == Horizontal::Left)
        p.left = single(a.Left);
    else if (h == Horizontal::Right)
        p.left = rightLeft(p, a);

    if (v == Vertical::Top && h == Horizontal::Left) {
        p.width = single(p.width + 2.0 * s);
        keepFourByThree(p);
        return;
    }
    for (int i = 0; i < kSubSteps; ++i) {
        p.width = single(p.width + fifth);
        keepFourByThree(p);
        if (h == Horizontal::Right && v == Vertical::Bottom)
            p.left = rightLeft(p, a);
        else if (h == Horizontal::Right)
            p.left = single(p.left - fifth);
        else if (h == Horizontal::Free)
            p.left = single(p.left - tenth);
        if (v == Vertical::Bottom)
            p.top = bottomTop(p, a);
    }
}

// Zoom out: only the top case and the bottom-right case are put onto their
// edges first; the others are placed inside the sub-steps. False when the
// picture is too narrow for another step.
bool zoomOut(TwipsRect &p, const FullArea &a, int s)
{
    if (double(p.width) - s < s)
        return false;
    const double fifth = s / 5.0;
    const double tenth = s / 10.0;
    const Vertical v = vertical(p, a);
    if (v == Vertical::Top)
        p.top = single(a.Top);
    const Horizontal h = horizontal(p, a);

    if (v == Vertical::Top && h == Horizontal::Left) {
        p.width = single(p.width - double(s));
        keepFourByThree(p);
        p.left = single(a.Left);
        return true;
    }
    if (v == Vertical::Bottom && h == Horizontal::Right)
        p.left = rightLeft(p, a);
    for (int i = 0; i < kSubSteps; ++i) {
        p.width = single(p.width - fifth);
        keepFourByThree(p);
        if (h == Horizontal::Left)
            p.left = single(a.Left);
        else if (h == Horizontal::Right)
            p.left = rightLeft(p, a);
        else
            p.left = single(p.left + tenth);
        if (v == Vertical::Bottom)
            p.top = bottomTop(p, a);
    }
    return true;
}

} // namespace

bool zoomTick(TwipsRect &p, ZoomMode mode, const FullArea &area, int step)
{
    bool running = true;
    if (mode.enlarge) {
        zoomIn(p, area, step);
        if (single(area.Height / 2.0) < p.height)
            running = false;
    }
    if (mode.shrink) {
        if (!zoomOut(p, area, step) || single(area.Height / 3.0) > p.height)
            running = false;
    }
    return running;
}
