#pragma once

#include "lesson/lessonmedia.h"

#include <functional>
#include <QString>

class QObject;

// Asks the media back ends whether a file of a lesson can really be shown or
// played: a picture decoded, audio or video opened by the player's back end.
// Contract: probe() returns at once and never blocks; `done` runs exactly once,
// later, on the thread that called, with an empty text when the file plays and
// else the reason. A back end that does not answer ends in a reason after a
// time-out. `done` is dropped when `context` is destroyed first.
class MediaProbe
{
public:
    virtual ~MediaProbe() = default;
    virtual void probe(MediaKind kind, const QString &path, QObject *context,
                       std::function<void(const QString &reason)> done) = 0;
};
