#!/usr/bin/env bash
# Runs every libFuzzer target of build-fuzz for a number of seconds, a few at
# a time, and closes with the executions and crashes of each.
# Usage: tools/fuzz.sh SECONDS JOBS
set -uo pipefail
seconds=${1:-60}
jobs=${2:-1}
root=$(cd "$(dirname "$0")/.." && pwd)
build=$root/build-fuzz
mapfile -t targets < <(find "$build/fuzz" -maxdepth 1 -type f -executable -name 'fuzz_*' \
                         -printf '%f\n' | sed 's/^fuzz_//' | sort)
[ ${#targets[@]} -gt 0 ] || { echo "no fuzz targets in $build/fuzz"; exit 1; }
mkdir -p "$build/logs"

run_one() {
  local t=$1
  mkdir -p "$build/corpus/$t" "$build/artifacts/$t"
  # New inputs go to the build's own corpus; the committed seeds stay as they are.
  "$build/fuzz/fuzz_$t" -max_total_time="$seconds" -timeout=25 -print_final_stats=1 \
    -artifact_prefix="$build/artifacts/$t/" "$build/corpus/$t" "$root/fuzz/corpus/$t" \
    >"$build/logs/$t.log" 2>&1
  echo "$t exit $?" >>"$build/logs/$t.log"
}
export -f run_one
export build root seconds

printf '%s\n' "${targets[@]}" | xargs -P "$jobs" -I{} bash -c 'run_one {}'

failed=0
printf '%-16s %14s  %s\n' target executions result
for t in "${targets[@]}"; do
  log=$build/logs/$t.log
  runs=$(sed -n 's/^stat::number_of_executed_units: *//p' "$log" | tail -1)
  crashes=$(find "$build/artifacts/$t" -type f | wc -l)
  if grep -q "^$t exit 0$" "$log" && [ "$crashes" -eq 0 ]; then
    result="0 crashes"
  else
    result="FAILED ($crashes inputs kept in build-fuzz/artifacts/$t; see build-fuzz/logs/$t.log)"
    failed=1
  fi
  printf '%-16s %14s  %s\n' "$t" "${runs:-?}" "$result"
done
[ $failed -eq 0 ] || echo "Copy a fixed crash input into fuzz/regressions/ so that make test replays it."
exit $failed
