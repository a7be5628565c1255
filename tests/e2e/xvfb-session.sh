#!/usr/bin/env bash
# Runs a command on a private Xvfb display (1024x768, 96 DPI, or the size in
# XVFB_SCREEN) with a D-Bus session of its own, where the accessibility bus
# starts on demand (the scripts find controls through it), and stops both
# afterwards. Usage: xvfb-session.sh COMMAND [ARGS...]
set -euo pipefail
# An explicit free display number: with -displayfd the server may reuse a
# number freed a moment before, and a client then fails to connect now and
# then. Another session may take the same number at the same moment: the
# display is ours only when its lock file names our server, else the next
# number is tried.
# -noreset: without it the server resets when its last client leaves, and a
# program started right after another one ended finds no display.
xvfb= bus=
trap '[ -z "$xvfb" ] || kill $xvfb 2>/dev/null; [ -z "$bus" ] || kill $bus 2>/dev/null' EXIT
for n in $(seq 100 199); do
  [ -e "/tmp/.X$n-lock" ] && continue
  Xvfb ":$n" -screen 0 "${XVFB_SCREEN:-1024x768x24}" -dpi 96 -nolisten tcp -noreset 2>/dev/null &
  xvfb=$!
  ours() { [ "$(tr -d ' \n' <"/tmp/.X$n-lock" 2>/dev/null)" = "$xvfb" ] && [ -S "/tmp/.X11-unix/X$n" ]; }
  for _ in $(seq 100); do
    ours && kill -0 $xvfb 2>/dev/null && break
    kill -0 $xvfb 2>/dev/null || break
    sleep 0.1
  done
  if kill -0 $xvfb 2>/dev/null && ours; then
    export DISPLAY=":$n"
    break
  fi
  xvfb=
done
[ -n "$xvfb" ] || { echo "xvfb-session: no display could be started" >&2; exit 1; }
unset QT_QPA_PLATFORM
# A session bus of its own, quiet (its services' messages are no test's), with
# the accessibility bus started before the program looks for it.
{ read -r DBUS_SESSION_BUS_ADDRESS; read -r bus; } < <(dbus-daemon --session --fork --print-address=1 --print-pid=1 2>/dev/null)
export DBUS_SESSION_BUS_ADDRESS
dbus-update-activation-environment DISPLAY
dbus-send --session --print-reply --dest=org.a11y.Bus /org/a11y/bus org.a11y.Bus.GetAddress >/dev/null
"$@"
