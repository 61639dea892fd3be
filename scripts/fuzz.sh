#!/usr/bin/env bash
# Runs the fuzz targets of the sanitized clang build (scripts/sanitize.sh
# builds it) for longer than the tests do: scripts/fuzz.sh [SECONDS [TARGET...]],
# 600 seconds each by default, all targets one after another. The corpus
# grows in build-sanitize/tests/fuzz/corpus/; crashing inputs land in
# build-sanitize/tests/fuzz/findings/. Each run ends with libFuzzer's
# statistics (executions per second, coverage).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tests/sanitizers/environment.sh"
fuzz="$root/build-sanitize/tests/fuzz"
seconds="${1:-600}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  targets=(Model Text Video)
fi
if [ ! -d "$fuzz" ]; then
  echo "No fuzz targets in $fuzz: run scripts/sanitize.sh with clang installed first." >&2
  exit 1
fi
built=()
for target in "${targets[@]}"; do
  built+=("fuzz_$target" "fuzz_${target}_seeds")
done
cmake --build "$root/build-sanitize" -j "$(nproc)" --target "${built[@]}"
for target in "${targets[@]}"; do
  echo "== fuzz_$target for $seconds s"
  "$fuzz/fuzz_$target" -max_total_time="$seconds" -timeout=10 -close_fd_mask=1 -print_final_stats=1 \
    -artifact_prefix="$fuzz/findings/$target-" "$fuzz/corpus/$target" "$fuzz/seeds/$target"
done
