#!/usr/bin/env bash
# End to end: files other programs wrote, in the real program on a real X
# display (1024x768) with the real LibreOffice. A Word file python-docx wrote,
# with a blue picture and a table: its first page shows the picture, grown
# with the large type. An exam paper LibreOffice Writer exported to PDF, which
# paints no page background: the deck pane shows it on white paper.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"
export XDG_CACHE_HOME="$work/cache"
data="$(dirname "$0")/../data/documents"
write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
mkdir -p "$work/app/备课本/课"
cp "$data/pictures-table/pictures-table.docx" "$work/app/备课本/课/图表.docx"
cp "$data/exam-writer.pdf" "$work/app/备课本/课/卷.pdf"
lesson="$work/app/备课本/配置区/卷.spz"
mkdir -p "$(dirname "$lesson")"
printf '%s\r\n' '第一章' '卷' '' '备课本\课\图表.docx' '' '备课本\课\卷.pdf ' '' '' '' '' '' '' '' '' '' |
  iconv -f UTF-8 -t GBK >"$lesson"
start_lesson_desktop "$lesson" 卷

# The page over the work area: the picture, 6 cm at 12 points, is a good
# part of it at 28 points (the converter may take a while the first time).
tool Word
for _ in $(seq 6); do until_share_above 940x740+0+28 '#1060d0' 0.1 && break; done
check until_share_above 940x740+0+28 '#1060d0' 0.1
import -window root "$work/word.png"

# The deck pane, the upper left quarter: the middle of the page is paper.
tool 播放 Powerpoint
check until_share_above 120x120+175+150 white 0.6
import -window root "$work/deck.png"
[ -z "${VELTANO_SHOTS:-}" ] || cp "$work/word.png" "$work/deck.png" "$VELTANO_SHOTS"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
