#pragma once

#include <QLineF>
#include <QPointF>
#include <QRectF>
#include <QtGlobal>
#include <vector>

// Ink over the frozen work area: strokes of points in pixels, each with a
// colour and a pen width, erased whole, undone step by step. Pixels here are
// the layer's logical pixels; the widths are given already scaled to the
// screen's DPI.
namespace ink {

enum class Colour { Red, Blue, Green, Black, White };
// 0xAARRGGBB, opaque.
quint32 rgb(Colour colour);

enum class Pen { Thin, Medium, Thick };
// The pen's width at 96 DPI, in pixels.
double widthAt96Dpi(Pen pen);
// Scaled to a screen of `dpi` logical dots per inch.
double penWidth(Pen pen, double dpi);
// The eraser's reach around the pointer, at that DPI.
double eraserRadius(double dpi);

// A mouse reports no pressure: it draws the pen's own width.
constexpr double kNoPressure = 0.5;

struct InkPoint {
    QPointF at;
    double pressure = kNoPressure;
};

// One smooth piece of a stroke: a quadratic curve from `from` through the
// pull of `control` to `to`, drawn `width` wide.
struct Piece {
    QPointF from;
    QPointF control;
    QPointF to;
    double width = 0;
};

struct Stroke {
    std::vector<InkPoint> points;
    Colour colour = Colour::Red;
    double width = 0;

    // The stroke as pieces that join end to end from the first point to the
    // last, bending through the midpoints between reported points, so a quick
    // stroke is a curve rather than a chain of corners. Piece i ends where
    // point i+1 first makes the shape known, so a stroke being drawn adds
    // piece pieceCount() - 1 with each new point and its last piece
    // (finalPiece) when it ends.
    int pieceCount() const;
    Piece piece(int index) const;
    Piece finalPiece() const;
    // Whether any part of the stroke comes within `radius` of the segment.
    bool touches(const QLineF &segment, double radius) const;
    // What the stroke covers, pen width included.
    QRectF bounds() const;
};

class Strokes
{
public:
    const std::vector<Stroke> &all() const { return m_strokes; }
    bool isEmpty() const { return m_strokes.empty(); }
    bool drawing() const { return m_drawing; }

    void begin(const InkPoint &point, Colour colour, double width);
    // False when the point repeats the last one (nothing to draw).
    bool extend(const InkPoint &point);
    void end();

    // An eraser drag: every stroke that the path from `from` to `to` comes
    // within `radius` of goes, whole; one drag is one step to undo. Returns
    // how many strokes went.
    void beginErasing();
    int erase(const QPointF &from, const QPointF &to, double radius);
    void endErasing();

    void clear();
    // The area under the ink changed size (another screen): every stroke,
    // and every one an undo would bring back, scales with it.
    void scale(double sx, double sy);
    // Takes back the last stroke, eraser drag or clearing; false when there
    // is nothing to take back.
    bool undo();

private:
    struct Removed {
        std::size_t index;
        Stroke stroke;
    };
    // One undo step: a stroke added, or strokes removed (in ascending index order).
    struct Step {
        bool added = false;
        std::vector<Removed> removed;
    };

    std::vector<Stroke> m_strokes;
    std::vector<Step> m_steps;
    bool m_drawing = false;
    bool m_erasing = false;
};

} // namespace ink
