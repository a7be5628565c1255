#pragma once

#include <QtGlobal>

// The standard 16-colour palette as 0xRRGGBB (0 black, 1 blue, 2 green, 3 cyan,
// 4 red, 5 magenta, 6 yellow, 7 light grey, 8 grey, 9-15 the bright ones).
quint32 standardPaletteRgb(int index);

// The desktop's random background: n = Int(r * 9) for r in [0, 1), with 5 and 6
// turned into 3, so magenta and yellow never come up.
int backgroundPaletteIndex(double r);
