#include "desktoplayout.h"

#include <cmath>

DesktopFrames layoutFrames(double screenWidth, double screenHeight, float stripWidth, float toolbarWidth)
{
    DesktopFrames frames;
    frames.frame1 = {0, 0, float(screenWidth - stripWidth), float(screenHeight - toolbarWidth)};
    frames.frame2 = {float(screenWidth - stripWidth), 0, stripWidth, frames.frame1.height};
    return frames;
}

FullArea fullAreaOf(const TwipsRect &documentContainer)
{
    const auto round = [](float value) { return qint32(std::lround(double(value))); };
    FullArea area;
    area.Left = round(documentContainer.left);
    area.Width = round(documentContainer.width);
    area.Top = round(documentContainer.top);
    area.Height = round(documentContainer.height);
    return area;
}

WorkAreaPlaces workAreaPlaces(const TwipsRect &f)
{
    const double halfWidth = double(f.width) / 2;
    const double halfHeight = double(f.height) / 2;
    WorkAreaPlaces places;
    places.ole1 = {0, f.top, f.width, f.height};
    places.richText = {0, 120, f.width, f.height};
    places.flash = {float(halfWidth), float(halfHeight), float(halfWidth), float(halfHeight)};
    places.deck = {f.left, f.top, float(halfWidth), float(halfHeight)};
    return places;
}

FullAreaPlaces fullAreaPlaces(const FullArea &area)
{
    const double W = area.Width;
    const double H = area.Height;
    FullAreaPlaces places;
    places.player = {float(area.Left), float(H / 2), 3015, 2175};
    places.drawing = {float(W / 2), float(H / 2), float(W / 2), float(H / 2)};
    places.ole2 = {float(area.Left), float(area.Top), float(W), float(H)};
    places.image0 = {float(W / 2 + 2), float(area.Top), 7215, 4935};
    return places;
}
