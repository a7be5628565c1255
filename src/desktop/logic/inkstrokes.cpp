#include "inkstrokes.h"

#include <algorithm>
#include <cmath>

namespace ink {

namespace {

QPointF midpoint(const QPointF &a, const QPointF &b)
{
    return (a + b) / 2;
}

double distance(const QPointF &a, const QPointF &b)
{
    return std::hypot(a.x() - b.x(), a.y() - b.y());
}

double distanceToSegment(const QPointF &p, const QLineF &segment)
{
    const QPointF d = segment.p2() - segment.p1();
    const double lengthSquared = QPointF::dotProduct(d, d);
    if (lengthSquared == 0)
        return distance(p, segment.p1());
    const double t = std::clamp(QPointF::dotProduct(p - segment.p1(), d) / lengthSquared, 0.0, 1.0);
    return distance(p, segment.p1() + t * d);
}

double distanceBetween(const QLineF &a, const QLineF &b)
{
    if (a.intersects(b) == QLineF::BoundedIntersection)
        return 0;
    return std::min({distanceToSegment(a.p1(), b), distanceToSegment(a.p2(), b), distanceToSegment(b.p1(), a),
                     distanceToSegment(b.p2(), a)});
}

double pressed(double width, double pressure)
{
    return width * (0.5 + pressure);
}

} // namespace

quint32 rgb(Colour colour)
{
    switch (colour) {
    case Colour::Red:
        return 0xFFE0201Cu;
    case Colour::Blue:
        return 0xFF1E50DCu;
    case Colour::Green:
        return 0xFF1AA032u;
    case Colour::Black:
        return 0xFF000000u;
    case Colour::White:
        return 0xFFFFFFFFu;
    }
    return 0xFF000000u;
}

double widthAt96Dpi(Pen pen)
{
    switch (pen) {
    case Pen::Thin:
        return 2;
    case Pen::Medium:
        return 4;
    case Pen::Thick:
        return 8;
    }
    return 4;
}

double penWidth(Pen pen, double dpi)
{
    return widthAt96Dpi(pen) * dpi / 96;
}

double eraserRadius(double dpi)
{
    return 8 * dpi / 96;
}

int Stroke::pieceCount() const
{
    return std::max(0, int(points.size()) - 1);
}

Piece Stroke::piece(int index) const
{
    const InkPoint &p = points.at(std::size_t(index));
    const InkPoint &next = points.at(std::size_t(index) + 1);
    if (index == 0) {
        const QPointF to = midpoint(p.at, next.at);
        return {p.at, midpoint(p.at, to), to, pressed(width, p.pressure)};
    }
    const InkPoint &before = points.at(std::size_t(index) - 1);
    return {midpoint(before.at, p.at), p.at, midpoint(p.at, next.at), pressed(width, p.pressure)};
}

Piece Stroke::finalPiece() const
{
    const InkPoint &last = points.back();
    if (points.size() == 1)
        return {last.at, last.at, last.at, pressed(width, last.pressure)};
    const QPointF from = midpoint(points[points.size() - 2].at, last.at);
    return {from, midpoint(from, last.at), last.at, pressed(width, last.pressure)};
}

bool Stroke::touches(const QLineF &segment, double radius) const
{
    double widest = 0;
    for (const InkPoint &p : points)
        widest = std::max(widest, pressed(width, p.pressure));
    const double reach = radius + widest / 2;
    if (points.size() == 1)
        return distanceToSegment(points.front().at, segment) <= reach;
    for (std::size_t i = 1; i < points.size(); ++i) {
        if (distanceBetween(QLineF(points[i - 1].at, points[i].at), segment) <= reach)
            return true;
    }
    return false;
}

QRectF Stroke::bounds() const
{
    if (points.empty())
        return {};
    double left = points.front().at.x(), right = left, top = points.front().at.y(), bottom = top;
    double widest = 0;
    for (const InkPoint &p : points) {
        left = std::min(left, p.at.x());
        right = std::max(right, p.at.x());
        top = std::min(top, p.at.y());
        bottom = std::max(bottom, p.at.y());
        widest = std::max(widest, pressed(width, p.pressure));
    }
    const double margin = widest / 2 + 1;
    return QRectF(QPointF(left, top), QPointF(right, bottom)).adjusted(-margin, -margin, margin, margin);
}

void Strokes::begin(const InkPoint &point, Colour colour, double width)
{
    end();
    m_strokes.push_back(Stroke{{point}, colour, width});
    m_steps.push_back(Step{true, {}});
    m_drawing = true;
}

bool Strokes::extend(const InkPoint &point)
{
    if (!m_drawing || m_strokes.back().points.back().at == point.at)
        return false;
    m_strokes.back().points.push_back(point);
    return true;
}

void Strokes::end()
{
    m_drawing = false;
}

void Strokes::beginErasing()
{
    end();
    endErasing();
    m_steps.push_back(Step{});
    m_erasing = true;
}

int Strokes::erase(const QPointF &from, const QPointF &to, double radius)
{
    if (!m_erasing)
        return 0;
    const QLineF path(from, to);
    int erased = 0;
    for (std::size_t i = m_strokes.size(); i-- > 0;) {
        if (!m_strokes[i].touches(path, radius))
            continue;
        m_steps.back().removed.push_back({i, std::move(m_strokes[i])});
        m_strokes.erase(m_strokes.begin() + std::ptrdiff_t(i));
        ++erased;
    }
    return erased;
}

void Strokes::endErasing()
{
    if (!m_erasing)
        return;
    m_erasing = false;
    // A drag that touched nothing leaves nothing to undo.
    if (m_steps.back().removed.empty())
        m_steps.pop_back();
}

void Strokes::clear()
{
    end();
    endErasing();
    if (m_strokes.empty())
        return;
    Step step;
    for (std::size_t i = m_strokes.size(); i-- > 0;)
        step.removed.push_back({i, std::move(m_strokes[i])});
    m_strokes.clear();
    m_steps.push_back(std::move(step));
}

void Strokes::scale(double sx, double sy)
{
    const double widthFactor = std::sqrt(sx * sy);
    const auto scaled = [=](Stroke &stroke) {
        for (InkPoint &point : stroke.points)
            point.at = QPointF(point.at.x() * sx, point.at.y() * sy);
        stroke.width *= widthFactor;
    };
    std::for_each(m_strokes.begin(), m_strokes.end(), scaled);
    for (Step &step : m_steps)
        for (Removed &removed : step.removed)
            scaled(removed.stroke);
}

bool Strokes::undo()
{
    end();
    endErasing();
    if (m_steps.empty())
        return false;
    Step step = std::move(m_steps.back());
    m_steps.pop_back();
    if (step.added)
        m_strokes.pop_back();
    // Put back in the reverse order of taking, each at the place it left.
    for (auto removed = step.removed.rbegin(); removed != step.removed.rend(); ++removed)
        m_strokes.insert(m_strokes.begin() + std::ptrdiff_t(removed->index), std::move(removed->stroke));
    return true;
}

} // namespace ink
