#!/usr/bin/env bash
# Builds Korvel with AddressSanitizer and UndefinedBehaviorSanitizer into
# build-sanitize/ and runs the suite there: any memory error, leak or
# undefined behaviour in our code fails it (what lies in system libraries is
# suppressed in tests/sanitizers/lsan.supp, each line with its reason). With
# clang the fuzz targets are built too and each runs briefly as a test. As
# that build's generators come from another compiler than build/'s, their
# data must come out byte for byte the same.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
source "$root/tests/sanitizers/environment.sh"
compiler=()
if command -v clang++ > /dev/null; then
  compiler=(-DCMAKE_CXX_COMPILER=clang++)
fi
cmake -S "$root" -B "$root/build-sanitize" -DCMAKE_BUILD_TYPE=RelWithDebInfo -DKORVEL_SANITIZE=ON \
  "${compiler[@]}" > /dev/null
cmake --build "$root/build-sanitize" -j "$(nproc)"
if [ -d "$root/build/run/data" ]; then
  diff -r --brief "$root/build/run/data" "$root/build-sanitize/run/data"
  echo "The generated data is the same from both builds."
fi
# The sanitized game draws a few frames a second: the real-program tests
# that walk by the clock or compare pictures taken moments apart, and the
# packages' test, which checks what the plain build installs, are left to
# the plain suite.
LD_PRELOAD="$glDriver" "$root/scripts/with-display.sh" \
  ctest --test-dir "$root/build-sanitize" --output-on-failure -j "$(nproc)" -E '^(RealGameInput\.|InstallTest\.)'
