#include "panekind.h"

namespace {

// One row per kind in the order of PaneKind; the placement items in the
// order of BarCommand.
const struct Names {
    const char *caption;
    const char *locationMenu;
    const char *items[7];
} kNames[] = {
    // The Word pane has no hide item: its full view takes the place.
    {"Word",
     "WordLocation",
     {"WordInmiddle", "WordInleft", "WordInright", "WordIntop", "WordInButtom", "WordFull", "WordFull"}},
    {"Ppt",
     "PPtLocation",
     {"PPtInCenter", "PPtInLeft", "PPtInRight", "PPtInTop", "PPtInBottom", "PptFull", "PPthidden"}},
    {"Flash",
     "FlashLocation",
     {"FlashInMiddle", "FlashInLeft", "FlashInRight", "FlashInTop", "FlashInbuttom", "FlashFull",
      "FlashHidden"}},
    // The picture and video panes have no full-area item.
    {"Image",
     "PictureLocation",
     {"PictureCenter", "PictureLeft", "PictureRight", "PictureTop", "PictureBottom", "", "PictureHidden"}},
    {"Txt",
     "TxtLocation",
     {"TxtInMiddle", "TxtInleft", "TxTInright", "TxTIntop", "TxtInbuttom", "TxtFull", "TxtHidden"}},
    {"Draw",
     "PicDraw",
     {"PicDrawInmiddle", "PicDrawInleft", "PicDrawInright", "PicDrawIntop", "PicDrawInbuttom", "PaintFull",
      "PaintHidden"}},
    {"Video",
     "Video",
     {"VideoInmiddle", "VideoInleft", "VideoInRight", "VideoIntop", "VideoInbuttom", "", "Videohidden"}},
};

const Names &namesOf(PaneKind kind)
{
    return kNames[int(kind)];
}

} // namespace

QString paneKindCaption(PaneKind kind)
{
    return QLatin1String(namesOf(kind).caption);
}

QString locationMenuName(PaneKind kind)
{
    return QLatin1String(namesOf(kind).locationMenu);
}

QString placementItemFor(PaneKind kind, BarCommand command)
{
    return QLatin1String(namesOf(kind).items[int(command)]);
}
