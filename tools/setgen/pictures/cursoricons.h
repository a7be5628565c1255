#pragma once

#include <QImage>

// 32 x 32 pictures for the custom mouse pointers, saved as .ico files.
class CursorIcons
{
public:
    static constexpr int Size = 32;

    // A pencil lying from the upper right down to its tip in the lower-left corner.
    static QImage pencil();
    // A magnifying glass with "+" (enlarge) or "−" (shrink) in its lens.
    static QImage magnifier(bool enlarge);
};
