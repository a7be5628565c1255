#pragma once

#include "swf/swfactions.h"
#include "swf/swfwriter.h"

#include <initializer_list>
#include <QPoint>
#include <QRect>
#include <QString>

// The parts every small game of the program folder is built from: a 550 x 400
// stage, text drawn as shapes (the player needs no fonts), digit counters,
// buttons and the restart button, and a ticker for timed games.
//
// Convention for all game actions: they start by making the movie's own
// timeline the target ("/"), keep their variables there and name clips by
// absolute paths, so the same code works in buttons, sprites and frames.
class SwfGameKit
{
public:
    static constexpr int StageWidth = 550; // pixels; the file counts in twips
    static constexpr int StageHeight = 400;
    static constexpr int Twips = 20;
    static constexpr QPoint RestartAt{StageWidth - 70, StageHeight - 26}; // centre of "重新开始"

    // Digits that show a root variable; digit i (ones first) is the clip "/<name><i>".
    class Counter
    {
    public:
        Counter(QString name, int digits, QRect area)
            : m_name(std::move(name)), m_digits(digits), m_area(area)
        {}
        SwfActions show(const QString &variable) const;
        const QRect &area() const { return m_area; }

    private:
        QString m_name;
        int m_digits;
        QRect m_area;
    };

    explicit SwfGameKit(const QColor &background);

    uint16_t shape(const SwfShape &shape);
    // Text centred on the character's origin, one line per entry.
    uint16_t text(const QStringList &lines, int pixelSize, const QColor &colour);
    uint16_t text(const QString &line, int pixelSize, const QColor &colour)
    {
        return text(QStringList{line}, pixelSize, colour);
    }
    uint16_t sprite(const SwfTimeline &timeline);
    // A clickable group of characters (drawn in order); the first one is also the hit area.
    uint16_t button(std::initializer_list<uint16_t> faces, const SwfActions &onRelease);
    // A clickable area drawn by what lies beneath it.
    uint16_t invisibleButton(uint16_t hitArea, const SwfActions &onRelease);
    // A still clip of characters, so actions can move, hide or show them by name.
    uint16_t group(std::initializer_list<uint16_t> faces);

    // Places a character on the stage at a pixel position, on top of what is there.
    void place(uint16_t id, QPoint at, const QString &name = QString());
    Counter counter(const QString &name, int digits, QPoint topLeft, const QColor &colour);
    // "重新开始" at the stage's bottom right, running `reset`.
    void restartButton(const SwfActions &reset);
    // Runs `tick` about twelve times a second, for as long as the game runs.
    void ticker(const SwfActions &tick);

    // The movie: `start` runs once when it starts, then the stage waits for clicks.
    QByteArray finish(const SwfActions &start);

    // Actions that stop the clip at `path` on a frame (1-based): a given one,
    // or the number on the stack.
    static SwfActions showFrame(const QString &path, int frame);
    static SwfActions showFrameOnStack(const QString &path);
    static SwfActions setVisible(const QString &path, bool visible);
    static SwfActions assign(const QString &variable, int value);
    static SwfActions increment(const QString &variable);

private:
    uint16_t digitSprite(const QColor &colour);

    SwfWriter m_swf;
    uint16_t m_nextId = 1;
    uint16_t m_nextDepth = 1;
};
