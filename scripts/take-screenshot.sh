#!/usr/bin/env bash
# Takes the README's picture docs/desktop.png: the end-to-end test plays the
# demo lesson on a private X display and saves the desktop on the way.
# Usage: scripts/take-screenshot.sh [build folder]   (build it first: make build)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-$root/build}
mkdir -p "$root/docs"
VELTANO_SHOT="$root/docs/desktop.png" \
  "$root/tests/e2e/xvfb-session.sh" "$root/tests/e2e/demolesson.sh" "$build/app" "$build/tests/e2e/closewindow"
