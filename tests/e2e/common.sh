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

# Retries a check for up to twenty seconds.
until_true() { # command...
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}
wait_window() { # name
  for _ in $(seq 300); do # a minute, for a loaded machine
    xdotool search --name "^$1\$" 2>/dev/null | head -n1 && return 0
    sleep 0.2
  done
  return 1
}

# Settings: unit 一中, stage-subject 高中数学, teacher 李明 (GBK, record 2).
gbk_text() { local b; b=$(printf '%s' "$1" | iconv -f UTF-8 -t GBK); printf "\\x$(printf %02x ${#b})\\0%s" "$b"; }
write_settings() {
  mkdir -p "$XDG_CONFIG_HOME/Veltano"
  { head -c 128 /dev/zero; LC_ALL=C gbk_text 一中; LC_ALL=C gbk_text 高中数学; LC_ALL=C gbk_text 李明; } \
    >"$XDG_CONFIG_HOME/Veltano/Dravik.dll"
}
# The lesson 集合.spz: lines 1 and 2 as given, the rest empty.
write_lesson() {
  mkdir -p "$work/app/备课本/配置区"
  printf '%s\r\n' '第一章 集合' '集合的含义' '' '' '' '' '' '' '' '' '' '' '' '' '' | iconv -f UTF-8 -t GBK \
    >"$work/app/备课本/配置区/集合.spz"
}
# On the home screen: 打开配置文件, 集合.spz typed into the dialog, then a left
# click on to the cover page. The argument is the screen's scale (pixels per
# point of the layout). Ends the test when the home screen never shows.
open_lesson() { # scale
  home=$(wait_window '高中数学Veltano' || true)
  check test -n "$home"
  [ -n "$home" ] || { echo "$pass passed, $fail failed"; exit 1; }
  xdotool mousemove --window "$home" $((100 * $1)) $((100 * $1)) click 3
  sleep 1 # the pop-up menu opens
  xdotool mousemove --window "$home" $((130 * $1)) $((100 * $1 + 11 * $1)) click 1 # 打开配置文件
  dialog=$(wait_window '打开' || true)
  check test -n "$dialog"
  xdotool windowfocus "$dialog" 2>/dev/null || true
  xdotool type --delay 20 '集合.spz'
  xdotool key Return
  check wait_window '高中数学Veltano-------集合' >/dev/null
  xdotool mousemove --window "$home" $((300 * $1)) $((200 * $1)) click 1
}
