#pragma once

class TeachingDesktop;

// Adds the picture pane to the desktop: the items of its menu
// `PictureLocation`, the File menu's "图片导入", the toolbar key "Picture" and
// the menu-bar commands (through the alignment and hide items) reach it.
void installPicturePane(TeachingDesktop &desktop);
