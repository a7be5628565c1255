#pragma once

#include "bitwriter.h"
#include "swfmatrix.h"
#include "swfshape.h"

#include <QByteArray>
#include <QColor>
#include <QRect>

// Writes an uncompressed ("FWS") SWF movie tag by tag: shapes defined once,
// placed on the display list and moved from frame to frame.
class SwfWriter
{
public:
    enum TagCode : uint16_t {
        End = 0,
        ShowFrame = 1,
        DefineShape = 2,
        SetBackgroundColor = 9,
        PlaceObject2 = 26,
        FileAttributes = 69,
    };

    SwfWriter(int widthTwips, int heightTwips, double framesPerSecond, uint8_t version = 8);

    void fileAttributes();
    void setBackgroundColor(const QColor &colour);
    void defineShape(uint16_t id, const SwfShape &shape);
    void placeObject(uint16_t depth, uint16_t characterId, const SwfMatrix &matrix);
    void moveObject(uint16_t depth, const SwfMatrix &matrix);
    void showFrame();

    // Appends the End tag and returns the whole file with its length and frame count filled in.
    QByteArray finish();

    static QByteArray tagHeader(uint16_t code, uint32_t length);
    static void writeRect(BitWriter &out, const QRect &rect);
    static void writeMatrix(BitWriter &out, const SwfMatrix &matrix);
    static void writeRgb(BitWriter &out, const QColor &colour);

private:
    void appendTag(uint16_t code, const QByteArray &body);
    static void writeShapeRecords(BitWriter &out, const SwfShape &shape);

    QRect m_frame;
    double m_fps;
    uint8_t m_version;
    uint16_t m_frameCount = 0;
    QByteArray m_tags;
};
