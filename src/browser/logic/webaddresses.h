#pragma once

#include <QString>

// The web search page: the desktop's search button opens it in a browser
// window, and the browser window's own search button goes there. Reachable
// from schools in China.
inline QString searchPage()
{
    return QStringLiteral("https://cn.bing.com/");
}
