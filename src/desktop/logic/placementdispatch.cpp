#include "placementdispatch.h"

namespace {

const char *const kKinds[] = {"Word", "Ppt", "Flash", "Image", "Txt", "Draw", "Video"};

// Rows in the order of BarCommand, columns in the order of kKinds.
const char *const kItems[7][7] = {
    {"WordInmiddle", "PPtInCenter", "FlashInMiddle", "PictureCenter", "TxtInMiddle", "PicDrawInmiddle",
     "VideoInmiddle"},
    {"WordInleft", "PPtInLeft", "FlashInLeft", "PictureLeft", "TxtInleft", "PicDrawInleft", "VideoInleft"},
    {"WordInright", "PPtInRight", "FlashInRight", "PictureRight", "TxTInright", "PicDrawInright",
     "VideoInRight"},
    {"WordIntop", "PPtInTop", "FlashInTop", "PictureTop", "TxTIntop", "PicDrawIntop", "VideoIntop"},
    {"WordInButtom", "PPtInBottom", "FlashInbuttom", "PictureBottom", "TxtInbuttom", "PicDrawInbuttom",
     "VideoInbuttom"},
    // The picture and video panes have no full-area item.
    {"WordFull", "PptFull", "FlashFull", "", "TxtFull", "PaintFull", ""},
    // The Word pane has no hide item: its full view takes the place.
    {"WordFull", "PPthidden", "FlashHidden", "PictureHidden", "TxtHidden", "PaintHidden", "Videohidden"},
};

} // namespace

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

QString placementItemFor(const QString &paneKind, BarCommand command)
{
    for (int kind = 0; kind < 7; ++kind) {
        if (paneKind == QLatin1String(kKinds[kind]))
            return QLatin1String(kItems[int(command)][kind]);
    }
    return QString();
}
