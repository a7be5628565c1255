#pragma once

#include "geometry/twips.h"

#include <QList>
#include <QSize>
#include <QString>

// What the program needs to know of one screen: its name, its size in
// device-independent pixels and its logical DPI.
struct ScreenInfo {
    QString name;
    QSize pixels;
    double dpiX = 96;
    double dpiY = 96;
};

namespace screenchoice {

// The screen the lesson is shown on: the one of the chosen name while it is
// connected, else the primary screen (index `primary`). -1 with no screens.
int projectorIndex(const QList<ScreenInfo> &screens, const QString &chosen, int primary);

// Twips per pixel from the screen's own logical DPI, so a layout made in twips
// comes out the same on every screen of the same size in inches.
TwipsScale scaleOf(const ScreenInfo &screen);

// The screen's size in twips, to six significant digits: the size was kept
// as decimal text once, and every placement is made from that precision.
QSizeF sizeInTwips(const ScreenInfo &screen);

// How a screen is offered in the editor's list: its name and pixel size.
QString label(const ScreenInfo &screen);

} // namespace screenchoice
