#pragma once

#include "desktop/logic/placementdispatch.h"

#include <QString>

// The desktop's pane kinds, in the order the menu-bar commands compare them.
enum class PaneKind { Word, Deck, Flash, Picture, Text, Drawing, Video };

// The kind's tag as the teacher sees it in the caption of ClickTs: "Word",
// "Ppt", "Flash", "Image", "Txt", "Draw" or "Video".
QString paneKindCaption(PaneKind kind);

// The objectName of the kind's location menu under "窗口", e.g. "TxtLocation".
QString locationMenuName(PaneKind kind);

// The placement item a menu-bar command runs for the kind; empty when
// nothing is to be done.
QString placementItemFor(PaneKind kind, BarCommand command);
