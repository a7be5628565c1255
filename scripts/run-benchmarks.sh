#!/usr/bin/env bash
# Runs the benchmarks: core file forms (QTest benchmarks), the document panes
# with the real converter, and the program's
# start-up on a private Xvfb display (time to the home window, memory then).
# Usage: run-benchmarks.sh BUILD_DIR [RUNS]
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-5}
here=$(cd "$(dirname "$0")/.." && pwd)

echo "== core"
"$build/bench/bench_core" -median 5 | grep -E 'RESULT|msecs|nsecs|usecs' -A1 | grep -v '^--$'

"$build/bench/bench_pictures"
echo "== document panes (real LibreOffice; offscreen)"
QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$build/app/set/fonts/fonts.conf" "$build/bench/bench_documents" 2>/dev/null

echo "== start-up to the home window (${runs} runs), memory once shown"
"$here/tests/e2e/xvfb-session.sh" bash -c '
  set -euo pipefail
  work=$(mktemp -d); trap "rm -rf $work" EXIT
  cp -r "$0/app" "$work/app"
  export XDG_CONFIG_HOME="$work/config"
  mkdir -p "$XDG_CONFIG_HOME/Veltano"
  { head -c 128 /dev/zero; printf "\0\0\x08\0"; printf "高中数学" | iconv -f UTF-8 -t GBK; printf "\0\0"; } \
    >"$XDG_CONFIG_HOME/Veltano/Dravik.dll"
  for i in $(seq "$1"); do
    start=$(date +%s%N)
    "$work/app/veltano" >/dev/null 2>&1 & pid=$!
    until xdotool search --name "^高中数学Veltano\$" >/dev/null 2>&1; do sleep 0.01; done
    end=$(date +%s%N)
    rss=$(awk "/VmRSS/ {print \$2}" /proc/$pid/status)
    echo "run $i: $(( (end - start) / 1000000 )) ms to the home window, RSS ${rss} kB"
    kill $pid; wait $pid 2>/dev/null || true
  done
' "$build" "$runs"
