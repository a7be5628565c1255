#include "swf/swfwriter.h"

namespace {

// Edge deltas are stored in NumBits + 2 bits, NumBits being a 4-bit field.
int edgeBits(std::initializer_list<int32_t> deltas)
{
    return std::max(2, BitWriter::signedBits(deltas));
}

void writeStraightEdge(BitWriter &out, const QPoint &delta)
{
    const int bits = edgeBits({delta.x(), delta.y()});
    out.writeUB(2, 0b11); // edge record, straight
    out.writeUB(4, bits - 2);
    const bool general = delta.x() != 0 && delta.y() != 0;
    out.writeUB(1, general);
    if (general) {
        out.writeSB(bits, delta.x());
        out.writeSB(bits, delta.y());
    } else {
        const bool vertical = delta.x() == 0;
        out.writeUB(1, vertical);
        out.writeSB(bits, vertical ? delta.y() : delta.x());
    }
}

void writeCurvedEdge(BitWriter &out, const QPoint &control, const QPoint &anchor)
{
    const int bits = edgeBits({control.x(), control.y(), anchor.x(), anchor.y()});
    out.writeUB(2, 0b10); // edge record, curved
    out.writeUB(4, bits - 2);
    out.writeSB(bits, control.x());
    out.writeSB(bits, control.y());
    out.writeSB(bits, anchor.x());
    out.writeSB(bits, anchor.y());
}

void writeMovePoint(BitWriter &out, const QPoint &to)
{
    const int bits = BitWriter::signedBits({to.x(), to.y()});
    out.writeUB(5, bits);
    out.writeSB(bits, to.x());
    out.writeSB(bits, to.y());
}

// A style change that only moves the pen: the next outline keeps the styles.
void writeMoveTo(BitWriter &out, const QPoint &to)
{
    out.writeUB(6, 0b000001); // non-edge record, move to only
    writeMovePoint(out, to);
}

} // namespace

SwfWriter::SwfWriter(int widthTwips, int heightTwips, double framesPerSecond, uint8_t version)
    : m_frame(0, 0, widthTwips, heightTwips), m_fps(framesPerSecond), m_version(version)
{}

void SwfWriter::writeRect(BitWriter &out, const QRect &rect)
{
    // SWF rectangles hold the edges themselves: Xmax is the right edge, not the last pixel.
    const int32_t xMin = rect.left(), xMax = rect.left() + rect.width();
    const int32_t yMin = rect.top(), yMax = rect.top() + rect.height();
    const int bits = BitWriter::signedBits({xMin, xMax, yMin, yMax});
    out.writeUB(5, bits);
    for (int32_t v : {xMin, xMax, yMin, yMax})
        out.writeSB(bits, v);
    out.align();
}

void SwfWriter::writeMatrix(BitWriter &out, const SwfMatrix &m)
{
    // Scale and rotate/skew are each an optional pair of 16.16 numbers with their own width.
    auto writePair = [&out](bool present, int32_t a, int32_t b) {
        out.writeUB(1, present);
        if (present) {
            const int bits = BitWriter::signedBits({a, b});
            out.writeUB(5, bits);
            out.writeSB(bits, a);
            out.writeSB(bits, b);
        }
    };
    const int32_t sx = BitWriter::toFixed(m.scaleX), sy = BitWriter::toFixed(m.scaleY);
    writePair(sx != 0x10000 || sy != 0x10000, sx, sy);
    const int32_t r0 = BitWriter::toFixed(m.rotateSkew0), r1 = BitWriter::toFixed(m.rotateSkew1);
    writePair(r0 != 0 || r1 != 0, r0, r1);
    const int bits =
        m.translateX == 0 && m.translateY == 0 ? 0 : BitWriter::signedBits({m.translateX, m.translateY});
    out.writeUB(5, bits);
    out.writeSB(bits, m.translateX);
    out.writeSB(bits, m.translateY);
    out.align();
}

void SwfWriter::writeRgb(BitWriter &out, const QColor &colour)
{
    out.writeUI8(colour.red());
    out.writeUI8(colour.green());
    out.writeUI8(colour.blue());
}

void SwfWriter::fileAttributes()
{
    BitWriter body;
    body.writeUI32(0); // ActionScript 2, no network access, no metadata
    appendTag(FileAttributes, body.bytes());
}

