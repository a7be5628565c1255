# Sourced by the end-to-end scripts after setting app_dir: a copy of the
# program folder with a settings folder of its own, a tally of checks and a
# wait for a window by its exact title. The program's process id goes in pid.
work=$(mktemp -d)
pid=
pass=0 fail=0
finish() {
  [ -z "$pid" ] || kill $pid 2>/dev/null || true
  # What the program said, for a failed run.
  if [ "$fail" -gt 0 ]; then for log in "$work"/*.log; do [ -f "$log" ] && { echo "== $log"; tail -n 30 "$log"; }; done; fi
  rm -rf "$work"
}
trap finish EXIT
cp -r "$app_dir" "$work/app"
export XDG_CONFIG_HOME="$work/config"
check() { if "$@"; then pass=$((pass+1)); else echo "FAILED: $*"; fail=$((fail+1)); fi; }

wait_window() { # name: a shown window with exactly this title
  for _ in $(seq 300); do # a minute, for a loaded machine
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 && return 0
    sleep 0.2
  done
  return 1
}

# Share of pixels in a region (WxH+X+Y) of the screen close to a colour.
colour_share() { # region colour
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "$1" -fuzz 20% -fill white -opaque "$2" -fill black +opaque white \
    -format '%[fx:mean]' info:
}
until_share_above() { # region colour minimum: waits up to ten seconds for a paint
  for _ in $(seq 50); do
    awk -v m="$(colour_share "$1" "$2")" -v min="$3" 'BEGIN { exit !(m > min) }' && return 0
    sleep 0.2
  done
  return 1
}

# The cover page's music: its pop-up menu's 可视 shows the player, whose
# position bar moves while the music plays (looked at twice, a while apart).
cover_music_plays() {
  xdotool mousemove 100 100 click 3
  sleep 1 # the pop-up menu opens
  xdotool mousemove 130 203 click 1 # 可视(Visible)
  for _ in $(seq 30); do
    import -window root -crop 512x24+512+744 "$work/bar1.png"
    sleep 1
    import -window root -crop 512x24+512+744 "$work/bar2.png"
    [ "$(compare -metric AE "$work/bar1.png" "$work/bar2.png" null: 2>&1 || true)" != 0 ] && return 0
  done
  return 1
}
