#include "swf/swfshape.h"

#include <cmath>

SwfShape SwfShape::rectangle(int width, int height, const QColor &fill)
{
    const int l = -width / 2, t = -height / 2;
    return polygon({{l, t}, {l + width, t}, {l + width, t + height}, {l, t + height}}, fill);
}

SwfShape SwfShape::polygon(const QVector<QPoint> &points, const QColor &fill)
{
    SwfShape shape;
    shape.m_fill = fill;
    shape.m_start = points.first();
    for (int i = 1; i <= points.size(); ++i)
        shape.m_segments.append({false, false, QPoint(), points.at(i % points.size())});
    return shape;
}

SwfShape SwfShape::ellipse(int radiusX, int radiusY, const QColor &fill)
{
    // Eight quadratic arcs; each control point lies on the tangents' crossing.
    const int arcs = 8;
    const double step = 2 * M_PI / arcs;
    const double reach = 1.0 / std::cos(step / 2);
    SwfShape shape;
    shape.m_fill = fill;
    shape.m_start = QPoint(radiusX, 0);
    for (int i = 1; i <= arcs; ++i) {
        const double mid = (i - 0.5) * step, end = i * step;
        const QPoint control(std::lround(std::cos(mid) * radiusX * reach),
                             std::lround(std::sin(mid) * radiusY * reach));
        const QPoint anchor =
            i == arcs ? shape.m_start
                      : QPoint(std::lround(std::cos(end) * radiusX), std::lround(std::sin(end) * radiusY));
        shape.m_segments.append({true, false, control, anchor});
    }
    return shape;
}

SwfShape SwfShape::path(const QPainterPath &path, const QColor &fill)
{
    SwfShape shape;
    shape.m_fill = fill;
    bool first = true;
    for (const QPolygonF &polygon : path.toSubpathPolygons()) {
        QPoint at;
        for (int i = 0; i < polygon.size(); ++i) {
            const QPoint p(std::lround(polygon.at(i).x() * 20), std::lround(polygon.at(i).y() * 20));
            if (i == 0 && first) {
                shape.m_start = p;
                first = false;
            } else if (i == 0) {
                shape.m_segments.append({false, true, QPoint(), p});
            } else if (p != at) {
                shape.m_segments.append({false, false, QPoint(), p});
            }
            at = p;
        }
    }
    return shape;
}

SwfShape &SwfShape::withOutline(int widthTwips, const QColor &colour)
{
    m_outlineWidth = widthTwips;
    m_outlineColour = colour;
    return *this;
}

QRect SwfShape::bounds() const
{
    QRect box(m_start, m_start);
    for (const Segment &s : m_segments) {
        box = box.united(QRect(s.anchor, s.anchor));
        if (s.curved)
            box = box.united(QRect(s.control, s.control));
    }
    const int half = (m_outlineWidth + 1) / 2;
    return box.adjusted(-half, -half, half, half);
}
