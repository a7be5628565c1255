#include "screenchoice.h"

namespace screenchoice {

int projectorIndex(const QList<ScreenInfo> &screens, const QString &chosen, int primary)
{
    if (screens.isEmpty())
        return -1;
    if (!chosen.isEmpty()) {
        for (int i = 0; i < screens.size(); ++i) {
            if (screens.at(i).name == chosen)
                return i;
        }
    }
    return primary >= 0 && primary < screens.size() ? primary : 0;
}

TwipsScale scaleOf(const ScreenInfo &screen)
{
    return TwipsScale(screen.dpiX > 0 ? screen.dpiX : 96.0, screen.dpiY > 0 ? screen.dpiY : 96.0);
}

QSizeF sizeInTwips(const ScreenInfo &screen)
{
    const TwipsScale scale = scaleOf(screen);
    const auto kept = [](float twips) { return QString::number(twips).toDouble(); };
    return QSizeF(kept(scale.toTwipsX(screen.pixels.width())), kept(scale.toTwipsY(screen.pixels.height())));
}

QString label(const ScreenInfo &screen)
{
    return QStringLiteral("%1（%2×%3）")
        .arg(screen.name)
        .arg(screen.pixels.width())
        .arg(screen.pixels.height());
}

} // namespace screenchoice
