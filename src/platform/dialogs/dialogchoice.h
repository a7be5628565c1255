#pragma once

#include "filesel/selectfileinfo.h"

class MessageBox;

// Splits a dialog's choice; text that cannot be split is reported to the user
// with the parser's critical message, and the partly filled record comes back.
SelectFileInfo parseDialogChoice(const QString &dialogText, MessageBox &messages);
