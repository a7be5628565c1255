#include "fontsize.h"

#include <cmath>

namespace {
constexpr qint64 kStep = 2;
constexpr qint64 kSmallestReducible = 6;
} // namespace

FontSize FontSize::fromPoints(double points)
{
    return FontSize(qint64(std::nearbyint(points * kScale)));
}

FontSize FontSize::enlarged() const
{
    return FontSize(m_tenThousandths + kStep * kScale);
}

FontSize FontSize::reduced() const
{
    if (m_tenThousandths <= kSmallestReducible * kScale)
        return *this;
    return FontSize(m_tenThousandths - kStep * kScale);
}
