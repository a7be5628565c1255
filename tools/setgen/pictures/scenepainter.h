#pragma once

#include <QImage>

// Paints the program folder's pictures: quiet gradients with simple shapes, so
// captions and sayings drawn over them stay readable.
class ScenePainter
{
public:
    static constexpr int CoverCount = 10;
    static constexpr int BackgroundCount = 3;

    static QImage cover(int number);      // 1..CoverCount, 1024 x 768
    static QImage closing();              // dark night landscape for the yellow saying
    static QImage background(int number); // 1..BackgroundCount, 1024 x 768, light
    static QImage home();                 // 570 x 376, dark, for orange titles
};
