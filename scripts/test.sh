#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite. The GL tests need an X
# server; without a display one is started (Xvfb, Mesa's software renderer).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"

run_ctest=(ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)")
if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then
  "${run_ctest[@]}"
else
  # -noreset: tests come and go as X clients; a server that resets whenever
  # the last one leaves would refuse the next for a moment.
  xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "${run_ctest[@]}"
fi
