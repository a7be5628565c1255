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

# Places on the 1024x768 desktop: the work area's halves and quarters.
page=983x300+0+100 top_half=983x330+0+30 lower_half=983x300+0+420
upper_left=491x300+0+40 lower_left=491x320+0+380 lower_right=491x320+492+380
# The picture pane's places: the first picture at the top right of the left
# half's edge, the three pictures of the column layout, and what lies left of
# the column where a zoomed picture grows.
first_picture=320x225+500+30 column=(320x225+660+30 320x225+660+267 320x225+660+504) left_of_column=140x300+515+270

# First start: the lesson editor on its settings page, its fields found by
# their captions. 确定 writes the settings with the first stage and subject,
# 高中语文; 退出 and the question's default answer lead home.
"$work/app/veltano" >"$work/run.log" 2>&1 & pid=$!
editor=$(wait_window 'Veltano设置' || true)
check test -n "$editor"
[ -n "$editor" ] || give_up
press text 单位
xdotool type --delay 20 'No1 School'
press text 执教
xdotool type --delay 20 'Li Ming'
press 'push button' 确定
notice=$(wait_window '修改系统设置' || true)
check test -n "$notice"
xdotool windowfocus "$notice" key Return
check test -s "$XDG_CONFIG_HOME/Veltano/Dravik.dll"
press 'push button' 退出
question=$(wait_window 'Veltano' || true)
check test -n "$question"
[ -n "$question" ] && xdotool windowfocus "$question" key Return

# Home: 打开配置文件 starts in the configuration area; the folder 示例 and the
# lesson in it are opened with a double click each.
home=$(wait_window '高中语文Veltano' || true)
check test -n "$home"
[ -n "$home" ] || give_up
choose_popup 打开配置文件 --window "$home" 100 100
dialog=$(wait_window '打开' || true)
check test -n "$dialog"
[ -n "$dialog" ] || give_up
open_entry 示例
open_entry 示例课.spz
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
tool Word
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
  tool 播放 Powerpoint
  check slowly until_share_above "$upper_left" '#2B5CB8' 0.3
  tool 停止 Powerpoint
  check until_share_below "$upper_left" '#2B5CB8' 0.02
done
# The windmill movie in the lower right quarter, sky blue; 停止 puts it away.
tool 播放 Flash
check slowly until_share_above "$lower_right" '#9CD4F4' 0.3
tool 停止 Flash
check until_share_below "$lower_right" '#9CD4F4' 0.02

# Text files stepped: the reading (GBK), then the questions (UTF-8), in the text
# pane over the whole work area.
remember "$top_half"
tool Txt
check until_changed "$top_half"
remember "$top_half"
tool Txt
check until_changed "$top_half"
# The pane clicked, then 下端 on the menu bar: its text moves into the lower half.
click 500 600
choose_menu 下端
check until_share_above "$lower_half" '#000000' 0.02
# The input box: typed text shown in the text pane by 输入; 输入 with the box
# empty puts the pane away.
remember "$lower_half"
press text 输入框
xdotool type --delay 20 'Veltano demo'
tool 输入
check until_changed "$lower_half"
tool 输入
check until_share_below "$lower_half" '#000000' 0.005
# The next text file is the lesson document as .docx, shown as rich text.
tool Txt
check slowly until_share_above "$lower_half" '#000000' 0.02

# The video in the lower left quarter: colour bars, H.264 in MP4. Clicked (its menu closed)
# and 上端 on the menu bar: it moves up into the upper left quarter.
tool Video
check until_share_above "$lower_left" '#FFFF00' 0.05
check until_share_above "$lower_left" '#00FFFF' 0.05
click 200 500
sleep 0.5 # the video menu opens
xdotool key Escape
choose_menu 上端
check until_share_above "$upper_left" '#FFFF00' 0.05

# The drawing board in the lower right quarter, and a stroke on it.
tool Paint
sleep 1 # the board shows
remember "$lower_right"
xdotool mousemove 560 420 mousedown 1
for x in $(seq 580 20 940); do xdotool mousemove "$x" $((420 + (x - 560) / 2)); sleep 0.05; done
xdotool mouseup 1
check until_changed "$lower_right"

# Pictures, over the other panes: the next one (a PNG) by the toolbar, then three at
# once (画面切换, 三画面), each a painted scene of thousands of colours; with 放大
# checked a click on the middle one zooms it out over the work area.
tool Picture
check until_colours_above "$first_picture" 2000
choose_menu 窗口 '图片(Picture)' 画面切换 三画面
for slot in "${column[@]}"; do check until_colours_above "$slot" 2000; done
[ -n "${VELTANO_SHOT:-}" ] && cp "$work/shot.png" "$VELTANO_SHOT"
choose_menu 窗口 '图片(Picture)' 放大
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
tool Google
search=$(new_window "$before_web" || true)
check test -n "$search"
[ -n "$search" ] && check closes "$search"
choose_menu 浏览器
lesson_page=$(wait_window 'Veltano 示例课' || true)
check test -n "$lesson_page"
[ -n "$lesson_page" ] && check closes "$lesson_page"

# 外接程序: the lesson names no other program, so a file dialog asks for one;
# Escape cancels it.
tool 外接程序
chooser=$(wait_window '打开' || true)
check test -n "$chooser"
[ -n "$chooser" ] && xdotool windowfocus "$chooser" key Escape
gone() { for _ in $(seq 50); do xdotool search --onlyvisible --name '^打开$' >/dev/null || return 0; sleep 0.2; done; return 1; }
check gone

# 退出: the exit question, the closing screen with its yellow saying, and a
# click that ends the program.
tool 退出
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
