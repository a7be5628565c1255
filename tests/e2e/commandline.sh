#!/usr/bin/env bash
# End to end: the command line where there is no display at all. Usage, a
# wrong argument and a check each answer with their exit status and in the
# locale's language, never with the toolkit's abort for want of a display.
set -euo pipefail
app_dir=$1
source "$(dirname "$0")/common.sh"
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM LC_ALL LC_MESSAGES LANGUAGE
export XDG_CACHE_HOME="$work/cache"

run() { # expected status, LANG, arguments...: output in out.txt and err.log
  local expected=$1 status=0
  LANG=$2 "$work/app/veltano" "${@:3}" >"$work/out.txt" 2>"$work/err.log" || status=$?
  check test "$status" -eq "$expected"
}

run 2 C.UTF-8 --bogus
check grep -qF "'--bogus'" "$work/err.log"
check grep -qF "Usage: veltano [LESSON-FILE]" "$work/err.log"
run 2 zh_CN.UTF-8 --bogus
check grep -qF "“--bogus”" "$work/err.log"
check grep -qF "用法：veltano [课件配置文件]" "$work/err.log"
run 2 C.UTF-8 --check
check grep -qF "'--check'" "$work/err.log"
check grep -qF -e "--check LESSON-FILE" "$work/err.log"

run 0 C.UTF-8 --help
check grep -qF "Usage: veltano [LESSON-FILE]" "$work/out.txt"
run 0 zh_CN.UTF-8 -h
check grep -qF "用法：veltano [课件配置文件]" "$work/out.txt"

# The check opens no window: its report needs no display either.
mkdir -p "$work/app/备课本/配置区"
printf '%s\r\n' '章' '课' '' '' '' '' '' '' 'set\image\1.jpg ' | iconv -f UTF-8 -t GBK >"$work/app/备课本/配置区/课.spz"
run 0 C.UTF-8 --check "$work/app/备课本/配置区/课.spz"
check grep -qF "[找到] 图片文件：set\\image\\1.jpg" "$work/out.txt"
check grep -qF "共 1 项，0 项有问题。" "$work/out.txt"
# Nor a display that a platform setting names but is not there.
QT_QPA_PLATFORM=xcb run 0 C.UTF-8 --check "$work/app/备课本/配置区/课.spz"

[ "$fail" -gt 0 ] && cat "$work/out.txt" "$work/err.log"
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
