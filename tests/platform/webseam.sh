#!/usr/bin/env bash
# The program exports what its web module takes from it, and next to nothing
# else (it once exported every symbol, 1,826 of them, for the module's 14).
# Usage: webseam.sh PROGRAM MODULE
set -euo pipefail
exported=$(nm -D --defined-only "$1" | awk '{ print $3 }' | sort)
# What the module needs of the program: its undefined symbols that none of
# the libraries it links provides.
libraries=$(ldd "$2" | awk '$2 == "=>" && $3 ~ /^\// { print $3 }')
provided=$(for l in $libraries; do nm -D --defined-only "$l" | awk '{ sub(/@.*/, "", $3); print $3 }'; done | sort -u)
needed=$(nm -D --undefined-only "$2" | awk '$1 == "U" { sub(/@.*/, "", $2); print $2 }' | sort -u |
  comm -23 - <(echo "$provided"))
status=0
missing=$(comm -23 <(echo "$needed") <(echo "$exported"))
if [ -n "$missing" ]; then
  echo "The module needs these, which the program does not export (src/platform/webseam.symbols):"
  c++filt <<<"$missing"
  status=1
fi
count=$(wc -l <<<"$exported")
if [ "$count" -gt 40 ]; then
  echo "The program exports $count symbols"
  status=1
fi
exit $status
