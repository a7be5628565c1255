#!/usr/bin/env bash
# End to end: the demo lesson played as a teacher plays it, through the real
# program on a real X display (1024x768): first start on the settings page,
# the home screen, 打开配置文件 with the demo lesson, the cover page with its
# music, the desktop and its toolbar (document pages, the deck, a Flash movie,
# text files, the input box, the video, the drawing board, pictures and their
# zoom, placements from the menu bar, the search page and the lesson's own web
# page in browser windows, 外接程序), the exit question and the closing screen.
# No file of the lesson may change on the way. The program folder is a copy,
# elsewhere than the build's: the lesson names its files relative to it.
# With VELTANO_SHOT set, the desktop is saved there as a PNG on the way.
set -euo pipefail
app_dir=$1 closewindow=$2
source "$(dirname "$0")/common.sh"
# A cache of its own, so the converter's LibreOffice is known by its folder.
export XDG_CACHE_HOME="$work/cache"
office_running() { pgrep -f "$XDG_CACHE_HOME/Veltano/office-listener" >/dev/null; }

lesson_sums() { (cd "$work/app/备课本" && find 示例 配置区/示例 -type f -print0 | sort -z | xargs -0 md5sum); }
before=$(lesson_sums)
click() { xdotool mousemove "$1" "$2" click 1; }
give_up() { echo "$pass passed, $fail failed"; exit 1; }
shot_region() { # region: the screen's region into now.png
  import -window root "$work/shot.png"
  convert "$work/shot.png" -crop "$1" +repage "$work/now.png"
}
remember() { shot_region "$1"; mv "$work/now.png" "$work/then.png"; }
until_changed() { # region: waits for the region to differ from what remember saw
  for _ in $(seq 50); do
    shot_region "$1"
    [ "$(compare -metric AE "$work/then.png" "$work/now.png" null: 2>&1 || true)" != 0 ] && return 0
    sleep 0.2
  done
  return 1
}
slowly() { # a check given three times as long: documents are converted and Flash
  # starts its emulator on first use
  "$@" || "$@" || "$@"
}
until_colours_above() { # region minimum: a plain pane has a handful of colours, a picture many
  for _ in $(seq 50); do
    shot_region "$1"
    [ "$(convert "$work/now.png" -format %k info:)" -gt "$2" ] && return 0
    sleep 0.2
  done
  return 1
}

# Places on the 1024x768 desktop: the toolbar column at the right edge (button
# n from 0, 38 pixels each below the menu bar), the menu bar's placement items,
# and the work area's halves and quarters.
button() { click 1003 $((47 + 38 * $1)); }
word=0 ppt=1 flash=2 txt=3 paint=4 picture=5 video=6 google=7 program=8 input=16 exit=17
input_box_y=500
menu_web_x=198 menu_top_x=365 menu_bottom_x=403 menu_y=11
page=983x300+0+100 top_half=983x330+0+30 lower_half=983x300+0+420
upper_left=491x300+0+40 lower_left=491x320+0+380 lower_right=491x320+492+380
# The picture pane's places: the first picture at the top right of the left
# half's edge, the three pictures of the column layout, and what lies left of
# the column where a zoomed picture grows.
first_picture=320x225+500+30 column=(320x225+660+30 320x225+660+267 320x225+660+504) left_of_column=140x300+515+270
# 窗口 on the menu bar, then by keys: 图片(Picture) is its seventh item.
picture_menu() { click 105 11; sleep 0.7; xdotool key --delay 120 Down Down Down Down Down Down Down Right "$@"; }

# First start: the lesson editor on its settings page (positions within its
# window). 确定 writes the settings with the first stage and subject, 高中语文;
# 退出 and the question's default answer lead home.
"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
editor=$(wait_window 'Veltano设置' || true)
check test -n "$editor"
[ -n "$editor" ] || give_up
xdotool mousemove --window "$editor" 284 132 click 1 type --delay 20 'No1 School'
xdotool mousemove --window "$editor" 276 332 click 1 type --delay 20 'Li Ming'
xdotool mousemove --window "$editor" 184 444 click 1 # 确定
notice=$(wait_window '修改系统设置' || true)
check test -n "$notice"
xdotool windowfocus "$notice" key Return
check test -s "$XDG_CONFIG_HOME/Veltano/Dravik.dll"
xdotool mousemove --window "$editor" 352 444 click 1 # 退出
question=$(wait_window 'Veltano' || true)
check test -n "$question"
[ -n "$question" ] && xdotool windowfocus "$question" key Return

# Home: 打开配置文件 starts in the configuration area; the lesson is the first
# entry of the folder 示例, both opened with a double click.
home=$(wait_window '高中语文Veltano' || true)
check test -n "$home"
[ -n "$home" ] || give_up
xdotool mousemove --window "$home" 100 100 click 3
sleep 1 # the pop-up menu opens
xdotool mousemove --window "$home" 130 111 click 1 # 打开配置文件
dialog=$(wait_window '打开' || true)
check test -n "$dialog"
[ -n "$dialog" ] || give_up
xdotool mousemove --window "$dialog" 123 74 click --repeat 2 --delay 80 1 # 示例
sleep 1
xdotool mousemove --window "$dialog" 123 74 click --repeat 2 --delay 80 1 # 示例课.spz
check wait_window '高中数学Veltano-------示例课' >/dev/null
xdotool mousemove --window "$home" 300 200 click 1

# Cover: yellow titles over the lesson's night picture, its music playing.
check wait_window '高中语文Veltano' >/dev/null
check until_share_above 1024x300+0+150 '#FFFF00' 0.005
check cover_music_plays
click 100 100
desktop=$(wait_window 'No1 School高中语文Veltano                   示例之示例课' || true)
check test -n "$desktop"
[ -n "$desktop" ] || give_up

