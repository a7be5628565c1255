# Sourced by the end-to-end scripts after setting app_dir: a copy of the
# program folder with a settings folder of its own, and the helpers. The
# program's process id goes in pid.
source "$(dirname "${BASH_SOURCE[0]}")/helpers.sh"
work=$(mktemp -d)
pid=
finish() {
  [ -z "$pid" ] || kill $pid 2>/dev/null || true
  # What the program said, for a failed run.
  if [ "$fail" -gt 0 ]; then for log in "$work"/*.log; do [ -f "$log" ] && { echo "== $log"; tail -n 30 "$log"; }; done; fi
  rm -rf "$work"
}
trap finish EXIT
cp -r "$app_dir" "$work/app"
export XDG_CONFIG_HOME="$work/config"
# Qt's accessibility bridge, which the scripts find controls through, on
# without a screen reader asking for it.
export QT_LINUX_ACCESSIBILITY_ALWAYS_ON=1
