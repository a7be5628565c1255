#pragma once

#include <QImage>
#include <QStringList>

// Paints the pictures of the desktop's toolbar buttons, one per button key, as
// simple line drawings on a transparent ground. They are drawn from vector
// shapes at each size asked for, so the 2x picture is as sharp as the 1x one.
class ToolbarIcons
{
public:
    static constexpr int Size = 20; // pixels at 1x

    // The keys of the buttons that have a picture, in toolbar order.
    static QStringList keys();
    // The picture of a button at `pixels` x `pixels`; a null image for an unknown key.
    static QImage paint(const QString &key, int pixels);
};
