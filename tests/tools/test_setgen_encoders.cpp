#include "audio/midifile.h"
#include "swf/bitwriter.h"
#include "swf/swfactions.h"
#include "swf/swfwriter.h"

#include <QtTest>
#include <stdexcept>

class TestSetgenEncoders : public QObject
{
    Q_OBJECT

private slots:
    void bitFieldsPackMostSignificantBitFirst();
    void signedBitsCoverTwosComplement();
    void rectOfA550By400Stage();
    void matrixFields();
    void tagHeaders();
    void fileHeaderCountsBytesAndFrames();
    void actionBranchesCountFromTheirEnd();
    void buttonAndSpriteTags();
    void variableLengthQuantities();
    void midiChunksHaveTheirLengths();
};

namespace {

QByteArray hex(const char *text)
{
    return QByteArray::fromHex(QByteArray(text).replace(' ', ""));
}

uint32_t bigEndian32(const QByteArray &bytes, int at)
{
    return uint32_t(uint8_t(bytes[at])) << 24 | uint32_t(uint8_t(bytes[at + 1])) << 16 |
           uint32_t(uint8_t(bytes[at + 2])) << 8 | uint8_t(bytes[at + 3]);
}

} // namespace

void TestSetgenEncoders::bitFieldsPackMostSignificantBitFirst()
{
    BitWriter out;
    out.writeUB(3, 0b101);
    out.writeSB(4, -2); // 1110
    out.writeUI8(0x7f); // aligns first: 1011 1100 pads with zeros
    out.writeUI16(0x1234);
    QCOMPARE(out.bytes(), hex("bc 7f 34 12"));
}

void TestSetgenEncoders::signedBitsCoverTwosComplement()
{
    QCOMPARE(BitWriter::signedBits({0}), 1);
    QCOMPARE(BitWriter::signedBits({1}), 2);
    QCOMPARE(BitWriter::signedBits({-1}), 1);
    QCOMPARE(BitWriter::signedBits({-2}), 2);
    QCOMPARE(BitWriter::signedBits({255, -3}), 9);
    QCOMPARE(BitWriter::signedBits({65536, -65536}), 18);
}

void TestSetgenEncoders::rectOfA550By400Stage()
{
    BitWriter out;
    SwfWriter::writeRect(out, QRect(0, 0, 11000, 8000));
    QCOMPARE(out.bytes(), hex("78 00 05 5f 00 00 0f a0 00"));
}

void TestSetgenEncoders::matrixFields()
{
    BitWriter identity;
    SwfWriter::writeMatrix(identity, SwfMatrix());
    QCOMPARE(identity.bytes(), hex("00"));

    BitWriter moved;
    SwfWriter::writeMatrix(moved, SwfMatrix::translation(5500, 4000));
    QCOMPARE(moved.bytes(), hex("1c ab e1 f4 00"));

    // A quarter turn: scale 0, rotate/skew +1 and -1 in 16.16 fixed point.
    BitWriter turned;
    SwfWriter::writeMatrix(turned, SwfMatrix::rotation(90, 1.0, 5500, 2300));
    QCOMPARE(turned.bytes(), hex("84 c9 00 00 c0 00 1c ab e1 1f 80"));
}

void TestSetgenEncoders::tagHeaders()
{
    QCOMPARE(SwfWriter::tagHeader(SwfWriter::ShowFrame, 0), hex("40 00"));
    QCOMPARE(SwfWriter::tagHeader(SwfWriter::SetBackgroundColor, 3), hex("43 02"));
    QCOMPARE(SwfWriter::tagHeader(SwfWriter::DefineShape, 62), hex("be 00"));
    QCOMPARE(SwfWriter::tagHeader(SwfWriter::DefineShape, 63), hex("bf 00 3f 00 00 00"));
}

void TestSetgenEncoders::fileHeaderCountsBytesAndFrames()
{
    SwfWriter swf(11000, 8000, 12);
    swf.fileAttributes();
    swf.setBackgroundColor(QColor(0x10, 0x20, 0x30));
    swf.defineShape(1, SwfShape::rectangle(2000, 1000, Qt::red));
    swf.placeObject(1, 1, SwfMatrix::translation(5500, 4000));
    swf.showFrame();
    swf.moveObject(1, SwfMatrix::translation(6000, 4000));
    swf.showFrame();
    const QByteArray file = swf.finish();

    QCOMPARE(file.left(4), QByteArray("FWS\x08"));
    const QByteArray length = file.mid(4, 4);
    QCOMPARE(uint32_t(uint8_t(length[0]) | uint8_t(length[1]) << 8 | uint8_t(length[2]) << 16 |
                      uint8_t(length[3]) << 24),
             uint32_t(file.size()));
    QCOMPARE(file.mid(17, 4), hex("00 0c 02 00")); // 12.0 frames per second, two frames
    QCOMPARE(file.mid(21, 2), hex("44 11"));       // FileAttributes comes first
    QVERIFY(file.endsWith(hex("40 00 00 00")));    // last ShowFrame, then End
}

