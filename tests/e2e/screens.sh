#!/usr/bin/env bash
# End to end on two screens side by side (two RandR monitors: LEFT the
# teacher's, 1024 x 768, RIGHT the projector chosen in the program's own
# settings file, 1280 x 1024): the cover page and the desktop open on RIGHT,
# move to LEFT when RIGHT is unplugged and back when it returns, laid out for
# the screen they are on and keeping what they show.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"

left_edge_is() { # window x
  [ "$(xdotool getwindowgeometry "$1" | awk '/Position/ { split($2, p, ","); print p[1] }')" = "$2" ]
}
size_is() { [ "$(xdotool getwindowgeometry "$1" | awk '/Geometry/ { print $2 }')" = "$2" ]; }
colours() { # region: how many colours the screen has there
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "$1" +repage -format %k info:
}
strip_at() { # x: the toolbar strip, 41 pixels wide, begins there
  [ "$(colours "30x500+$(($1 + 5))+100")" -gt 2 ] && [ "$(colours "30x500+$(($1 - 40))+100")" -eq 1 ]
}
no_strip_at() { ! strip_at "$1"; }

xrandr --setmonitor LEFT 1024/270x768/203+0+0 screen >/dev/null
xrandr --setmonitor RIGHT 1280/338x1024/271+1024+0 none >/dev/null
write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
write_lesson "$work/app/备课本/配置区/jihe.spz" '第一章 集合' '集合的含义'
printf '[display]\nprojectorScreen=RIGHT\n' >"$XDG_CONFIG_HOME/Veltano/Veltano.ini"

"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
open_lesson jihe.spz 1
cover=$(wait_window '高中数学Veltano' || true)
check test -n "$cover"
check until_true left_edge_is "$cover" 1024
xrandr --delmonitor RIGHT >/dev/null
check until_true left_edge_is "$cover" 0
check until_true size_is "$cover" 1024x768
xrandr --setmonitor RIGHT 1280/338x1024/271+1024+0 none >/dev/null
check until_true left_edge_is "$cover" 1024
check until_true size_is "$cover" 1280x1024
xdotool mousemove 1124 100 click 1
desktop=$(wait_window '一中高中数学Veltano.*' || true)
check test -n "$desktop"
check until_true left_edge_is "$desktop" 1024
check until_true strip_at $((1024 + 1280 - 41))
xrandr --delmonitor RIGHT >/dev/null
check until_true left_edge_is "$desktop" 0
check until_true size_is "$desktop" 1024x768
check until_true strip_at $((1024 - 41))
check no_strip_at 600
# The projector comes back at 1024 x 768 and then switches to 1280 x 1024.
xrandr --setmonitor RIGHT 1024/270x768/203+1024+0 none >/dev/null
check until_true size_is "$desktop" 1024x768
check until_true left_edge_is "$desktop" 1024
check until_true strip_at $((2048 - 41))
xrandr --delmonitor RIGHT >/dev/null
xrandr --setmonitor RIGHT 1280/338x1024/271+1024+0 none >/dev/null
check until_true size_is "$desktop" 1280x1024
check until_true strip_at $((1024 + 1280 - 41))
# Still the same desktop: its caption names the lesson.
check test "$(xdotool getwindowname "$desktop")" = "一中高中数学Veltano                   第一章 集合之集合的含义"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
