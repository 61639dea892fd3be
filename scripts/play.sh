#!/usr/bin/env bash
# Sets up and starts Korvel. Without a display the game runs on a virtual
# one (Xvfb) for a while and a screenshot of it is saved.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
cd "$root/build/run"

if [ -n "${DISPLAY:-}" ] && xdpyinfo > /dev/null 2>&1; then
  exec ./korvel "$@"
fi

seconds="${KORVEL_HEADLESS_SECONDS:-20}"
shot="$root/build/korvel-screenshot.png"
echo "No display found: running Korvel on a virtual display (Xvfb) for $seconds seconds."
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  ./korvel "$@" &
  game=$!
  sleep "'"$seconds"'"
  import -window root "'"$shot"'"
  xdotool search --name "^Korvel$" windowactivate --sync key Escape 2>/dev/null || true
  sleep 1
  kill "$game" 2>/dev/null || true
  wait "$game" 2>/dev/null || true
' bash "$@"
echo "A screenshot of the game was written to $shot"
