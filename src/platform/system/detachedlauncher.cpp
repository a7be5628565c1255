#include "detachedlauncher.h"

#include "platform/system/freedmemory.h"

#include <QFileInfo>
#include <QProcess>

bool DetachedLauncher::start(const QString &program)
{
    if (program.isEmpty())
        return false;
    QProcess process;
    process.setProgram(program);
    process.setWorkingDirectory(QFileInfo(program).absolutePath());
    process.setProcessEnvironment(freedmemory::forOtherPrograms(QProcessEnvironment::systemEnvironment()));
    return process.startDetached();
}
