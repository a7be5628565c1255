#pragma once

#include <QString>

// The desktop's code asked its menus or toolbar for a name they do not have:
// a slip in the code, never the teacher's doing. Debug builds stop here; the
// others log the warning "no desktop <what> named <name>", which the window
// tests fail on.
void reportUnknownName(const char *what, const QString &name);
