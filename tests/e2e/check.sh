#!/usr/bin/env bash
# End to end: `veltano --check` on a copy of the program folder, with the real
# media back ends and no display. A lesson whose music plays, whose picture
# decodes, whose other picture moved into a sub-folder, whose clip is no video
# and whose decks, document and PNG are not what their names say: status 1 and
# a report naming each; once mended, status 0, with a rich-text document converted for real
# into the document cache. Names in another letter case are found, as on the
# Windows machine the lesson comes from; a missing page of the lesson's web
# address counts. Standard error holds nothing but the check's own errors.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export XDG_CACHE_HOME="$work/cache"

mkdir -p "$work/app/备课本/配置区" "$work/app/备课本/图片"
cp "$work/app/set/image/2.jpg" "$work/app/备课本/图片/旧图.jpg"
head -c 4000 /dev/urandom >"$work/app/备课本/clip.mp4"
head -c 4000 /dev/urandom >"$work/app/备课本/坏.ppt"
# Today's kinds, renamed or broken: a picture that is a deck, a deck that is a
# picture, a PDF cut short, a WPS text LibreOffice cannot open.
cp "$work/app/备课本/示例/示例幻灯片.pptx" "$work/app/备课本/截图.png"
cp "$work/app/备课本/示例/图7.png" "$work/app/备课本/课件.pptx"
head -c 2000 "$work/app/备课本/示例/示例幻灯片.pdf" >"$work/app/备课本/讲稿.pdf"
{ printf '\xd0\xcf\x11\xe0\xa1\xb1\x1a\xe1'; head -c 8000 /dev/urandom; } >"$work/app/备课本/教案.wps"
printf '{\\rtf1\\ansi hello\\par}' >"$work/app/备课本/讲义.rtf"
# Files other programs wrote: a PDF whose second page cannot be rendered, a
# BigTIFF (ImageMagick), a 12-bit JPEG (GDAL).
data="$(dirname "$0")/../data"
cp "$data/documents/second-page-missing.pdf" "$work/app/备课本/缺页.pdf"
cp "$data/pictures/bigtiff-imagemagick.tif" "$work/app/备课本/大图.tif"
cp "$data/pictures/precision12-gdal.jpg" "$work/app/备课本/深图.jpg"
lesson() { # picture list, audio/video list, deck list, document, web address
  printf '%s\r\n' '第一章' '检查' '' "${4:-}" '' "${3:-}" '' "$2" "$1" \
    'D:\Veltano\set\music\gaoshanls.mp3' '' '' '' "${5:-}" '' | iconv -f UTF-8 -t GBK >"$work/app/备课本/配置区/检查.spz"
}

lesson 'set\image\1.jpg 备课本\旧图.jpg 备课本\图片\旧图.JPG D:\旧电脑\图片\图8.jpg 备课本\截图.png 备课本\大图.tif 备课本\深图.jpg ' \
  '备课本\clip.mp4 ' '备课本\坏.ppt 备课本\课件.pptx 备课本\讲稿.pdf 备课本\缺页.pdf ' '教案.wps' '备课本\示例\丢失的首页.html'
status=0
"$work/app/veltano" --check "$work/app/备课本/配置区/检查.spz" >"$work/report.txt" 2>"$work/check.log" || status=$?
check test "$status" -eq 1
# The terminal gets the report alone: what Qt, the sound system and
# LibreOffice say on the way goes to a log in the cache.
check test ! -s "$work/check.log"
check test -f "$XDG_CACHE_HOME/Veltano/check.log"
check grep -qF "[找到] 图片文件：set\\image\\1.jpg -> $work/app/set/image/1.jpg" "$work/report.txt"
check grep -qF "[缺少] 图片文件：备课本\\旧图.jpg" "$work/report.txt"
check grep -qF "同名文件：$work/app/备课本/图片/旧图.jpg" "$work/report.txt"
check grep -qF "[找到] 图片文件：备课本\\图片\\旧图.JPG -> $work/app/备课本/图片/旧图.jpg" "$work/report.txt"
check grep -qF "[缺少] 图片文件：D:\\旧电脑\\图片\\图8.jpg -> D:\\旧电脑\\图片\\图8.jpg" "$work/report.txt"
check grep -qF "[缺少] 浏览器地址：备课本\\示例\\丢失的首页.html" "$work/report.txt"
check grep -qF "[不能播放] 视音频文件名：备课本\\clip.mp4" "$work/report.txt"
check grep -qF "[不能播放] Ppt文件名：备课本\\坏.ppt" "$work/report.txt"
check grep -qF "[不能播放] Ppt文件名：备课本\\课件.pptx" "$work/report.txt"
check grep -qF "[不能播放] Ppt文件名：备课本\\讲稿.pdf" "$work/report.txt"
check grep -qF "[不能播放] 图片文件：备课本\\截图.png" "$work/report.txt"
check grep -qF "[不能播放] 文档文件名：教案.wps" "$work/report.txt"
check grep -qF "文件内容不是 PowerPoint 演示文稿" "$work/report.txt"
check grep -qF "PDF 文件已损坏" "$work/report.txt"
check grep -qF "文件内容不是图片" "$work/report.txt"
check grep -qF "文件内容不是视频或音频" "$work/report.txt"
check grep -qF "WPS 格式无法转换，请在 WPS 中另存为 .docx" "$work/report.txt"
check grep -qF "[找到] 图片文件：备课本\\大图.tif" "$work/report.txt"
check grep -qF "[不能播放] 图片文件：备课本\\深图.jpg" "$work/report.txt"
check grep -qF "12 位 JPEG，暂不支持" "$work/report.txt"
check grep -qF "[不能播放] Ppt文件名：备课本\\缺页.pdf" "$work/report.txt"
check grep -qF "第 2 页无法显示" "$work/report.txt"
# A path of the Windows machine, found below this program folder.
check grep -qF "[找到] 背景音乐1：D:\\Veltano\\set\\music\\gaoshanls.mp3 -> $work/app/set/music/gaoshanls.mp3" "$work/report.txt"

lesson 'set\image\1.jpg 备课本\图片\旧图.jpg ' 'SET\Music\TN.MID ' '' '讲义.rtf' 'http://www.example.cn/'
status=0
"$work/app/veltano" --check "$work/app/备课本/配置区/检查.spz" >"$work/report.txt" 2>"$work/check.log" || status=$?
check test "$status" -eq 0
check grep -qF "共 5 项，0 项有问题。" "$work/report.txt"
check grep -qF "[找到] 文档文件名：讲义.rtf" "$work/report.txt"
check compgen -G "$XDG_CACHE_HOME/Veltano/documents/*.html"

# The demo lesson, one file of each of today's kinds among them, is clean.
status=0
"$work/app/veltano" --check "$work/app/备课本/配置区/示例/示例课.spz" >"$work/report.txt" 2>"$work/check.log" || status=$?
check test "$status" -eq 0
check test ! -s "$work/check.log"
check grep -qF "[找到] Ppt文件名：示例\\示例幻灯片.pdf" "$work/report.txt"
check grep -qF "[找到] 视音频文件名：备课本\\示例\\彩条.mp4" "$work/report.txt"

status=0
"$work/app/veltano" --check "$work/app/备课本/配置区/无此课.spz" >/dev/null 2>"$work/check.log" || status=$?
check test "$status" -eq 1
# A real error still reaches the terminal, alone.
check test "$(wc -l <"$work/check.log")" -eq 1
[ "$fail" -gt 0 ] && cat "$work/report.txt"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
