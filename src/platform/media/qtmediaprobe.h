#pragma once

#include "platform/mediaprobe.h"

// The real back ends: Qt's image readers for pictures, and Qt Multimedia (the
// same GStreamer back end that plays the lesson) for audio and video.
class QtMediaProbe : public MediaProbe
{
public:
    explicit QtMediaProbe(int timeoutMs = 8000) : m_timeoutMs(timeoutMs) {}

    void probe(MediaKind kind, const QString &path, QObject *context,
               std::function<void(const QString &reason)> done) override;

private:
    int m_timeoutMs;
};
