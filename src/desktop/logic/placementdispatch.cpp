#include "placementdispatch.h"

QString barCommandName(BarCommand command)
{
    static const char *const kNames[] = {"AllCenter", "AllLeft", "AllRight", "AllTop",
                                         "AllButtom", "AllFull", "AllHidden"};
    return QLatin1String(kNames[int(command)]);
}

std::optional<Position> barCommandPosition(BarCommand command)
{
    switch (command) {
    case BarCommand::AllCenter:
        return Position::Centre;
    case BarCommand::AllLeft:
        return Position::Left;
    case BarCommand::AllRight:
        return Position::Right;
    case BarCommand::AllTop:
        return Position::Top;
    case BarCommand::AllButtom:
        return Position::Bottom;
    case BarCommand::AllFull:
        return Position::Full;
    case BarCommand::AllHidden:
        break;
    }
    return std::nullopt;
}
