#include "swf/swftimeline.h"

#include "swf/swfwriter.h"

QByteArray SwfTimeline::tagHeader(uint16_t code, uint32_t length)
{
    BitWriter out;
    if (length < 0x3f) {
        out.writeUI16(static_cast<uint16_t>(code << 6 | length));
    } else {
        out.writeUI16(static_cast<uint16_t>(code << 6 | 0x3f));
        out.writeUI32(length);
    }
    return out.bytes();
}

void SwfTimeline::appendTag(uint16_t code, const QByteArray &body)
{
    m_tags.append(tagHeader(code, body.size()));
    m_tags.append(body);
}

void SwfTimeline::placeObject(uint16_t depth, uint16_t characterId, const SwfMatrix &matrix,
                              const QString &name)
{
    BitWriter body;
    body.writeUI8(name.isEmpty() ? 0x06 : 0x26); // has matrix, has character (, has name)
    body.writeUI16(depth);
    body.writeUI16(characterId);
    SwfWriter::writeMatrix(body, matrix);
    if (!name.isEmpty()) {
        body.writeBytes(name.toUtf8());
        body.writeUI8(0);
    }
    appendTag(PlaceObject2, body.bytes());
}

void SwfTimeline::moveObject(uint16_t depth, const SwfMatrix &matrix)
{
    BitWriter body;
    body.writeUI8(0x05); // has matrix, move
    body.writeUI16(depth);
    SwfWriter::writeMatrix(body, matrix);
    appendTag(PlaceObject2, body.bytes());
}

void SwfTimeline::removeObject(uint16_t depth)
{
    BitWriter body;
    body.writeUI16(depth);
    appendTag(RemoveObject2, body.bytes());
}

void SwfTimeline::doAction(const SwfActions &actions)
{
    appendTag(DoAction, actions.bytes());
}

void SwfTimeline::showFrame()
{
    appendTag(ShowFrame, QByteArray());
    ++m_frameCount;
}

QByteArray SwfTimeline::finishedTags() const
{
    return m_tags + tagHeader(End, 0);
}
