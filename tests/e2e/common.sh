# Sourced by the end-to-end scripts after setting app_dir: a copy of the
# program folder with a settings folder of its own, a tally of checks and a
# wait for a window by its exact title. The program's process id goes in pid.
work=$(mktemp -d)
pid=
pass=0 fail=0
finish() {
  [ -z "$pid" ] || kill $pid 2>/dev/null || true
  # What the program said, for a failed run.
  if [ "$fail" -gt 0 ]; then for log in "$work"/*.log; do [ -f "$log" ] && { echo "== $log"; tail -n 30 "$log"; }; done; fi
  rm -rf "$work"
}
trap finish EXIT
cp -r "$app_dir" "$work/app"
export XDG_CONFIG_HOME="$work/config"
check() { if "$@"; then pass=$((pass+1)); else echo "FAILED: $*"; fail=$((fail+1)); fi; }

wait_window() { # name
  for _ in $(seq 300); do # a minute, for a loaded machine
    xdotool search --name "^$1\$" 2>/dev/null | head -n1 && return 0
    sleep 0.2
  done
  return 1
}
