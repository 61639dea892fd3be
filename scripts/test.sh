#!/usr/bin/env bash
# Sets up, builds and runs the whole test suite, then the same suite once
# more in a sanitized build (scripts/sanitize.sh), then the release
# checklist (scripts/release.sh) with build/ as the first of its two builds.
# The GL tests need an X server; without a display one is started (Xvfb,
# Mesa's software renderer).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
"$root/scripts/install-deps.sh"
"$root/scripts/build.sh"
"$root/scripts/with-display.sh" ctest --test-dir "$root/build" --output-on-failure -j "$(nproc)"
"$root/scripts/sanitize.sh"
"$root/scripts/release.sh" --first-build "$root/build"
