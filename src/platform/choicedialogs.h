#pragma once

#include <optional>
#include <QColor>
#include <QFont>

// Contract: modal colour and font choosers; std::nullopt when cancelled.
class ChoiceDialogs
{
public:
    virtual ~ChoiceDialogs() = default;
    virtual std::optional<QColor> chooseColor(const QColor &initial) = 0;
    virtual std::optional<QFont> chooseFont(const QFont &initial) = 0;
};
