#include "detachedlauncher.h"

#include <QFileInfo>
#include <QProcess>

bool DetachedLauncher::start(const QString &program)
{
    if (program.isEmpty())
        return false;
    return QProcess::startDetached(program, {}, QFileInfo(program).absolutePath());
}
