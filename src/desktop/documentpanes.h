#pragma once

class TeachingDesktop;

// Adds the Word pane and the deck pane to the desktop: the document
// containers' paging, keys and placement family, WordFull, the File menu's
// "文档打开", "文档" and "Powerpoint打开", the toolbar keys "word" and "ppt",
// the lesson's documents converting in the background from start-up, and
// the document closed and every conversion stopped on leaving. Installed after the text pane, whose size keys
// come first.
void installDocumentPanes(TeachingDesktop &desktop);
