#!/usr/bin/env bash
# Configures and builds Korvel into build/ with the distribution's compiler
# and linker flags from dpkg-buildflags (hardening with bindnow and fortify,
# the source folder mapped to "." so no build path lands in a binary); the
# playable run directory is build/run. Arguments go to CMake's configure.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
# dpkg-buildflags maps the folder it is called from.
cd "$root"
export DEB_BUILD_MAINT_OPTIONS=hardening=+all
cxxflags="$(dpkg-buildflags --get CXXFLAGS) $(dpkg-buildflags --get CPPFLAGS)"
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_FLAGS="$cxxflags" \
  -DCMAKE_EXE_LINKER_FLAGS="$(dpkg-buildflags --get LDFLAGS)" "$@" > /dev/null
cmake --build build -j "$(nproc)"
