#pragma once

#include "platform/filedialog.h"

class QWidget;

class QtFileDialog : public FileDialog
{
public:
    OpenFileResult getOpenFile(const OpenFileRequest &request) override;
};
