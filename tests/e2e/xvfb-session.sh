#!/usr/bin/env bash
# Runs a command on a private Xvfb display (1024x768, 96 DPI, or the size in
# XVFB_SCREEN) and stops the display afterwards. Usage: xvfb-session.sh COMMAND [ARGS...]
set -euo pipefail
# -noreset: without it the server resets when its last client leaves, and a
# program started right after another one ended finds no display.
fdfile=$(mktemp)
Xvfb -displayfd 3 -screen 0 "${XVFB_SCREEN:-1024x768x24}" -dpi 96 -nolisten tcp -noreset 3>"$fdfile" 2>/dev/null &
xvfb=$!
trap 'kill $xvfb 2>/dev/null; rm -f "$fdfile"' EXIT
for _ in $(seq 100); do [ -s "$fdfile" ] && break; sleep 0.1; done
export DISPLAY=":$(head -n1 "$fdfile")"
unset QT_QPA_PLATFORM
"$@"
