#pragma once

#include "platform/choicedialogs.h"

class QtChoiceDialogs : public ChoiceDialogs
{
public:
    std::optional<QColor> chooseColor(const QColor &initial) override;
    std::optional<QFont> chooseFont(const QFont &initial) override;
};
