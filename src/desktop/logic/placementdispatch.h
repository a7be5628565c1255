#pragma once

#include "geometry/placement.h"

#include <array>
#include <optional>
#include <QString>

// The seven menu-bar commands that place the pane touched last.
enum class BarCommand { AllCenter, AllLeft, AllRight, AllTop, AllButtom, AllFull, AllHidden };

constexpr std::array<BarCommand, 7> kBarCommands = {
    BarCommand::AllCenter, BarCommand::AllLeft, BarCommand::AllRight, BarCommand::AllTop,
    BarCommand::AllButtom, BarCommand::AllFull, BarCommand::AllHidden};

// The command's item name, e.g. "AllCenter".
QString barCommandName(BarCommand command);

// The position a command stands for; none for AllHidden.
std::optional<Position> barCommandPosition(BarCommand command);
