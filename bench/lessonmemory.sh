#!/usr/bin/env bash
# The whole lesson's memory, on the display of the caller (run it inside
# tests/e2e/xvfb-session.sh): proportional set size summed over the program and
# every process it started (/proc/PID/smaps_rollup; a page shared by several
# counts once in all). The demo lesson is played through twice with a document
# cache of its own, so its documents convert and LibreOffice runs, sampled
# every half second for the peak; then read AFTER seconds (60) after the last
# browser window closed, and once more when the office's idle quit is due.
# Usage: lessonmemory.sh APP_DIR [AFTER]
set -euo pipefail
app_dir=$1 after=${2:-60}
source "$(dirname "$0")/../tests/e2e/common.sh"
source "$(dirname "$0")/benchlib.sh"
source "$(dirname "$0")/lessonround.sh"
write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 'No1 School' '高中数学' 'Li Ming'
export XDG_CACHE_HOME="$work/cache"
office() { # the office's processes in the program's tree
  for p in $(tree $pid); do tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null || true; echo; done | grep -c soffice || true
}

start_demo_desktop
desktop=$(tree_pss_mib $pid)
(while kill -0 $pid 2>/dev/null; do tree_pss_mib $pid; echo; sleep 0.5; done) >"$work/pss.log" &
sampler=$!
lesson_round
lesson_round
office_then=$(office)
sleep "$after"
kill $sampler
later=$(tree_pss_mib $pid)
peak=$(sort -n "$work/pss.log" | tail -n1)
# The office quits two minutes after its last conversion, which came before the rounds' end.
sleep $((120 - after > 0 ? 120 - after + 5 : 5))
idle=$(tree_pss_mib $pid)
for p in $(tree $pid); do # what each process holds then
  printf '  %5s MiB  %s\n' "$(awk '/^Pss:/ {printf "%.0f", $2 / 1024}' "/proc/$p/smaps_rollup" 2>/dev/null)" \
    "$(tr '\0' ' ' <"/proc/$p/cmdline" 2>/dev/null | grep -oE '^[^ ]+|--type=[a-z-]+' | xargs)"
done >"$work/processes.txt"
kill -0 $pid # still running

printf '%-60s %8s   %s\n' "figure (load $(cut -d' ' -f1 /proc/loadavg))" PSS target
printf '%-60s %4s MiB\n' 'desktop of the demo lesson, before any pane' "$desktop"
printf '%-60s %4s MiB   %s\n' 'peak over two rounds of the lesson' "$peak" '<= 500 MiB'
printf '%-60s %4s MiB   %s\n' "${after} s after the last browser window closed (office: $office_then)" "$later" \
  '<= 200 MiB a minute after'
printf '%-60s %4s MiB\n' "office idle quit due (office processes: $(office))" "$idle"
cat "$work/processes.txt"
echo "rerun: tests/e2e/xvfb-session.sh bench/lessonmemory.sh build/app $after"
