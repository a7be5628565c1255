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
click() { xdotool mousemove "$1" "$2" click 1; sleep 0.5; } # a place of the work area
button() { tool "$@"; sleep 0.5; } # caption [tool-tip start]
menu() { choose_menu "$@"; sleep 0.5; } # item...
visible_windows() { xdotool search --onlyvisible --name . 2>/dev/null | sort; }
browser_round() { # the lesson's web page in a browser window (窗口, its last item), closed again
  local before window
  before=$(visible_windows)
  choose_menu 窗口 浏览器
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
declare -F while_movie_plays >/dev/null || while_movie_plays() { :; } # a caller's look at the playing movie
lesson_round() {
  button Word; button Word # the lesson document, its next page
  button 播放 Powerpoint; sleep 1; button 停止 Powerpoint # the deck shown and stopped
  button 播放 Flash; sleep 2; while_movie_plays; button 停止 Flash # the Flash movie played and stopped
  button Txt; button Txt # text pages
  click 500 600; menu 上端 # the pane to the top half from the menu bar
  button Video
  button Paint # the drawing board
  button Picture; button Picture # pictures
  menu 窗口 '图片(Picture)' 画面切换 三画面 # three at once
  menu 窗口 '图片(Picture)' 放大 # zoom on
  click 820 380; click 820 380 # zoomed and back
  menu 窗口 '图片(Picture)' 放大 # zoom off
  button Video; button Paint # video and board away
  browser_round
}
