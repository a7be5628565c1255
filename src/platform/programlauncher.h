#pragma once

#include <QString>

// Contract: starts another program in its own window without waiting for it;
// false when it could not be started.
class ProgramLauncher
{
public:
    virtual ~ProgramLauncher() = default;
    virtual bool start(const QString &program) = 0;
};
