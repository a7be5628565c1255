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

# Zipped by hand with `zip -r` (folder entries), a lesson whose name carries a
# terminal's escape sequences: imported, and printed escaped.
made="$work/made"
esc=$(printf '\033]0;owned\007\033[2J')
mkdir -p "$made/备课本/配置区" && printf '章\r\n课\r\n' >"$made/备课本/配置区/$esc.spz"
(cd "$made" && zip -qr "$work/hand.zip" 备课本)
hand="$work/hand"
cp -r "$app_dir" "$hand"
status=0
"$hand/veltano" --unpack "$work/hand.zip" >"$work/hand.txt" 2>"$work/hand.log" || status=$?
check test "$status" -eq 0
check grep -qF '\x1B]0;owned\x07\x1B[2J' "$work/hand.txt"
check test "$(tr -dc '\033\007' <"$work/hand.txt" | wc -c)" -eq 0

# Killed while it unpacks, an import leaves no lesson, and the next start
# takes its staging folder away. A small disk needs a tmpfs, mounted as root.
if [ "$(id -u)" -eq 0 ]; then
  disk="$work/disk"
  mkdir -p "$disk" "$work/big/备课本/配置区" "$work/big/备课本/大"
  mount -t tmpfs -o size=192m tmpfs "$disk"
  cp "$app_dir/veltano" "$disk/"
  printf '章\r\n课\r\n' >"$work/big/备课本/配置区/大课.spz"
  for i in $(seq 1 50); do head -c 2M /dev/urandom >"$work/big/备课本/大/$i.bin"; done
  (cd "$work/big" && zip -qr0 "$work/big.zip" 备课本)
  "$disk/veltano" --unpack "$work/big.zip" >/dev/null 2>&1 &
  unpacking=$!
  until compgen -G "$disk/备课本/.veltano-import-*/*" >/dev/null || ! kill -0 $unpacking 2>/dev/null; do :; done
  kill -9 $unpacking 2>/dev/null || true
  wait $unpacking 2>/dev/null || true
  check test ! -e "$disk/备课本/配置区/大课.spz"
  status=0
  "$disk/veltano" --unpack "$work/hand.zip" >/dev/null 2>&1 || status=$?
  check test "$status" -eq 0
  check test -z "$(compgen -G "$disk/备课本/.veltano-import-*")"
  check test "$(du -sm "$disk/备课本" | cut -f1)" -lt 5
  umount "$disk"
else
  echo "SKIP: the kill during an unpack needs a tmpfs, mounted as root"
fi

# Every medium plays in the second program folder.
status=0
"$here/demolesson.sh" "$second" "$closewindow" || status=$?
check test "$status" -eq 0
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
