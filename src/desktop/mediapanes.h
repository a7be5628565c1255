#pragma once

class TeachingDesktop;

// Adds the text, drawing and video panes to the desktop: each records itself
// as the current pane kind, the standard items of its location menu place it,
// and the toolbar keys "txt", "Input", "paint" and "video" and the File menu's
// "视频导入" reach it.
void installMediaPanes(TeachingDesktop &desktop);
