#pragma once

#include <QFont>

// Every caption of the program is set in the Song face its lessons were
// designed with; set/fonts/fonts.conf maps the name to an installed face.
inline QFont songFont(double points, bool bold = false)
{
    QFont font(QStringLiteral("宋体"));
    font.setPointSizeF(points);
    font.setBold(bold);
    return font;
}
