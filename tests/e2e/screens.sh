#!/usr/bin/env bash
# End to end on two screens side by side (two RandR monitors: LEFT the
# teacher's, 1024 x 768, RIGHT the projector chosen in the program's own
# settings file, 1920 x 1080): the cover page and the desktop open on RIGHT,
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
# The window's menu bar is 23 pixels high; the work area and strip start below it.
menu=23
# The toolbar at a strip beginning at x: 18 buttons of 38 pixels from 8 below
# the menu bar, "退出" whole at their end and nothing of a button below it.
toolbar_fitted_at() { # x
  local end=$((menu + 8 + 18 * 38))
  [ "$(colours "30x30+$(($1 + 5))+$((end - 34))")" -gt 2 ] && [ "$(colours "30x14+$(($1 + 5))+$((end + 4))")" -eq 1 ]
}
board_at() { # W H X Y: the drawing board fills this place of the work area, and only it
  local y=$(($4 + menu))
  awk -v m="$(colour_share "$(($1 - 8))x$(($2 - 8))+$(($3 + 4))+$((y + 4))" white)" 'BEGIN { exit !(m > 0.99) }' &&
    awk -v m="$(colour_share "8x$(($2 - 8))+$(($3 - 12))+$((y + 4))" white)" 'BEGIN { exit !(m < 0.01) }'
}
plug_right() { xrandr --setmonitor RIGHT 1920/508x1080/286+1024+0 none >/dev/null; }

xrandr --setmonitor LEFT 1024/270x768/203+0+0 screen >/dev/null
plug_right
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
plug_right
check until_true left_edge_is "$cover" 1024
check until_true size_is "$cover" 1920x1080
xdotool mousemove 1124 100 click 1
desktop=$(wait_window '一中高中数学Veltano.*' || true)
check test -n "$desktop"
check until_true left_edge_is "$desktop" 1024
check until_true strip_at $((1024 + 1920 - 41))
xrandr --delmonitor RIGHT >/dev/null
check until_true left_edge_is "$desktop" 0
check until_true size_is "$desktop" 1024x768
check until_true strip_at $((1024 - 41))
check no_strip_at 600
# The projector comes back at 1024 x 768 and then switches to 1920 x 1080.
xrandr --setmonitor RIGHT 1024/270x768/203+1024+0 none >/dev/null
check until_true size_is "$desktop" 1024x768
check until_true left_edge_is "$desktop" 1024
check until_true strip_at $((2048 - 41))
xrandr --delmonitor RIGHT >/dev/null
plug_right
check until_true size_is "$desktop" 1920x1080
check until_true strip_at $((1024 + 1920 - 41))
check until_true toolbar_fitted_at $((1024 + 1920 - 41))
# "Paint" shows the drawing board on the lower right quarter of the work area
# (1879 x 1023 pixels).
tool Paint
check until_true board_at 940 512 $((1024 + 940)) 512
# Unplugged and plugged in again twice: the toolbar is fitted afresh and the
# board keeps its quarter, on the teacher's screen (983 x 711) as on the projector.
for _ in 1 2; do
  xrandr --delmonitor RIGHT >/dev/null
  check until_true left_edge_is "$desktop" 0
  check until_true board_at 492 356 492 356
  plug_right
  check until_true left_edge_is "$desktop" 1024
done
check until_true size_is "$desktop" 1920x1080
check until_true toolbar_fitted_at $((1024 + 1920 - 41))
check until_true board_at 940 512 $((1024 + 940)) 512
xrandr --delmonitor RIGHT >/dev/null
check until_true size_is "$desktop" 1024x768
check until_true toolbar_fitted_at $((1024 - 41))
check until_true board_at 492 356 492 356
# Still the same desktop: its caption names the lesson.
check test "$(xdotool getwindowname "$desktop")" = "一中高中数学Veltano                   第一章 集合之集合的含义"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
