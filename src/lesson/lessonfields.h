#pragma once

#include <array>
#include <QString>

// The lesson record (`LessonFields`): 16 texts. Slots 4 to 8 hold lists in which every name is
// followed by one space.
using LessonRecord = std::array<QString, 16>;

namespace slot {
enum : int {
    ChapterTitle = 0,
    LessonTitle = 1,
    DocumentFolder = 2,
    DocumentFile = 3,
    TextFiles = 4,
    DeckFiles = 5,
    FlashFiles = 6,
    MediaFiles = 7,
    PictureFiles = 8,
    Music1 = 9,
    Music2 = 10,
    Picture1 = 11,
    Picture2 = 12,
    WebAddress = 13,
    OtherProgram = 14,
};
} // namespace slot

// Number of slots a line file holds (slots 0 to 14).
constexpr int kLineFileSlots = 15;

// Empties slots 0..14, the ones a line file holds.
inline void clearLineSlots(LessonRecord &record)
{
    for (int i = 0; i < kLineFileSlots; ++i)
        record[i].clear();
}
