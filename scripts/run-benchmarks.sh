#!/usr/bin/env bash
# Runs the benchmarks: core file forms (QTest benchmarks), the document panes
# with the real converter, and the program's
# start-up on a private Xvfb display beside OpenBoard (bench/startup.sh).
# Usage: run-benchmarks.sh BUILD_DIR [RUNS]; LESSON_MINUTES (45) sets the long lesson.
set -euo pipefail
build=$(cd "$1" && pwd)
runs=${2:-5}
here=$(cd "$(dirname "$0")/.." && pwd)

echo "== core"
"$build/bench/bench_core" -median 5 | grep -E 'RESULT|msecs|nsecs|usecs' -A1 | grep -v '^--$'

"$build/bench/bench_pictures"

echo "== document panes (real LibreOffice; offscreen)"
QT_QPA_PLATFORM=offscreen FONTCONFIG_FILE="$build/app/set/fonts/fonts.conf" "$build/bench/bench_documents" 2>/dev/null
"$here/tests/e2e/xvfb-session.sh" "$build/bench/bench_flash"

echo "== ink over the desktop (Xvfb 1920x1080)"
XVFB_SCREEN=1920x1080x24 "$here/tests/e2e/xvfb-session.sh" "$build/bench/bench_ink"

echo "== start-up and memory beside OpenBoard (Xvfb 1024x768, ${runs} runs)"
"$here/tests/e2e/xvfb-session.sh" "$here/bench/startup.sh" "$build/app" "$runs"

minutes=${LESSON_MINUTES:-45}
echo "== a ${minutes}-minute lesson (Xvfb; LESSON_MINUTES=3 for a short run)"
"$here/tests/e2e/xvfb-session.sh" "$here/bench/longlesson.sh" "$build/app" "$minutes" ||
  echo "the long lesson missed a target (see above)"
