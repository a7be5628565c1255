#pragma once

#include "geometry/placement.h"

#include <QString>

class LessonBook;

// Arithmetic of the cover page: where its titles, teacher, date and player go
// on a screen of W by H twips, and which music and picture it takes.
namespace cover {

// Fixed sizes of the teacher and date labels, and the hidden player's height.
constexpr float kTeacherWidth = 2655;
constexpr float kTeacherHeight = 495;
constexpr float kDateWidth = 1695;
constexpr float kDateHeight = 495;
constexpr float kHiddenPlayerHeight = 20;

struct TwipsSize {
    float width = 0;
    float height = 0;
};

struct Layout {
    TwipsRect chapter; // Label1
    TwipsRect lesson;  // Label2
    TwipsRect teacher; // Label3
    TwipsRect date;    // Label5
    TwipsRect player;
};

// The titles size themselves to their texts; their sizes come in, measured.
Layout layOut(double W, double H, TwipsSize chapter, TwipsSize lesson);

// Height of the player while it is shown: the lower right quarter of the screen.
inline float shownPlayerHeight(double H)
{
    return float(H / 2);
}

// Background music 1 as stored (found below this program folder when it came
// from another machine, LessonBook::locate); else set/music/gaoshanls.mp3 when present;
// else set/music/tn.mid, present or not.
QString chooseMusic(const QString &music1, const LessonBook &book);

// 1 to 10 for r in [0, 1).
int pictureNumber(double r);

// Background picture 1 as stored (LessonBook::locate); else set/image/<n>.jpg for n drawn from r.
QString choosePicture(const QString &picture1, const LessonBook &book, double r);

} // namespace cover
