#pragma once

#include "platform/programlauncher.h"

class DetachedLauncher : public ProgramLauncher
{
public:
    bool start(const QString &program) override;
};
