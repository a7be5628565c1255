#!/usr/bin/env bash
# End to end: a copy of the program folder started twice on a real X display.
# First start: the lesson editor opens and the settings file appears. With
# settings for 高中物理: the home screen shows its title, in orange.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"

"$work/app/veltano" >"$work/first.log" 2>&1 & pid=$!
check wait_window 'Veltano设置' >/dev/null
check test -f "$XDG_CONFIG_HOME/Veltano/Dravik.dll"
check test "$(stat -c %s "$XDG_CONFIG_HOME/Veltano/Dravik.dll")" -ge 128
kill $pid; wait $pid 2>/dev/null || true

# Record 2: unit "", stage-subject 高中物理 (GBK), teacher "".
printf '\0%.0s' $(seq 128) >"$XDG_CONFIG_HOME/Veltano/Dravik.dll"
{ printf '\0\0\x08\0'; printf '高中物理' | iconv -f UTF-8 -t GBK; printf '\0\0'; } >>"$XDG_CONFIG_HOME/Veltano/Dravik.dll"
"$work/app/veltano" >"$work/second.log" 2>&1 & pid=$!
win=$(wait_window '高中物理Veltano' || true)
check test -n "$win"
orange_share() {
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop 570x376+0+0 -fuzz 15% -fill white -opaque '#FF8000' \
    -fill black +opaque white -format '%[fx:mean]' info:
}
title_drawn() { # the window may be mapped before its first paint
  for _ in $(seq 50); do
    awk -v m="$(orange_share)" 'BEGIN { exit !(m > 0.005) }' && return 0
    sleep 0.2
  done
  return 1
}
if [ -n "$win" ]; then
  check title_drawn
  [ -n "${VELTANO_SHOT:-}" ] && cp "$work/shot.png" "$VELTANO_SHOT"
fi
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
