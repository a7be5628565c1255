#!/usr/bin/env bash
# Builds the libFuzzer targets with clang (AddressSanitizer + UndefinedBehaviorSanitizer)
# in their own build folder and runs each one, from its seeds in tests/data, for a
# bounded time or number of executions. Prints each target's execution count.
# Usage: run-fuzz.sh [--seconds N | --runs N] [BUILD_DIR]   (default: --seconds 30 build-fuzz)
set -euo pipefail
here=$(cd "$(dirname "$0")/.." && pwd)
limit=(-max_total_time=30)
while [ $# -gt 0 ]; do
  case "$1" in
    --seconds) limit=(-max_total_time="$2"); shift 2 ;;
    --runs) limit=(-runs="$2"); shift 2 ;;
    *) break ;;
  esac
done
build=${1:-$here/build-fuzz}
jobs=${JOBS:-$(nproc)}

CC=clang CXX=clang++ cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DVELTANO_FUZZ=ON >/dev/null
cmake --build "$build" --target fuzzers -j"$jobs"

# Seeds of each target: its own folder plus the Windows-written fixtures it reads.
seeds() {
  local data=$here/tests/data
  echo "$data/fuzz/$1"
  case "$1" in
    fuzz_linefile | fuzz_recordfile | fuzz_gbk) echo "$data/windows" "$data/editor" ;;
  esac
}

status=0
summary=()
for fuzzer in fuzz_linefile fuzz_recordfile fuzz_settings fuzz_selectfiles fuzz_gbk fuzz_pictureheader fuzz_htmlimport fuzz_packreader; do
  corpus=$build/corpus/$fuzzer
  findings=$build/findings/$fuzzer/
  mkdir -p "$corpus" "$findings"
  log=$build/$fuzzer.log
  # shellcheck disable=SC2046
  if "$build/tests/fuzz/$fuzzer" "${limit[@]}" -max_len=8192 -timeout=10 -seed="${FUZZ_SEED:-1}" \
      -print_final_stats=1 -artifact_prefix="$findings" "$corpus" $(seeds "$fuzzer") >"$log" 2>&1; then
    result=ok
  else
    result="FINDING (see $log and $findings)"
    status=1
  fi
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  summary+=("$(printf '%-18s %12s executions  %s' "$fuzzer" "${runs:-?}" "$result")")
done
printf '%s\n' "${summary[@]}"
exit $status
