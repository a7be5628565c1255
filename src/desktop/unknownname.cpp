#include "unknownname.h"

#include <QtGlobal>

void reportUnknownName(const char *what, const QString &name)
{
    qWarning("no desktop %s named %s", what, qUtf8Printable(name));
    Q_ASSERT_X(false, "reportUnknownName", "the desktop's code names a menu or toolbar entry it lacks");
}
