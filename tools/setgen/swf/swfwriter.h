#pragma once

#include "swf/bitwriter.h"
#include "swf/swfmatrix.h"
#include "swf/swfshape.h"
#include "swf/swftimeline.h"

#include <QByteArray>
#include <QColor>
#include <QRect>

// Writes an uncompressed ("FWS") SWF movie tag by tag: shapes, buttons and
// sprites defined once, then placed on the movie's own timeline.
class SwfWriter : public SwfTimeline
{
public:
    // One character of a button in the states it shows (up, over, down) or
    // in its hit area.
    struct ButtonRecord {
        enum State : uint8_t { Up = 1, Over = 2, Down = 4, Hit = 8 };
        uint8_t states;
        uint16_t characterId;
        uint16_t depth;
        SwfMatrix matrix;
    };

    SwfWriter(int widthTwips, int heightTwips, double framesPerSecond, uint8_t version = 8);

    void fileAttributes();
    void setBackgroundColor(const QColor &colour);
    void defineShape(uint16_t id, const SwfShape &shape);
    // A button whose actions run when it is clicked (released over it).
    void defineButton(uint16_t id, const QVector<ButtonRecord> &records, const SwfActions &onRelease);
    void defineSprite(uint16_t id, const SwfTimeline &timeline);

    // Appends the End tag and returns the whole file with its length and frame count filled in.
    QByteArray finish();

    static void writeRect(BitWriter &out, const QRect &rect);
    static void writeMatrix(BitWriter &out, const SwfMatrix &matrix);
    static void writeRgb(BitWriter &out, const QColor &colour);

private:
    static void writeShapeRecords(BitWriter &out, const SwfShape &shape);

    QRect m_frame;
    double m_fps;
    uint8_t m_version;
};
