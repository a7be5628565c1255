#pragma once

class TeachingDesktop;

// Adds the Flash pane to the desktop: it records itself as the current pane
// kind, its location menu places it with the Flash family's geometry, and the
// file menu's "Flash导入", the game menu and the toolbar key "flash" reach it.
void installFlashPane(TeachingDesktop &desktop);
