#!/usr/bin/env bash
# A long lesson, on the display of the caller (run it inside
# tests/e2e/xvfb-session.sh): the demo lesson's toolbar and menu commands
# repeated for MINUTES minutes (the lesson document and its pages, the deck,
# the Flash movie, text pages, a placement, the video, the drawing board,
# pictures one and three at a time, zoomed in and out, the lesson's web page
# in a browser window opened and closed), the memory of the process tree
# sampled each minute; its growth from minute 5 (minute 1 in a run shorter
# than 6 minutes) to the end, and the processes, file descriptors and
# temporary files (and the allocation arenas of threads in the tree, also while
# movies play, which should be none)
# before and after. Exits non-zero when the growth is 10 % or
# more or anything is left behind. A run given in seconds (the test command's
# "20s") plays at least one round after the first and samples after each.
# Usage: longlesson.sh APP_DIR MINUTES|SECONDSs
set -euo pipefail
app_dir=$1
case $2 in
  *s) length=$((${2%s} * 1000)) period=1 unit=round ;;
  *) length=$(($2 * 60000)) period=60000 unit=minute ;;
esac
source "$(dirname "$0")/../tests/e2e/common.sh"
source "$(dirname "$0")/benchlib.sh"
write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 'No1 School' '高中数学' 'Li Ming'
export TMPDIR="$work/tmp"
mkdir -p "$TMPDIR"

counts() { # processes in the tree, descriptors of the program, temporary files, thread arenas in the tree
  echo "$(tree $pid | wc -w) $(ls /proc/$pid/fd | wc -l) $(find "$TMPDIR" -mindepth 1 | wc -l) $(tree_arenas $pid)"
}
# The movie's page process has its threads only while a movie plays.
movie_arenas=0
while_movie_plays() { movie_arenas=$((movie_arenas + $(tree_arenas $pid))); }
source "$(dirname "$0")/lessonround.sh"

start_demo_desktop
lesson_round # the first round loads what every later one reuses
sleep 3 # the closed browser's page process ends
before=$(counts)

start=$(now_ms) samples=() elapsed=0
while [ ${#samples[@]} -eq 0 ] || [ "$elapsed" -lt "$length" ]; do
  lesson_round
  elapsed=$(($(now_ms) - start))
  if [ "$elapsed" -ge $(((${#samples[@]} + 1) * period)) ]; then
    samples+=("$(tree_rss_mib $pid)")
    echo "$unit ${#samples[@]}: ${samples[-1]} MiB"
  fi
done
sleep 3 # the last round's media settle
after=$(counts)
kill -0 $pid # still running

from=$([ ${#samples[@]} -ge 6 ] && [ $unit = minute ] && echo 5 || echo 1)
base=${samples[$((from - 1))]} last=${samples[-1]}
growth=$(awk -v a="$base" -v b="$last" 'BEGIN { printf "%.1f", (b - a) * 100 / a }')
read -r p0 f0 t0 a0 <<<"$before"
read -r p1 f1 t1 a1 <<<"$after"
printf '%-48s %12s   %s\n' "figure ($(( elapsed / 1000 )) s)" value target
printf '%-48s %10s %%   %s\n' "RSS growth, $unit $from ($base MiB) to the end ($last MiB)" "$growth" '< 10 %'
printf '%-48s %12s   %s\n' 'processes in the tree, before -> after' "$p0 -> $p1" 'no more after'
printf '%-48s %12s   %s\n' 'open file descriptors, before -> after' "$f0 -> $f1" 'no more after'
printf '%-48s %12s   %s\n' 'temporary files, before -> after' "$t0 -> $t1" 'no more after'
printf '%-48s %12s   %s\n' 'allocation arenas of threads, before -> after' "$a0 -> $a1" 'none'
printf '%-48s %12s   %s\n' 'allocation arenas of threads while movies played' "$movie_arenas" 'none'
echo "rerun: tests/e2e/xvfb-session.sh bench/longlesson.sh build/app $2"
awk -v g="$growth" 'BEGIN { exit !(g < 10) }' && [ "$p1" -le "$p0" ] && [ "$f1" -le "$f0" ] && [ "$t1" -le "$t0" ] &&
  [ "$a1" -eq 0 ] && [ "$movie_arenas" -eq 0 ]
