#!/usr/bin/env bash
# Installs what building, running and testing Veltano need, when it is missing.
set -euo pipefail

cd "$(dirname "$0")/.."
# Every package of the list, the first word of each line that is not a comment.
mapfile -t packages < <(sed -e 's/#.*//' packaging/debian-packages.txt | awk 'NF { print $1 }')

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
if [ ! -f node_modules/.package-lock.json ] || [ package-lock.json -nt node_modules/.package-lock.json ]; then
  npm ci --no-audit --no-fund
fi
