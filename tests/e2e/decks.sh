#!/usr/bin/env bash
# End to end: a PowerPoint 97 quiz deck plays its click build in the deck pane
# on a real X display (1024x768). Slide 1 shows its question alone; one click
# on the slide brings the red answer in; PageDown goes to the blue slide 2,
# where a further step changes nothing; PageUp goes back. The click made the
# deck the current pane kind, so the menu bar's 居中 moves it.
# The deck is the hand-written quiz.pptx of tests/data/decks saved as .ppt by
# LibreOffice, as a teacher's suite saves it. With VELTANO_SHOT set, the
# screen with the answer in is saved there as a PNG.
set -euo pipefail
app_dir=$1
data="$(dirname "$0")/../data/decks"
source "$(dirname "$0")/common.sh"

write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
soffice -env:UserInstallation="file://$work/office" --headless --convert-to ppt --outdir "$work/app/备课本" \
  "$data/quiz.pptx" >"$work/office.log" 2>&1
check test -s "$work/app/备课本/quiz.ppt"
lesson="$work/app/备课本/配置区/quiz.spz"
printf '%s\r\n' 章 课 备课本 '' '' 'quiz.ppt ' '' '' '' '' '' '' '' '' '' | iconv -f UTF-8 -t GBK >"$lesson"
export XDG_CACHE_HOME="$work/cache"
"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
open_lesson quiz.spz 1
click_to_desktop

# The deck pane takes the upper left quarter of the work area; the slide
# fills its width. Its answer box lies in the middle of the lower half.
question=200x40+145+75 answer=100x60+195+240 slide=400x250+40+60
tool 播放 Powerpoint
# The question, black on white, with no red anywhere.
check until_share_above "$slide" '#FFFFFF' 0.6
check until_share_above "$question" '#000000' 0.03
sleep 1
check until_share_below "$slide" '#FF0000' 0.001
# One click on the slide, away from the answer: the answer comes in.
xdotool mousemove 60 300 click 1
check until_share_above "$answer" '#FF0000' 0.8
[ -n "${VELTANO_SHOT:-}" ] && import -window root "$VELTANO_SHOT"
# PageDown: slide 2, blue.
xdotool key Next
check until_share_above "$slide" '#0000FF' 0.6
check until_share_below "$answer" '#FF0000' 0.01
# A further step on the last build of the last slide leaves it there.
xdotool key Next
sleep 1
check until_share_above "$slide" '#0000FF' 0.6
# Back: slide 1 with its answer in.
xdotool key Prior
check until_share_above "$answer" '#FF0000' 0.8
# The click into the slide made the deck the current pane: 居中 moves it.
choose_menu 居中
check until_share_above 100x60+441+420 '#FF0000' 0.8
check until_share_below "$answer" '#FF0000' 0.01

echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
