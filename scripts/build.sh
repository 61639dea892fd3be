#!/usr/bin/env bash
# Configures and builds Korvel into build/; the playable run directory is
# build/run (korvel, options.txt, data/).
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
cmake -S "$root" -B "$root/build" -DCMAKE_BUILD_TYPE=RelWithDebInfo > /dev/null
cmake --build "$root/build" -j "$(nproc)"