void TestSetgenEncoders::actionBranchesCountFromTheirEnd()
{
    // while (n) play();  stop();  -- a forward If and a backward Jump.
    SwfActions loop;
    const int top = loop.newLabel(), out = loop.newLabel();
    loop.mark(top).push("n").getVariable().logicalNot().jumpIf(out).play().jump(top).mark(out).stop();
    const QByteArray code = hex("96 03 00 00 6e 00  1c 12  9d 02 00 06 00  06  99 02 00 ed ff  07");
    QCOMPARE(loop.code(), code);
    QCOMPARE(loop.bytes(), code + hex("00"));

    // Integers are pushed as 32-bit values; strings as UTF-8 with their terminator.
    QCOMPARE(SwfActions().push(-2).push("令").code(),
             hex("96 05 00 07 fe ff ff ff  96 05 00 00 e4 bb a4 00"));

    // Finished code moves as a piece: its offsets stay right after other actions.
    SwfActions outer;
    const int end = outer.newLabel();
    outer.push(1).jumpIf(end).append(loop).mark(end).gotoFrame(2).gotoFrameOnStack(false).setTarget("/a");
    QCOMPARE(outer.code(), hex("96 05 00 07 01 00 00 00  9d 02 00") + hex("14 00") + code +
                               hex("81 02 00 02 00  9f 01 00 00  8b 03 00 2f 61 00"));

    SwfActions dangling;
    dangling.jump(dangling.newLabel());
    QVERIFY_THROWS_EXCEPTION(std::logic_error, dangling.code());
}

void TestSetgenEncoders::buttonAndSpriteTags()
{
    SwfWriter swf(11000, 8000, 12);
    using R = SwfWriter::ButtonRecord;
    swf.defineButton(5, {{R::Up | R::Hit, 1, 1, SwfMatrix()}}, SwfActions().stop());
    SwfTimeline clip;
    clip.placeObject(1, 5, SwfMatrix(), "b");
    clip.showFrame();
    clip.showFrame();
    swf.defineSprite(6, clip);
    const QByteArray tags = swf.finish().mid(21);

    // Button: id, plain button, offset to the first condition, one character
    // (states, id, depth, matrix, colour transform), end of characters, the
    // last condition (released over it), its actions.
    QCOMPARE(tags.left(21), hex("93 08  05 00  00  0a 00  09 01 00 01 00 00 00  00  00 00 08 00  07 00"));
    // Sprite: id, two frames, its own tags (a named placement) up to its End.
    QCOMPARE(tags.mid(21),
             hex("d4 09  06 00 02 00  88 06 26 01 00 05 00 00 62 00  40 00 40 00  00 00") + hex("00 00"));
}

void TestSetgenEncoders::variableLengthQuantities()
{
    QCOMPARE(MidiFile::variableLength(0), hex("00"));
    QCOMPARE(MidiFile::variableLength(0x7f), hex("7f"));
    QCOMPARE(MidiFile::variableLength(0x80), hex("81 00"));
    QCOMPARE(MidiFile::variableLength(0x3fff), hex("ff 7f"));
    QCOMPARE(MidiFile::variableLength(0x200000), hex("81 80 80 00"));
}

void TestSetgenEncoders::midiChunksHaveTheirLengths()
{
    const Tune tune = Tune::childhood();
    const QByteArray file = MidiFile::write(tune);
    QCOMPARE(file.left(14),
             QByteArray("MThd\0\0\0\x06\0\x01\0", 11) + char(tune.voices.size()) + hex("01 e0"));
    int at = 14;
    int tracks = 0;
    while (at < file.size()) {
        QCOMPARE(file.mid(at, 4), QByteArray("MTrk"));
        const int length = int(bigEndian32(file, at + 4));
        QVERIFY(at + 8 + length <= file.size());
        QCOMPARE(file.mid(at + 8 + length - 3, 3), hex("ff 2f 00"));
        at += 8 + length;
        ++tracks;
    }
    QCOMPARE(at, file.size());
    QCOMPARE(tracks, tune.voices.size());
}

QTEST_GUILESS_MAIN(TestSetgenEncoders)
#include "test_setgen_encoders.moc"
