#pragma once

#include "lesson/filekinds.h"

// Open-dialog filters ("description|patterns|…") that several windows offer,
// kept in one place so the choices stay alike.
namespace mediafilters {

// Music and video: the cover page's music, the desktop's video pane and the
// editor's background-music pickers.
inline const char *const kMusic =
    "MP3文件|*.mp3;*.M3u|Midi文件|*.mid;*.midi;*.rmi|Windows视音频文件|*.avi;*.wav|电影文件|*.mpg;*.mpeg;"
    "*.mpa;*.mpv2;*.mp2v;*.mpe;*.mp2;*.dat|Windows Media音视频文件|*.wma;*.wax;*.wmv;*.wvx|所有文件|*.*";

// Background pictures: the desktop's and the editor's background-picture pickers.
inline const char *const kBackgroundPicture =
    "Jpg文件|*.jpg|Bmp文件|*.bmp|Jpeg文件|*.jpeg|Gif文件|*.gif|所有文件|*.*";

// The filters as the dialogs offer them, today's kinds after the entries above.
inline QString music()
{
    return filekinds::withCommonFormats(QString::fromUtf8(kMusic), MediaKind::AudioVideo);
}
inline QString backgroundPicture()
{
    return filekinds::withCommonFormats(QString::fromUtf8(kBackgroundPicture), MediaKind::Picture);
}

} // namespace mediafilters