# The lesson document: a page of three paragraphs in large type over the work
# area; "." typed into it (after a click, whose location menu is closed) turns
# to the next page.
button $word
check slowly until_share_above "$page" '#000000' 0.02
# Converting the lesson's documents started the converter's LibreOffice.
check office_running
remember "$page"
click 500 600
sleep 0.5 # the location menu opens
xdotool key Escape
xdotool type '.'
check until_changed "$page"
# The decks in the upper left quarter, each first slide blue; 停止 puts each
# away: the PowerPoint 97 deck, the same deck as .pptx, and as .pdf (shown as
# it is, without LibreOffice).
for deck in ppt pptx pdf; do
  button $ppt
  check slowly until_share_above "$upper_left" '#2B5CB8' 0.3
  button $ppt
  check until_share_below "$upper_left" '#2B5CB8' 0.02
done
# The windmill movie in the lower right quarter, sky blue; 停止 puts it away.
button $flash
check slowly until_share_above "$lower_right" '#9CD4F4' 0.3
button $flash
check until_share_below "$lower_right" '#9CD4F4' 0.02

# Text files stepped: the reading (GBK), then the questions (UTF-8), in the text
# pane over the whole work area.
remember "$top_half"
button $txt
check until_changed "$top_half"
remember "$top_half"
button $txt
check until_changed "$top_half"
# The pane clicked, then 下端 on the menu bar: its text moves into the lower half.
click 500 600
click $menu_bottom_x $menu_y
check until_share_above "$lower_half" '#000000' 0.02
# The input box: typed text shown in the text pane by 输入; 输入 with the box
# empty puts the pane away.
remember "$lower_half"
click 1003 $input_box_y
xdotool type --delay 20 'Veltano demo'
button $input
check until_changed "$lower_half"
button $input
check until_share_below "$lower_half" '#000000' 0.005
# The next text file is the lesson document as .docx, shown as rich text.
button $txt
check slowly until_share_above "$lower_half" '#000000' 0.02

# The video in the lower left quarter: colour bars, H.264 in MP4. Clicked (its menu closed)
# and 上端 on the menu bar: it moves up into the upper left quarter.
button $video
check until_share_above "$lower_left" '#FFFF00' 0.05
check until_share_above "$lower_left" '#00FFFF' 0.05
click 200 500
sleep 0.5 # the video menu opens
xdotool key Escape
click $menu_top_x $menu_y
check until_share_above "$upper_left" '#FFFF00' 0.05

# The drawing board in the lower right quarter, and a stroke on it.
button $paint
sleep 1 # the board shows
remember "$lower_right"
xdotool mousemove 560 420 mousedown 1
for x in $(seq 580 20 940); do xdotool mousemove "$x" $((420 + (x - 560) / 2)); sleep 0.05; done
xdotool mouseup 1
check until_changed "$lower_right"

# Pictures, over the other panes: the next one (a PNG) by the toolbar, then three at
# once (画面切换, 三画面), each a painted scene of thousands of colours; with 放大
# checked a click on the middle one zooms it out over the work area.
button $picture
check until_colours_above "$first_picture" 2000
picture_menu Down Right Down Down Return
for slot in "${column[@]}"; do check until_colours_above "$slot" 2000; done
[ -n "${VELTANO_SHOT:-}" ] && cp "$work/shot.png" "$VELTANO_SHOT"
picture_menu Down Down Return
remember "$left_of_column"
click 820 380
check until_changed "$left_of_column"
check until_colours_above "$left_of_column" 2000

# The web: "google" opens the search page in a browser window of its own
# (whether or not the page loads here), then 浏览器 on the menu bar the
# lesson's start page, a page of the program folder, whose title becomes the
# window's. Each is closed as by its close button.
windows() { xdotool search --onlyvisible --pid $pid 2>/dev/null | sort || true; }
new_window() { # the windows seen before: the first one shown since
  for _ in $(seq 100); do
    comm -13 <(echo "$1") <(windows) | head -n1 | grep . && return 0
    sleep 0.2
  done
  return 1
}
closes() { # window
  "$closewindow" "$1" || return 1
  for _ in $(seq 50); do windows | grep -qx "$1" || return 0; sleep 0.2; done
  return 1
}
before_web=$(windows)
button $google
search=$(new_window "$before_web" || true)
check test -n "$search"
[ -n "$search" ] && check closes "$search"
click $menu_web_x $menu_y
lesson_page=$(wait_window 'Veltano 示例课' || true)
check test -n "$lesson_page"
[ -n "$lesson_page" ] && check closes "$lesson_page"

# 外接程序: the lesson names no other program, so a file dialog asks for one;
# Escape cancels it.
button $program
chooser=$(wait_window '打开' || true)
check test -n "$chooser"
[ -n "$chooser" ] && xdotool windowfocus "$chooser" key Escape
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name '^打开$' >/dev/null || return 0; sleep 0.2; done; return 1; }
check gone

# 退出: the exit question, the closing screen with its yellow saying, and a
# click that ends the program.
button $exit
question=$(wait_window '退出' || true)
check test -n "$question"
[ -n "$question" ] && xdotool windowfocus "$question" key Return
check wait_window '高中语文Veltano' >/dev/null
check until_share_above 1024x400+0+100 '#FFFF00' 0.005
click 500 400
ended() { for _ in $(seq 100); do kill -0 $pid 2>/dev/null || return 0; sleep 0.2; done; return 1; }
check ended
# Nothing of the converter's LibreOffice outlives the program.
office_gone() { for _ in $(seq 50); do office_running || return 0; sleep 0.2; done; return 1; }
check office_gone

check test "$(lesson_sums)" = "$before"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
