#!/usr/bin/env bash
# End to end on a 4K projector at 200 % (3840 x 2160, QT_SCALE_FACTOR=2): the
# desktop is laid out as on a 1920 x 1080 screen, every place doubled. The
# toolbar strip, 615 twips wide, begins 28185 twips from the left: 1879 points,
# pixel 3758.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"
export QT_SCALE_FACTOR=2

size_is() { [ "$(xdotool getwindowgeometry "$1" | awk '/Geometry/ { print $2 }')" = "$2" ]; }
colours() { # region: how many colours the screenshot has there
  convert "$work/shot.png" -crop "$1" +repage -format %k info:
}

write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
write_lesson "$work/app/备课本/配置区/jihe.spz" '第一章 集合' '集合的含义'
"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
open_lesson jihe.spz 2
cover=$(wait_window '高中数学Veltano' || true)
check test -n "$cover"
check until_true size_is "$cover" 3840x2160
# A click before the cover is mapped is lost: click again until the desktop shows.
desktop_shown() {
  xdotool mousemove 400 400 click 1
  sleep 1
  desktop=$(xdotool search --name '^一中高中数学Veltano' | head -n1)
  [ -n "$desktop" ]
}
desktop=
check until_true desktop_shown
check until_true size_is "$desktop" 3840x2160
sleep 2 # the first paint
import -window root "$work/shot.png"
[ -n "${VELTANO_SHOT:-}" ] && cp "$work/shot.png" "$VELTANO_SHOT"
# The work area just left of the strip is one plain colour; the strip from
# pixel 3762 on holds the toolbar's buttons (at 1x it would begin at 3799).
check test "$(colours 40x1200+3712+200)" -eq 1
check test "$(colours 28x1200+3762+200)" -gt 2
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
