# Sourced by the whole-program benchmarks: a clock, the process tree of the
# program and its memory, a wait for a shown window, and the way from the home
# window to the demo lesson's desktop.
now_ms() { echo $(( $(date +%s%N) / 1000000 )); }
tree() { # pid: the process and all its descendants
  local all=$1 next=$1 children
  while [ -n "$next" ]; do
    children=$(for p in $next; do pgrep -P "$p" || true; done | xargs)
    all="$all $children" next=$children
  done
  echo "$all"
}
tree_rss_mib() { # pid: resident memory of the process tree
  for p in $(tree "$1"); do awk '/VmRSS/ {print $2}' "/proc/$p/status" 2>/dev/null; done | awk '{s += $1} END {printf "%.0f", s / 1024}'
}
until_visible() { # name pattern: the first shown window, polled every 10 ms for a minute
  for _ in $(seq 6000); do
    xdotool search --onlyvisible --name "$1" 2>/dev/null | head -n1 && return 0
    sleep 0.01
  done
  return 1
}
open_demo_cover() { # from the home window (its id in $home) to the demo lesson's cover page
  xdotool mousemove --window "$home" 100 100 click 3
  sleep 1
  xdotool mousemove --window "$home" 130 111 click 1 # 打开配置文件
  dialog=$(until_visible '^打开$')
  xdotool mousemove --window "$dialog" 123 74 click --repeat 2 --delay 80 1 # 示例
  sleep 1
  xdotool mousemove --window "$dialog" 123 74 click --repeat 2 --delay 80 1 # 示例课.spz
  until_visible '^高中数学Veltano-------示例课$' >/dev/null
  xdotool mousemove --window "$home" 300 200 click 1
  until_visible '^高中数学Veltano$' >/dev/null
  sleep 2 # the cover settles, its music starts
}
