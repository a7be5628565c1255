#pragma once

#include <QIcon>
#include <QString>

// The browser window's toolbar pictures (24 x 24 pixels), drawn by the
// program: by button key "Back", "Forward", "Stop", "Refresh", "Home", "Search".
QIcon browserIcon(const QString &key);
