#!/usr/bin/env bash
# End to end: home screen, cover page, desktop, on a real X display. A lesson is
# chosen in the file dialog and a left click opens the cover page: yellow
# titles over a picture and the music playing (its position bar moves once the
# music menu shows the player). A left click on the picture opens the desktop.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"

write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
write_lesson "$work/app/备课本/配置区/jihe.spz" '第一章 集合' '集合的含义'

"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
open_lesson jihe.spz 1

cover=$(wait_window '高中数学Veltano' || true)
check test -n "$cover"
check until_share_above 1024x300+0+150 '#FFFF00' 0.005 # the yellow titles
check picture_shown
check cover_music_plays
xdotool mousemove 100 100 click 1
check wait_window '一中高中数学Veltano.*' >/dev/null
[ -n "${VELTANO_SHOT:-}" ] && import -window root "$VELTANO_SHOT"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
