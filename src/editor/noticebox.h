#pragma once

#include "editor/logic/editornotice.h"
#include "platform/messagebox.h"

// Shows an editor notice in the platform's message box, with an OK button.
void showNotice(MessageBox &box, const EditorNotice &notice);