void SwfWriter::setBackgroundColor(const QColor &colour)
{
    BitWriter body;
    writeRgb(body, colour);
    appendTag(SetBackgroundColor, body.bytes());
}

void SwfWriter::defineShape(uint16_t id, const SwfShape &shape)
{
    BitWriter body;
    body.writeUI16(id);
    writeRect(body, shape.bounds());
    body.writeUI8(1); // fill styles: one solid fill
    body.writeUI8(0x00);
    writeRgb(body, shape.fill());
    body.writeUI8(shape.hasOutline() ? 1 : 0);
    if (shape.hasOutline()) {
        body.writeUI16(static_cast<uint16_t>(shape.outlineWidth()));
        writeRgb(body, shape.outlineColour());
    }
    writeShapeRecords(body, shape);
    appendTag(DefineShape, body.bytes());
}

void SwfWriter::writeShapeRecords(BitWriter &out, const SwfShape &shape)
{
    const int lineBits = shape.hasOutline() ? 1 : 0;
    out.writeUB(4, 1); // fill index bits
    out.writeUB(4, lineBits);

    // Style change: pick the line style (if any) and fill style 1, then move to the start.
    // Outlines run clockwise on screen, so the inside lies on the right: fill style 1.
    out.writeUB(1, 0); // non-edge record
    out.writeUB(1, 0); // no new styles
    out.writeUB(1, shape.hasOutline());
    out.writeUB(1, 1); // fill style 1
    out.writeUB(1, 0); // fill style 0
    out.writeUB(1, 1); // move to
    const QPoint start = shape.start();
    writeMovePoint(out, start);
    out.writeUB(1, 1); // fill style 1 = the first (and only) fill
    if (shape.hasOutline())
        out.writeUB(lineBits, 1); // the first line style

    QPoint at = start;
    for (const SwfShape::Segment &s : shape.segments()) {
        if (s.moveTo)
            writeMoveTo(out, s.anchor);
        else if (s.curved)
            writeCurvedEdge(out, s.control - at, s.anchor - s.control);
        else
            writeStraightEdge(out, s.anchor - at);
        at = s.anchor;
    }
    out.writeUB(6, 0); // end of shape
    out.align();
}

void SwfWriter::defineButton(uint16_t id, const QVector<ButtonRecord> &records, const SwfActions &onRelease)
{
    BitWriter characters;
    for (const ButtonRecord &r : records) {
        characters.writeUI8(r.states); // no blend mode, no filters
        characters.writeUI16(r.characterId);
        characters.writeUI16(r.depth);
        writeMatrix(characters, r.matrix);
        characters.writeUI8(0); // colour transform without terms
    }
    characters.writeUI8(0); // end of characters

    BitWriter body;
    body.writeUI16(id);
    body.writeUI8(0); // a push button, not a menu item
    const QByteArray chars = characters.bytes();
    body.writeUI16(static_cast<uint16_t>(2 + chars.size())); // counted from this field to the actions
    body.writeBytes(chars);
    body.writeUI16(0);   // the last (only) condition
    body.writeUI8(0x08); // over-down to over-up: released over the button
    body.writeUI8(0x00); // no key
    body.writeBytes(onRelease.bytes());
    appendTag(DefineButton2, body.bytes());
}

void SwfWriter::defineSprite(uint16_t id, const SwfTimeline &timeline)
{
    BitWriter body;
    body.writeUI16(id);
    body.writeUI16(timeline.frameCount());
    body.writeBytes(timeline.finishedTags());
    appendTag(DefineSprite, body.bytes());
}

QByteArray SwfWriter::finish()
{
    BitWriter rest;
    writeRect(rest, m_frame);
    rest.writeUI16(static_cast<uint16_t>(m_fps * 256.0 + 0.5)); // 8.8 fixed point
    rest.writeUI16(frameCount());
    rest.writeBytes(finishedTags());
    const QByteArray body = rest.bytes();

    BitWriter file;
    file.writeBytes("FWS");
    file.writeUI8(m_version);
    file.writeUI32(static_cast<uint32_t>(8 + body.size()));
    file.writeBytes(body);
    return file.bytes();
}
