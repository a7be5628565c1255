#pragma once

#include "lesson/lessonfields.h"

#include <array>
#include <QString>

// The lesson page's eleven fields `Text1`(0) to `Text1`(10) and the record slots they edit:
// fields 0..8 edit slots 0..8, field 9 the web address (slot 13), field 10 the other program (slot 14).
namespace editorfields {

constexpr int kFieldCount = 11;
using PageTexts = std::array<QString, kFieldCount>;
// The four background texts, slots 9 to 12.
using Backgrounds = std::array<QString, 4>;

enum : int { WebAddressField = 9, OtherProgramField = 10 };

inline const char *const kDefaultWebAddress = "http://";

int slotOf(int field);
// The caption of the field or background row that edits a slot (0..14), for messages.
QString slotLabel(int slot);

// Fields 0..8, 13 and 14 of the record as page texts.
PageTexts pageFromRecord(const LessonRecord &record);

// The record a saved line file holds: the page for slots 0..8, 13, 14 and the backgrounds for 9..12.
LessonRecord fileRecord(const PageTexts &page, const Backgrounds &backgrounds);

Backgrounds backgroundsOf(const LessonRecord &record);

// The first slot whose text holds a control character, or -1. A pasted line
// break would shift every later line of a line file.
int slotWithControlCharacter(const LessonRecord &record);
QString controlCharacterMessage(int slot);

} // namespace editorfields
