# Sourced by the whole-program test scripts: a tally of checks, clicks on
# controls found by name, a wait for a window by its exact title, and writers
# of the settings and lesson files the program reads (GBK, as the Windows
# version writes them).
pass=0 fail=0
check() { if "$@"; then pass=$((pass+1)); else echo "FAILED: $*"; fail=$((fail+1)); fi; }

# Retries a check for up to twenty seconds.
until_true() { # command...
  for _ in $(seq 100); do
    "$@" && return 0
    sleep 0.2
  done
  return 1
}

# Controls are found through the accessibility bus (atspi.py) by their role and
# accessible name, the caption a teacher reads, and clicked in their centre: a
# moved control is still found, and one that is missing or named twice ends the
# test with a message naming it. The program's process id is in pid.
atspi="$(dirname "${BASH_SOURCE[0]}")/atspi.py"
give_up() { echo "$pass passed, $fail failed"; exit 1; } # after a failed check the rest cannot run
locate() { # role name [--tip text] [--in name]: the centre of the program's control, in at
  at=$("$atspi" find "$pid" "$@") || { fail=$((fail + 1)); give_up; }
}
press() { locate "$@"; xdotool mousemove $at click 1; } # role name [options]: a left click on it
# The desktop's toolbar button with this caption; 播放 is there twice, the tool
# tip's start tells which.
tool() { press 'push button|check box' "$1" ${2:+--tip "$2"}; } # caption [tool-tip start]
# A double click on the entry of the file dialog's list, as it opens a folder or a file.
open_entry() { locate 'tree item' "$1"; xdotool mousemove $at click --repeat 2 --delay 80 1; } # name
# The menu bar's item, then each next item in the menu the one before opened.
choose_menu() { # item...
  local within=()
  for item; do
    press 'menu item' "$item" "${within[@]}"
    within=(--in "$item")
  done
}
# A right click as the arguments of `xdotool mousemove` say, then a left click
# on the item of the pop-up menu that opens.
choose_popup() { # item mousemove-arguments...
  local at
  at=$("$atspi" popup "$pid" "$1" xdotool mousemove "${@:2}" click 3) || { fail=$((fail + 1)); give_up; }
  xdotool mousemove $at click 1
}

wait_window() { # name: a shown window with exactly this title
  for _ in $(seq 300); do # a minute, for a loaded machine
    xdotool search --onlyvisible --name "^$1\$" 2>/dev/null | head -n1 && return 0
    sleep 0.2
  done
  return 1
}

picture_shown() { # a photo has thousands of colours, a plain background a handful
  import -window root "$work/shot.png"
  [ "$(convert "$work/shot.png" -format %k info:)" -gt 2000 ]
}

# Share of pixels in a region (WxH+X+Y) of the screen close to a colour: no
# channel more than 20% away. (Painting the matches white and the rest black
# would count the region's own white pixels as matches too.)
colour_share() { # region colour
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "$1" +repage \( +clone -fill "$2" -colorize 100 \) \
    -compose difference -composite -separate -evaluate-sequence max -threshold 20% -negate \
    -format '%[fx:mean]' info:
}
until_share_above() { # region colour minimum: waits up to ten seconds for a paint
  for _ in $(seq 50); do
    awk -v m="$(colour_share "$1" "$2")" -v min="$3" 'BEGIN { exit !(m > min) }' && return 0
    sleep 0.2
  done
  return 1
}

until_share_below() { # region colour maximum: waits up to ten seconds for a pane to go
  for _ in $(seq 50); do
    awk -v m="$(colour_share "$1" "$2")" -v max="$3" 'BEGIN { exit !(m < max) }' && return 0
    sleep 0.2
  done
  return 1
}

# The cover page's music: its pop-up menu's 可视 shows the player, whose
# position bar moves while the music plays (looked at twice, a while apart).
cover_music_plays() {
  choose_popup '可视(Visible)' 100 100
  for _ in $(seq 30); do
    import -window root -crop 512x24+512+744 "$work/bar1.png"
    sleep 1
    import -window root -crop 512x24+512+744 "$work/bar2.png"
    [ "$(compare -metric AE "$work/bar1.png" "$work/bar2.png" null: 2>&1 || true)" != 0 ] && return 0
  done
  return 1
}

gbk_text() { local b; b=$(printf '%s' "$1" | iconv -f UTF-8 -t GBK); printf "\\x$(printf %02x ${#b})\\0%s" "$b"; }

write_settings() { # file unit stage-subject teacher: record 1 empty, record 2 the three texts
  mkdir -p "$(dirname "$1")"
  { head -c 128 /dev/zero; LC_ALL=C gbk_text "$2"; LC_ALL=C gbk_text "$3"; LC_ALL=C gbk_text "$4"; } >"$1"
}

write_lesson() { # file chapter-title lesson-title: a .spz line file with the other slots empty
  mkdir -p "$(dirname "$1")"
  printf '%s\r\n' "$2" "$3" '' '' '' '' '' '' '' '' '' '' '' '' '' | iconv -f UTF-8 -t GBK >"$1"
}

# On the home screen: 打开配置文件, the lesson's file name typed into the
# dialog, then a left click on to the cover page. The scale is the screen's
# pixels per point of the layout. Ends the test when the home screen never shows.
open_lesson() { # file-name scale
  home=$(wait_window '高中数学Veltano' || true)
  check test -n "$home"
  [ -n "$home" ] || give_up
  choose_popup 打开配置文件 --window "$home" $((100 * $2)) $((100 * $2))
  dialog=$(wait_window '打开' || true)
  check test -n "$dialog"
  xdotool windowfocus "$dialog" 2>/dev/null || true
  # xdotool drops letters of Chinese text now and then: the file name is typed in ASCII.
  xdotool type --delay 20 "$1"
  xdotool key Return
  check wait_window "高中数学Veltano-------${1%.spz}" >/dev/null
  xdotool mousemove --window "$home" $((300 * $2)) $((200 * $2)) click 1
}

# The program started with a lesson on its command line: its home screen, a
# left click to the cover page, another to the desktop titled "…第一章之TITLE".
# Sets $pid, $home, $cover and $desktop; ends the test when a screen never shows.
start_lesson_desktop() { # lesson-file lesson-title
  "$work/app/veltano" "$1" >"$work/run.log" 2>&1 &
  pid=$!
  home=
  for _ in $(seq 300); do
    home=$(xdotool search --onlyvisible --name '^高中数学Veltano-------' 2>/dev/null | head -n1) && [ -n "$home" ] && break
    sleep 0.2
  done
  check test -n "$home"
  [ -n "$home" ] || give_up
  sleep 1
  xdotool mousemove --window "$home" 300 200 click 1
  cover=$(wait_window '高中数学Veltano' || true)
  check test -n "$cover"
  [ -n "$cover" ] || give_up
  sleep 2
  xdotool windowfocus "$cover" 2>/dev/null || true
  xdotool mousemove --window "$cover" 500 500 click 1
  desktop=$(wait_window "一中高中数学Veltano                   第一章之$2" || true)
  check test -n "$desktop"
  [ -n "$desktop" ] || give_up
  sleep 2
}

# From the cover page on, left clicks until the desktop shows (a click before
# the cover is mapped is lost). Sets $desktop; ends the test when it never shows.
click_to_desktop() {
  desktop_shown() {
    xdotool mousemove 400 400 click 1
    sleep 1
    desktop=$(xdotool search --onlyvisible --name '^一中高中数学Veltano' | head -n1)
    [ -n "$desktop" ]
  }
  desktop=
  check until_true desktop_shown
  [ -n "$desktop" ] || give_up
}
