#!/usr/bin/env bash
# Runs a command with an X server: the current display when there is one,
# else a virtual one (Xvfb; the GL tests then draw with Mesa's software
# renderer).
set -euo pipefail
if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then
  exec "$@"
fi
# -noreset: tests come and go as X clients; a server that resets whenever
# the last one leaves would refuse the next for a moment.
exec xvfb-run -a -s "-screen 0 1024x768x24 -noreset" "$@"
