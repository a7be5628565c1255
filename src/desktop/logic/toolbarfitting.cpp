#include "toolbarfitting.h"

ToolbarFit fitToolbar(double TH, double b, double H)
{
    if (TH + 4 * b < H)
        return {4, 7};
    if (TH + 3 * b <= H && H < TH + 4 * b)
        return {3, 6};
    if (TH + 2 * b <= H && H < TH + 3 * b)
        return {2, 5};
    if (TH + b <= H && H < TH + 2 * b)
        return {1, 4};
    if (TH - 2 * b < H && H <= TH - b)
        return {-1, 3};
    if (TH - 3 * b < H && H <= TH - 2 * b)
        return {-2, 2};
    if (H <= TH - 3 * b)
        return {-3, 1};
    return {};
}
