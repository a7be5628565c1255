#include "videohidetoggle.h"

#include <cmath>

QString VideoHideToggle::caption() const
{
    return m_hidden ? QStringLiteral("可视") : QStringLiteral("隐藏");
}

float VideoHideToggle::hide(float currentHeight)
{
    m_savedHeight = qint32(std::nearbyint(currentHeight));
    m_hidden = true;
    return kHiddenHeight;
}

float VideoHideToggle::show()
{
    m_hidden = false;
    return float(m_savedHeight);
}
