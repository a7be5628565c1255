#!/usr/bin/env bash
# End to end: a lesson whose every field names a file that is not there, in the
# real program on a real X display (1024x768). Every toolbar button is clicked
# from top to bottom, twice; a dialog or box that opens is cancelled. The web
# module loads in the first round, and the program must live through the second
# (the video button once crashed it there). The missing video is told in the
# player's own place, and a click on that notice pops up the Video menu.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"
export XDG_CACHE_HOME="$work/cache"
write_settings "$XDG_CONFIG_HOME/Veltano/Dravik.dll" 一中 高中数学 李明
lesson="$work/app/备课本/配置区/缺.spz"
mkdir -p "$(dirname "$lesson")"
gone='备课本\不在'
printf '%s\r\n' '第一章' '缺' '备课本' '不在\文档.doc' '不在\文本.txt ' '不在\演示.ppt ' '不在\动画.swf ' \
  "$gone\\视频.mp4 " "$gone\\图片.jpg " "$gone\\音乐1.mp3" "$gone\\音乐2.mp3" "$gone\\背景1.jpg" \
  "$gone\\背景2.jpg" "$gone\\首页.html" "$gone\\程序.exe" | iconv -f UTF-8 -t GBK >"$lesson"
start_lesson_desktop "$lesson" 缺

# Cancels whatever dialog or box the button opened (Escape answers No to the exit question).
dismiss() {
  for _ in 1 2 3; do
    sleep 1.5
    for w in $(xdotool search --onlyvisible --name '.' 2>/dev/null); do
      case "$(xdotool getwindowname "$w" 2>/dev/null)" in
      提示 | 打开 | 退出 | Sorry | 选择文件) xdotool windowfocus "$w" 2>/dev/null || true; xdotool key Escape ;;
      esac
    done
  done
}
# Toolbar buttons from the top: Word, 播放 (the deck's), 播放 (Flash's), Txt,
# Paint, Picture, Video, Google, 外接程序, then 输入 and 退出 below the blanks.
# The deck's and the movie's buttons read 停止 in the second round: their panes
# show, telling the files are missing.
for round in 1 2; do
  playing=$([ $round = 1 ] && echo 播放 || echo 停止)
  for button in Word "$playing Powerpoint" "$playing Flash" Txt Paint Picture Video Google 外接程序 输入 退出; do
    tool $button
    dismiss
    kill -0 $pid 2>/dev/null || { check false "alive after button $button of round $round"; give_up; }
  done
done
check kill -0 $pid

# The player fills the lower left quarter with its notice; a click on the notice
# opens the Video menu, which covers the desktop above the player.
menu_region=40x20+206+436
import -window root -crop $menu_region "$work/before.png"
xdotool mousemove 200 500 click 1
sleep 1
import -window root -crop $menu_region "$work/after.png"
check test "$(compare -metric AE "$work/before.png" "$work/after.png" null: 2>&1 || true)" != 0
xdotool key Escape
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
