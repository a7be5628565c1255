#!/usr/bin/env bash
# End to end: ink over the playing video of the demo lesson on a real X
# display (1024x768). F12 freezes the work area, a left drag draws a red line
# over the video, 保存 from the right-click menu writes the still with the line
# into 备课本/批注/, Esc gives the live video back where it was. Then the same
# over the browser window, from a key pressed in that window.
# With VELTANO_SHOT set, the screen in ink mode is saved there as a PNG.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"

write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
# The demo lesson under a name that can be typed: its media names are relative
# to the program folder, so it plays from anywhere in the lesson book.
cp "$work/app/备课本/配置区/示例/示例课.spz" "$work/app/备课本/配置区/ink.spz"
"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
open_lesson ink.spz 1
check wait_window '高中数学Veltano' >/dev/null
click_to_desktop

# The video's noise: it moves while the video plays.
noise=100x70+360+632
changes() { # region: whether it differs between two looks half a second apart
  import -window root -crop "$1" +repage "$work/look1.png"
  sleep 0.5
  import -window root -crop "$1" +repage "$work/look2.png"
  [ "$(compare -metric AE "$work/look1.png" "$work/look2.png" null: 2>&1 || true)" != 0 ]
}
# The video, colour bars in the lower left quarter.
lower_left=491x320+0+380 stroke_band=240x24+100+508 frame_top=983x2+0+24
press 'push button' Video
check until_share_above "$lower_left" '#FFFF00' 0.05
# The clip lasts ten seconds: what follows up to Esc takes about half of that.
check until_true changes "$noise"
xdotool windowfocus "$desktop" key F12
# The frame tells ink mode.
check until_share_above "$frame_top" '#FF8C00' 0.9
# It stands still under the ink.
check test "$(changes "$noise" && echo live || echo still)" = still
# A left drag over the video draws a red line on its still.
xdotool mousemove 100 520 mousedown 1
for x in $(seq 120 20 340); do xdotool mousemove "$x" 520; done
xdotool mouseup 1
check until_share_above "$stroke_band" '#E0201C' 0.1
[ -n "${VELTANO_SHOT:-}" ] && import -window root "$VELTANO_SHOT"

# 保存 from the right-click menu.
choose_popup 保存 700 300
saved() { ls "$work/app/备课本/批注/"*.png 2>/dev/null | head -n1 | grep .; }
check until_true saved >/dev/null
# Esc: the live video again, still playing, where it was, without the line.
xdotool key Escape
check until_true changes "$noise"
check until_share_below "$stroke_band" '#E0201C' 0.01
check until_share_above "$lower_left" '#FFFF00' 0.05
check until_share_below "$frame_top" '#FF8C00' 0.1
picture=$(saved || true)
# Named after the lesson's titles; the still's video bars under the red line.
check test "$(basename "$picture" | sed 's/-[0-9]\{8\}-[0-9]\{6\}\.png$//')" = '示例-示例课'
in_picture() { # region colour: share of the saved picture's region close to the colour
  convert "$picture" -crop "$1" +repage \( +clone -fill "$2" -colorize 100 \) \
    -compose difference -composite -separate -evaluate-sequence max -threshold 20% -negate \
    -format '%[fx:mean]' info:
}
above() { awk -v m="$1" -v min="$2" 'BEGIN { exit !(m > min) }'; }
# The picture begins below the menu bar: the bands allow for its height.
check above "$(in_picture 240x60+100+468 '#E0201C')" 0.03
check above "$(in_picture 491x300+0+360 '#FFFF00')" 0.05

# The lesson's start page in the browser window, which stands above the
# desktop: F12 pressed there freezes it too, and a stroke across the page
# shows on the screen, over the window; Esc gives the page back.
choose_menu 浏览器
page=$(wait_window 'Veltano 示例课' || true)
check test -n "$page"
[ -n "$page" ] || give_up
eval "$(xdotool getwindowgeometry --shell "$page")"
row=$((Y + HEIGHT / 2))
across="$((WIDTH - 120))x16+$((X + 60))+$((row - 8))"
check until_share_below "$across" '#E0201C' 0.01
xdotool windowfocus "$page" key F12
check until_share_above "$frame_top" '#FF8C00' 0.9
xdotool mousemove $((X + 40)) $row mousedown 1
for x in $(seq $((X + 60)) 20 $((X + WIDTH - 40))); do xdotool mousemove "$x" $row; done
xdotool mouseup 1
check until_share_above "$across" '#E0201C' 0.1
[ -n "${VELTANO_SHOT_BROWSER:-}" ] && import -window root "$VELTANO_SHOT_BROWSER"
xdotool key Escape
check until_share_below "$across" '#E0201C' 0.01
check until_share_below "$frame_top" '#FF8C00' 0.1

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
