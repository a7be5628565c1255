#pragma once

#include "swf/swfactions.h"
#include "swf/swfmatrix.h"

#include <QByteArray>
#include <QString>

// The control tags of one timeline, frame by frame: the movie's own or a
// sprite's. Depths and character ids are the caller's.
class SwfTimeline
{
public:
    enum TagCode : uint16_t {
        End = 0,
        ShowFrame = 1,
        DefineShape = 2,
        SetBackgroundColor = 9,
        DoAction = 12,
        PlaceObject2 = 26,
        RemoveObject2 = 28,
        DefineButton2 = 34,
        DefineSprite = 39,
        FileAttributes = 69,
    };

    // A named instance can be reached by actions as "/name" (or "/parent/name").
    void placeObject(uint16_t depth, uint16_t characterId, const SwfMatrix &matrix,
                     const QString &name = QString());
    void moveObject(uint16_t depth, const SwfMatrix &matrix);
    void removeObject(uint16_t depth);
    // Actions run once the frame being built is shown.
    void doAction(const SwfActions &actions);
    void showFrame();

    uint16_t frameCount() const { return m_frameCount; }
    // The tags so far followed by the End tag.
    QByteArray finishedTags() const;

    static QByteArray tagHeader(uint16_t code, uint32_t length);

protected:
    void appendTag(uint16_t code, const QByteArray &body);

private:
    uint16_t m_frameCount = 0;
    QByteArray m_tags;
};
