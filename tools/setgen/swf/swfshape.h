#pragma once

#include <QColor>
#include <QPainterPath>
#include <QPoint>
#include <QRect>
#include <QVector>

// Closed outlines with one solid fill and an optional outline stroke, in twips
// around the character's own origin. Overlapping outlines cut holes (letters).
class SwfShape
{
public:
    struct Segment {
        bool curved = false;
        bool moveTo = false; // starts another outline at the anchor
        QPoint control;      // only for curved segments (quadratic Bézier)
        QPoint anchor;
    };

    static SwfShape rectangle(int width, int height, const QColor &fill);
    static SwfShape polygon(const QVector<QPoint> &points, const QColor &fill);
    static SwfShape ellipse(int radiusX, int radiusY, const QColor &fill);
    // A painter path (pixels) flattened to straight edges, drawn in twips.
    static SwfShape path(const QPainterPath &path, const QColor &fill);

    SwfShape &withOutline(int widthTwips, const QColor &colour);

    const QColor &fill() const { return m_fill; }
    bool hasOutline() const { return m_outlineWidth > 0; }
    int outlineWidth() const { return m_outlineWidth; }
    const QColor &outlineColour() const { return m_outlineColour; }
    const QPoint &start() const { return m_start; }
    const QVector<Segment> &segments() const { return m_segments; }

    // Smallest rectangle holding every point, widened by half the outline.
    QRect bounds() const;

private:
    QColor m_fill;
    int m_outlineWidth = 0;
    QColor m_outlineColour;
    QPoint m_start;
    QVector<Segment> m_segments;
};
