#include "webaddress.h"

#include <QStringList>

namespace webaddress {

Resolved resolve(const QString &typed)
{
    const QString address = typed.trimmed();
    if (address.isEmpty())
        return {QUrl(QStringLiteral("about:blank")), {}};
    const QUrl url = QUrl::fromUserInput(address);
    const QString scheme = url.scheme().toLower();
    if (scheme == QLatin1String("javascript") || scheme == QLatin1String("vbscript"))
        return {{}, QStringLiteral("网址“%1”是一段脚本，不会运行。").arg(address)};
    // A host never holds a space; such an address is words, not a place.
    if (!url.isValid() || !isPage(url) || url.host().contains(QLatin1Char(' ')))
        return {{}, QStringLiteral("“%1”不是可以打开的网址。").arg(address)};
    return {url, {}};
}

bool isPage(const QUrl &url)
{
    static const QStringList pages{QStringLiteral("http"), QStringLiteral("https"), QStringLiteral("ftp"),
                                   QStringLiteral("file"), QStringLiteral("about")};
    return pages.contains(url.scheme().toLower());
}

} // namespace webaddress
