#!/usr/bin/env bash
# End to end: home screen, cover page, desktop, on a real X display. A lesson is
# chosen in the file dialog and a left click opens the cover page: yellow
# titles over a picture and the music playing (its position bar moves once the
# music menu shows the player). A left click on the picture opens the desktop.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"

# Share of pixels in a region (WxH+X+Y) close to a colour.
colour_share() { # region colour
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "$1" -fuzz 20% -fill white -opaque "$2" -fill black +opaque white \
    -format '%[fx:mean]' info:
}
until_share_above() { # region colour minimum
  for _ in $(seq 50); do
    awk -v m="$(colour_share "$1" "$2")" -v min="$3" 'BEGIN { exit !(m > min) }' && return 0
    sleep 0.2
  done
  return 1
}
picture_shown() { # a photo has thousands of colours, the plain background a handful
  import -window root "$work/shot.png"
  [ "$(convert "$work/shot.png" -format %k info:)" -gt 2000 ]
}
bar_moves() { # the player's position bar, twice, a while apart
  for _ in $(seq 30); do
    import -window root -crop 512x24+512+744 "$work/bar1.png"
    sleep 1
    import -window root -crop 512x24+512+744 "$work/bar2.png"
    [ "$(compare -metric AE "$work/bar1.png" "$work/bar2.png" null: 2>&1 || true)" != 0 ] && return 0
  done
  return 1
}

write_settings
write_lesson

"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
open_lesson 1

cover=$(wait_window '高中数学Veltano' || true)
check test -n "$cover"
check until_share_above 1024x300+0+150 '#FFFF00' 0.005 # the yellow titles
check picture_shown
xdotool mousemove 100 100 click 3
sleep 1 # the pop-up menu opens
xdotool mousemove 130 203 click 1 # 可视(Visible)
check bar_moves
xdotool mousemove 100 100 click 1
check wait_window '一中高中数学Veltano.*' >/dev/null
[ -n "${VELTANO_SHOT:-}" ] && import -window root "$VELTANO_SHOT"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
