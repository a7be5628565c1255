#!/usr/bin/env bash
# End to end: the demo lesson packed with `veltano --pack` in one program
# folder, unpacked with `veltano --unpack` into a second one that has no
# lesson book, and played there as a teacher plays it: every toolbar button
# and every medium, by the demo lesson's own script. A pack with a changed
# file is refused there without a file written.
set -euo pipefail
app_dir=$1 closewindow=$2
here=$(cd "$(dirname "$0")" && pwd)
source "$here/common.sh"

demo="$work/app/备课本/配置区/示例/示例课.spz"
status=0
"$work/app/veltano" --pack "$demo" "$work/示例课.zip" >"$work/pack.txt" 2>"$work/pack.log" || status=$?
check test "$status" -eq 0
check grep -qF "已将课件和" "$work/pack.txt"
check unzip -tq "$work/示例课.zip"

second="$work/second"
cp -r "$app_dir" "$second"
rm -rf "$second/备课本"
status=0
"$second/veltano" --unpack "$work/示例课.zip" >"$work/unpack.txt" 2>"$work/unpack.log" || status=$?
check test "$status" -eq 0
check grep -qF "已导入课件“$second/备课本/配置区/示例/示例课.spz”" "$work/unpack.txt"
# The same lesson book as where it was packed, file for file.
sums() { (cd "$1/备课本" && find . -type f -print0 | sort -z | xargs -0 md5sum); }
check test "$(sums "$second")" = "$(sums "$work/app")"

# A pack whose picture was changed on the way: refused, nothing written.
changed="$work/changed"
mkdir -p "$changed/备课本/示例" && (cd "$changed" && unzip -q "$work/示例课.zip")
picture=$(cd "$changed" && find 备课本/示例 -name '*.jpg' | head -n1)
printf 'x' | dd of="$changed/$picture" bs=1 seek=100 conv=notrunc status=none
(cd "$changed" && zip -q "$work/示例课.zip" "$picture")
empty="$work/empty"
cp -r "$app_dir" "$empty" && rm -rf "$empty/备课本"
status=0
"$empty/veltano" --unpack "$work/示例课.zip" >/dev/null 2>"$work/refused.txt" || status=$?
check test "$status" -eq 1
check grep -qF "$picture" "$work/refused.txt"
check test ! -e "$empty/备课本"

# Every medium plays in the second program folder.
status=0
"$here/demolesson.sh" "$second" "$closewindow" || status=$?
check test "$status" -eq 0
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
