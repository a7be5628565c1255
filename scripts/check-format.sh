#!/usr/bin/env bash
# Fails when a tracked C++ file differs from .clang-format's layout.
set -euo pipefail
cd "$(dirname "$0")/.."
files=$(git ls-files '*.cpp' '*.h')
[ -z "$files" ] && exit 0
bad=$(for f in $files; do clang-format --dry-run -Werror "$f" >/dev/null 2>&1 || echo "$f"; done)
if [ -n "$bad" ]; then
  echo "Not formatted (run 'make format'):"; echo "$bad"; exit 1
fi
