#!/usr/bin/env bash
# Installs what building, running and testing Veltano need, when it is missing.
set -euo pipefail

packages=(
  cmake ninja-build g++ ccache pkg-config clang-format
  clang libclang-rt-dev
  qt6-base-dev qt6-multimedia-dev qt6-webengine-dev qt6-pdf-dev qt6-tools-dev-tools libgl1-mesa-dev
  qt6-translations-l10n
  gstreamer1.0-plugins-base gstreamer1.0-plugins-good gstreamer1.0-plugins-bad gstreamer1.0-libav
  gstreamer1.0-tools timgm6mb-soundfont
  fonts-noto-cjk fortunes-zh
  libreoffice-writer-nogui libreoffice-impress-nogui python3-uno poppler-utils
  xvfb xauth xdotool x11-apps x11-xserver-utils imagemagick libx11-dev
  # the package: dpkg-shlibdeps, the icon's sizes, the checks of its entry, metadata and file type
  dpkg-dev librsvg2-bin desktop-file-utils appstream shared-mime-info procps
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done

if [ ${#missing[@]} -gt 0 ]; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  echo "Installing: ${missing[*]}"
  "${sudo_cmd[@]}" apt-get update -qq
  # --no-install-recommends keeps LibreOffice's -nogui core instead of pulling the GUI one.
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi

# npm comes with Debian's package unless a Node.js that ships its own is installed.
if ! command -v npm >/dev/null; then
  sudo_cmd=()
  [ "$(id -u)" -eq 0 ] || sudo_cmd=(sudo)
  "${sudo_cmd[@]}" apt-get update -qq
  DEBIAN_FRONTEND=noninteractive "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends npm
fi

# The Flash emulator, at the version package-lock.json pins; the build copies
# its files into the program folder.
cd "$(dirname "$0")/.."
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi
