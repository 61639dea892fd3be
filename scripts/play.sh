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
  # Xvfb runs no window manager, so the window is focused directly.
  window=$(xdotool search --name "^Korvel$" | head -n 1)
  if [ -n "$window" ]; then
    xdotool windowfocus --sync "$window" key Escape || true
  fi
  for _ in 1 2 3 4 5 6 7 8 9 10; do
    kill -0 "$game" 2>/dev/null || break
    sleep 0.5
  done
  if kill -0 "$game" 2>/dev/null; then
    echo "Korvel did not end on Escape; stopping it." >&2
    kill "$game"
  fi
  wait "$game" || echo "Korvel ended with status $?." >&2
' bash "$@"
echo "A screenshot of the game was written to $shot"
