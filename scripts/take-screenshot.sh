#!/usr/bin/env bash
# Takes the README's pictures docs/desktop.png and docs/ink.png: the end-to-end
# tests play the demo lesson on a private X display and save the screen on the way.
# Usage: scripts/take-screenshot.sh [build folder]   (build it first: make build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
mkdir -p "$root/docs"
VELTANO_SHOT="$root/docs/desktop.png" \
  "$root/tests/e2e/xvfb-session.sh" "$root/tests/e2e/demolesson.sh" "$build/app" "$build/tests/e2e/closewindow"
VELTANO_SHOT="$root/docs/ink.png" "$root/tests/e2e/xvfb-session.sh" "$root/tests/e2e/ink.sh" "$build/app"
