#!/usr/bin/env bash
# Start-up beside a peer, on the display of the caller (run it inside
# tests/e2e/xvfb-session.sh): start -> home window, cover click -> desktop
# painted, with the memory of the program's process tree at each, and
# OpenBoard's start -> window in the same run.
# Usage: startup.sh APP_DIR RUNS
set -euo pipefail
app_dir=$1 runs=$2
source "$(dirname "$0")/../tests/e2e/common.sh"
source "$(dirname "$0")/benchlib.sh"
write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 'No1 School' '高中数学' 'Li Ming'

desktop_region=983x700+0+40
median() { sort -n | awk '{a[NR] = $1} END {print a[int((NR + 1) / 2)]}'; }

for i in $(seq "$runs"); do
  start=$(now_ms)
  "$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
  home=$(until_visible '^高中数学Veltano$')
  echo "home $(( $(now_ms) - start ))" >>"$work/home.txt"
  sleep 1
  echo "$(tree_rss_mib $pid)" >>"$work/home-rss.txt"
  open_demo_cover
  screen_samples "$desktop_region" 0 "$work/cover.samples"
  cpu=$(cpu_ms $pid)
  # The probe clicks the cover itself and times the desktop painted from the button's release:
  # no process is started between, which a poll of window titles would do every few ms.
  echo "$(screen_samples "$desktop_region" 100 "$work/cover.samples" 100,100) $(( $(cpu_ms $pid) - cpu ))" >>"$work/desktop.txt"
  until_visible 'Veltano +示例之示例课$' >/dev/null
  sleep 2
  echo "$(tree_rss_mib $pid)" >>"$work/desktop-rss.txt"
  ps -o rss=,args= -p "$(tree $pid | xargs | tr ' ' ,)" | awk '{printf "  %6.0f MiB %s\n", $1 / 1024, substr($0, index($0, $2), 60)}' >"$work/desktop-tree.txt"
  kill $pid; wait $pid 2>/dev/null || true
  pid=
done

# The peer: a Qt classroom whiteboard, started the same way on the same display.
if ! command -v OpenBoard >/dev/null; then
  echo "(installing openboard for the comparison)"
  if [ "$(id -u)" = 0 ]; then apt-get install -y -q --no-install-recommends openboard >/dev/null
  else sudo apt-get install -y -q --no-install-recommends openboard >/dev/null; fi
fi
for i in $(seq "$runs"); do
  start=$(now_ms)
  HOME="$work/peer-home" OpenBoard >/dev/null 2>&1 & peer=$!
  until_visible 'OpenBoard' >/dev/null || true
  echo "$(( $(now_ms) - start ))" >>"$work/peer.txt"
  sleep 2
  echo "$(tree_rss_mib $peer)" >>"$work/peer-rss.txt"
  kill $peer; wait $peer 2>/dev/null || true
done

peer=$(median <"$work/peer.txt")
home_ms=$(awk '{print $2}' "$work/home.txt" | median)
painted_ms=$(awk '{print $1}' "$work/desktop.txt" | median)
painted_cpu=$(awk '{print $2}' "$work/desktop.txt" | median)
printf '%-44s %8s   %-28s %s\n' "figure (median of $runs)" value target "OpenBoard, same run"
printf '%-44s %5s ms   %-28s %s ms\n' 'start -> home window' "$home_ms" "<= $((peer / 4)) ms (1/4 of OpenBoard)" "$peer"
printf '%-44s %5s ms   %-28s %s ms\n' 'cover click -> desktop painted' "$painted_ms" "<= $((peer / 4)) ms (1/4 of OpenBoard)" "$peer"
printf '%-44s %5s ms   %-28s %s\n' '  of which the program ran (processor time)' "$painted_cpu" '' '(the rest: waiting on a busy machine)'
printf '%-44s %5s MiB  %-28s %s MiB\n' 'process tree RSS, home window' "$(median <"$work/home-rss.txt")" "" "$(median <"$work/peer-rss.txt")"
printf '%-44s %5s MiB  %-28s %s MiB\n' 'process tree RSS, desktop (no web pane)' "$(median <"$work/desktop-rss.txt")" '<= 150 MiB' "$(median <"$work/peer-rss.txt")"
echo "the desktop's process tree (last run):"
cat "$work/desktop-tree.txt"
echo "load average at the end: $(cut -d" " -f1-3 /proc/loadavg) on $(nproc) cores"
echo "rerun: tests/e2e/xvfb-session.sh bench/startup.sh build/app $runs"
