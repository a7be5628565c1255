#pragma once

#include "editornotice.h"

// Shows an editor notice in the platform's message box, with an OK button.
void showNotice(MessageBox &box, const EditorNotice &notice);
