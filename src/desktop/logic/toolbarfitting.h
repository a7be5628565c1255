#pragma once

#include <optional>

// How many blank buttons the toolbar gains (positive) or loses (negative) at
// position 10, and Text1's new height in button heights (none: it keeps its own).
struct ToolbarFit {
    int blanks = 0;
    std::optional<int> text1Buttons;
};

// Fits the toolbar column to the work area: TH is the toolbar's real height,
// b its button height and H the work-area height, all in twips. The first
// matching rule applies; the comparisons are deliberately a mix of strict and
// non-strict, so TH + 4b = H matches no rule.
ToolbarFit fitToolbar(double TH, double b, double H);
