#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for a bounded time.
#   scripts/fuzz.sh [seconds-per-target] [target...]
# The committed seeds in fuzz/corpus/<target>/ are read; new inputs go to a scratch corpus
# under the build directory, so a run never changes the repository. Findings (crash-*,
# leak-*, timeout-*, oom-*) are written to build-fuzz/findings/<target>/ and fail the script.
set -euo pipefail

here="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${QUINTARA_FUZZ_BUILD_DIR:-$here/build-fuzz}"
seconds="${1:-30}"
shift || true
jobs="${QUINTARA_JOBS:-2}"

cmake -S "$here" -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DCMAKE_CXX_COMPILER=clang++-14 -DQUINTARA_FUZZ=ON -DQUINTARA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j "$jobs" --target fuzz_all

targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for src in "$here"/fuzz/fuzz_*.cpp; do targets+=("$(basename "$src" .cpp)"); done
fi

failed=()
for t in "${targets[@]}"; do
  seeds="$here/fuzz/corpus/$t"
  work="$build/corpus/$t"
  findings="$build/findings/$t"
  mkdir -p "$work" "$findings"
  echo "== $t (${seconds}s)"
  # -timeout: one input taking longer is a hang; -rss_limit_mb: a runaway allocation is a finding.
  if ! (cd "$findings" && "$build/fuzz/$t" "$work" "$seeds" -max_total_time="$seconds" -timeout=10 \
        -rss_limit_mb=2048 -max_len=65536 -print_final_stats=1 2>"$findings/log.txt"); then
    failed+=("$t")
    tail -n 60 "$findings/log.txt"
  fi
  grep -E "^stat::number_of_executed_units|^stat::peak_rss_mb" "$findings/log.txt" | sed "s/^/   /" || true
done

if [ ${#failed[@]} -ne 0 ]; then
  echo "fuzz findings in: ${failed[*]} (inputs under $build/findings/)" >&2
  exit 1
fi
echo "fuzz: no findings"
