#pragma once

// Arithmetic of the closing screen.
namespace closing {

constexpr double kImageWidth = 12480; // design width of the closing picture
constexpr double kSayingLeft = 1200;  // design left of the saying
constexpr double kSayingWidth = 9855; // design width of the saying
constexpr int kSayingCount = 844;     // sayings stand on the odd lines 1..1687

// The odd line to show for a random r in [0, 1).
inline int sayingLine(double r)
{
    return 2 * int(kSayingCount * r) + 1;
}

// Narrow screens shrink the saying so it stays on the screen.
inline double sayingWidth(double screenWidthTwips)
{
    return screenWidthTwips < kImageWidth ? screenWidthTwips - 1.5 * kSayingLeft : kSayingWidth;
}

} // namespace closing
