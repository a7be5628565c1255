#pragma once

class TeachingDesktop;

// The desktop's web commands: "浏览器" on the menu bar (IE) opens the lesson's
// web address, "浏览器" of the window menu (IEinternet) the shared start
// address, and the toolbar key "google" the search page; each opens another
// browser window.
void installWebCommands(TeachingDesktop &desktop);
