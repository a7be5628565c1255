#!/usr/bin/env bash
# The Debian package, end to end: built with CPack from the build tree, its
# contents and metadata checked, installed on this machine, started from
# /usr/bin/veltano by a normal user with a fresh home (a lesson named on the
# command line, then a second launch handing over another), and removed.
# Usage, as root on an X display: package.sh BUILD_DIR
set -euo pipefail
build=$1
if [ "$(id -u)" -ne 0 ]; then echo "skipped: installing the package needs root"; exit 77; fi
source "$(dirname "$0")/../e2e/helpers.sh"

# The package is installed machine-wide: one run at a time.
exec 9>/tmp/veltano-package-test.lock
flock -w 900 9

user=veltano-pkgtest
work=$(mktemp -d)
home=$(mktemp -d /tmp/veltano-home.XXXXXX) # the test user must reach it
pid= installed= made_user=
finish() {
  # The user goes only once its program has ended.
  [ -z "$pid" ] || { kill "$pid" 2>/dev/null; wait "$pid" 2>/dev/null; } || true
  [ -z "$installed" ] || dpkg --purge veltano >"$work/purge.log" 2>&1 || cat "$work/purge.log"
  [ -z "$made_user" ] || userdel "$user" 2>/dev/null || true
  if [ "$fail" -gt 0 ]; then for log in "$work"/*.log; do echo "== $log"; tail -n 30 "$log"; done; fi
  rm -rf "$work" "$home"
}
trap finish EXIT

cpack --config "$build/CPackConfig.cmake" -B "$work/pkg" >"$work/cpack.log" 2>&1
deb=$(echo "$work"/pkg/veltano_*_amd64.deb)
version=$(dpkg-deb -f "$deb" Version)
check test "$version" = "$(sed -n 's/^set(CPACK_PACKAGE_VERSION "\(.*\)")$/\1/p' "$build/CPackConfig.cmake")"
depends=$(dpkg-deb -f "$deb" Depends)
for p in libqt6core6 libqt6widgets6 libqt6multimedia6 libqt6webenginewidgets6 libqt6pdf6 qt6-qpa-plugins \
  qt6-translations-l10n gstreamer1.0-plugins-good gstreamer1.0-plugins-bad timgm6mb-soundfont \
  libreoffice-writer-nogui libreoffice-impress-nogui python3-uno fonts-noto-cjk; do
  check grep -qE "(^|, )$p( |,|$)" <<<"$depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
# The program folder goes in whole, as the build assembled it.
check diff <(cd "$build/app" && find . | sort) <(cd "$root/usr/lib/veltano" && find . | sort)
check cmp "$build/app/set/GoodWords.sys" "$root/usr/lib/veltano/set/GoodWords.sys"
check test -s "$root/usr/lib/veltano/web/ruffle/ruffle.js"
demo=备课本/配置区/示例/示例课.spz
check cmp "$build/app/$demo" "$root/usr/lib/veltano/$demo"
links_leaving() { # links that would point into the build tree once installed
  find "$root/usr/lib/veltano" -type l | while read -r link; do
    case "$(readlink -f "$link")" in "$root"/usr/lib/veltano/*) ;; *) echo "$link" ;; esac
  done
}
check test -z "$(links_leaving)"
check test "$(readlink "$root/usr/bin/veltano")" = ../lib/veltano/veltano
check test -x "$root/usr/lib/veltano/veltano"
for s in 16 24 32 48 64 128 256; do
  check test "$(identify -format %wx%h "$root/usr/share/icons/hicolor/${s}x$s/apps/veltano.png")" = "${s}x$s"
done
check test -s "$root/usr/share/icons/hicolor/scalable/apps/veltano.svg"
entry="$root/usr/share/applications/veltano.desktop"
check desktop-file-validate "$entry"
check grep -qx 'Name\[zh_CN\]=Veltano 课件演示' "$entry"
check grep -qx 'Categories=Education;Presentation;' "$entry"
check appstreamcli validate --no-net "$root/usr/share/metainfo/org.veltano.veltano.metainfo.xml"

installed=1
apt-get install -y -qq --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$work/install.log" 2>&1
# What a file manager consults on a double click: the type of *.spz and *.gsx,
# and the program that opens that type.
check grep -qx 'application/x-veltano-lesson:\*.spz' <(cut -d: -f2- /usr/share/mime/globs2)
check grep -qx 'application/x-veltano-lesson:\*.gsx' <(cut -d: -f2- /usr/share/mime/globs2)
check grep -qx 'application/x-veltano-lesson=veltano.desktop;' /usr/share/applications/mimeinfo.cache
check grep -q 'Veltano 课件配置文件' /usr/share/mime/application/x-veltano-lesson.xml

id "$user" >/dev/null 2>&1 || { useradd --no-create-home --shell /usr/sbin/nologin "$user"; made_user=1; }
mkdir -p "$home/.config/Veltano" "$home/tmp" "$home/run"
chmod 700 "$home/run"
printf 'XDG_DOCUMENTS_DIR="$HOME/文档"\n' >"$home/.config/user-dirs.dirs"
write_settings "$home/.config/Veltano/Dravik.dll" 一中 高中数学 李明
write_lesson "$home/课件/集合.spz" '第一章 集合' '集合的含义'
chown -R "$user:" "$home"
as_user=(setpriv "--reuid=$user" "--regid=$user" --init-groups env -i "HOME=$home" "DISPLAY=$DISPLAY"
  "PATH=/usr/bin:/bin" "TMPDIR=$home/tmp" "XDG_RUNTIME_DIR=$home/run" LANG=C.UTF-8)

check test "$("${as_user[@]}" /usr/bin/veltano --version)" = "Veltano $version"
check grep -q '^Usage: veltano \[LESSON-FILE\]' <("${as_user[@]}" /usr/bin/veltano --help)
check grep -q '^用法：veltano \[课件配置文件\]' <("${as_user[@]}" LANG=zh_CN.UTF-8 /usr/bin/veltano --help)

"${as_user[@]}" /usr/bin/veltano "$home/课件/集合.spz" >"$work/run.log" 2>&1 & pid=$!
win=$(wait_window '高中数学Veltano-------集合' || true)
check test -n "$win"
[ -n "$win" ] || { echo "$pass passed, $fail failed"; exit 1; }
folder="$home/文档/Veltano"
check test "$(stat -c %U "$folder")" = "$user"
check test "$(readlink "$folder/set")" = /usr/lib/veltano/set
check diff -r /usr/lib/veltano/备课本 "$folder/备课本"

# A second double-click, on the demo lesson in the user's own lesson book,
# hands it over and ends.
check timeout 60 "${as_user[@]}" /usr/bin/veltano "$folder/$demo"
check wait_window '高中数学Veltano-------示例课' >/dev/null
check test "$(pgrep -u "$user" -x veltano | wc -l)" -eq 1

# A left click opens the demo lesson's cover page, its picture found below
# the user's own folder although the lesson names the build's.
xdotool mousemove --window "$win" 300 200 click 1
check wait_window '高中数学Veltano' >/dev/null
check picture_shown
echo "$pass passed, $fail failed"
[ "$fail" -eq 0 ]
