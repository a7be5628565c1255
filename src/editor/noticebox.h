#pragma once

#include "editor/logic/editornotice.h"

// Shows an editor notice in the platform's message box, with an OK button.
void showNotice(MessageBox &box, const EditorNotice &notice);
