#pragma once

#include "programlauncher.h"

class DetachedLauncher : public ProgramLauncher
{
public:
    bool start(const QString &program) override;
};
