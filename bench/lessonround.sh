# Sourced by the whole-lesson benchmarks after common.sh and benchlib.sh: the
# way to the demo lesson's desktop, and on it one round of its toolbar and menu
# commands (the lesson document and its next page, the deck shown and stopped,
# the Flash movie played and stopped, text pages, a placement from the menu
# bar, the video, the drawing board, pictures one and three at a time, zoomed
# in and out, the lesson's web page in a browser window closed again).
start_demo_desktop() { # the program (its id in pid) from its start to the demo lesson's desktop
  # LESSON_WRAPPER runs it under a profiler (e.g. heaptrack -o FILE)
  ${LESSON_WRAPPER:-} "$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
  home=$(until_visible '^高中数学Veltano$')
  open_demo_cover
  xdotool mousemove 100 100 click 1
  until_visible 'Veltano +示例之示例课$' >/dev/null
  sleep 2
}
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; }
button() { click 1003 $((47 + 38 * $1)); } # the toolbar column, button n from 0
picture_menu() { click 105 11; sleep 0.5; xdotool key --delay 120 Down Down Down Down Down Down Down Right "$@"; sleep 0.5; }
visible_windows() { xdotool search --onlyvisible --name . 2>/dev/null | sort; }
browser_round() { # the lesson's web page in a browser window (窗口, its last item), closed again
  local before window
  before=$(visible_windows)
  click 105 11; xdotool key Up Return
  for _ in $(seq 100); do
    window=$(comm -13 <(echo "$before") <(visible_windows) | head -n1)
    [ -n "$window" ] && break
    sleep 0.1
  done
  [ -n "$window" ] || { echo "no browser window"; return 1; }
  sleep 2 # the page loads
  close_window "$window"
  for _ in $(seq 100); do
    visible_windows | grep -qx "$window" || return 0
    sleep 0.1
  done
  echo "the browser window did not close"
  return 1
}
lesson_round() {
  button 0; button 0 # the lesson document, its next page
  button 1; sleep 1; button 1 # the deck shown and stopped
  button 2; sleep 2; button 2 # the Flash movie played and stopped
  button 3; button 3 # text pages
  click 500 600; click 365 11 # the pane to the top half from the menu bar
  button 6 # the video
  button 4 # the drawing board
  button 5; button 5 # pictures
  picture_menu Down Right Down Down Return # three at once
  picture_menu Down Down Return # zoom on
  click 820 380; click 820 380 # zoomed and back
  picture_menu Down Down Return # zoom off
  button 6; button 4 # video and board away
  browser_round
}
