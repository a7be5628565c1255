#include "qtchoicedialogs.h"

#include <QApplication>
#include <QColorDialog>
#include <QFontDialog>

std::optional<QColor> QtChoiceDialogs::chooseColor(const QColor &initial)
{
    const QColor color = QColorDialog::getColor(initial, QApplication::activeWindow());
    if (!color.isValid())
        return std::nullopt;
    return color;
}

std::optional<QFont> QtChoiceDialogs::chooseFont(const QFont &initial)
{
    bool ok = false;
    const QFont font = QFontDialog::getFont(&ok, initial, QApplication::activeWindow());
    if (!ok)
        return std::nullopt;
    return font;
}
