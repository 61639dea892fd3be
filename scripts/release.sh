#!/usr/bin/env bash
# The release checklist, run from a committed tree:
#   scripts/release.sh [--first-build DIR]
# builds Korvel's packages twice, from two clean clones in two folders (or
# takes DIR, a build of this very commit by scripts/build.sh from a clean
# clone, as CI has, as the first), and checks that the packages and the
# screenshots come out bit for bit the same. Then lintian (pedantic, every
# tag fatal), desktop-file-validate and appstreamcli (pedantic, strict)
# check them; each package is simulated installed with apt, and unpacked
# into a scratch root from which the game and the tools are started on a
# virtual display. The packages and the screenshots (to publish below the
# homepage the software centre entry names) land in build/release/, what
# the builds and CPack said in build/release/logs/.
set -euo pipefail
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
first=""
if [ "${1:-}" = "--first-build" ]; then
  first="$(cd "$2" && pwd)"
fi
if [ -n "$(git -C "$root" status --porcelain --untracked-files=no)" ]; then
  echo "release: the work tree has changes; a release is built from a commit." >&2
  exit 1
fi
out="$root/build/release"
scratch="$(mktemp -d)"
trap 'rm -rf "$scratch"' EXIT
rm -rf "$out"
mkdir -p "$out"

logs="$out/logs"
mkdir -p "$logs"

# The packages and screenshots of one build of the committed tree, into
# $scratch/$2; what the tools said goes to $logs.
package() {
  local build="$1" into="$scratch/$2"
  "$root/scripts/with-display.sh" cmake --build "$build" --target korvel_screenshots > "$logs/$2-shots.log"
  # Every file in the packages is dated by the newest changelog entry.
  SOURCE_DATE_EPOCH="$(dpkg-parsechangelog -l "$build/dist/changelog" -STimestamp)" \
    cpack -G DEB --config "$build/CPackConfig.cmake" -B "$into" > "$logs/$2-cpack.log"
  rm -rf "$into/_CPack_Packages"
  cp -r "$build/screenshots" "$into/screenshots"
}
clean_build() {
  git clone -q "$root" "$scratch/$1"
  "$scratch/$1/scripts/build.sh" -DBUILD_TESTING=OFF > "$logs/$1-build.log"
  echo "$scratch/$1/build"
}

echo "== two builds of $(git -C "$root" rev-parse --short HEAD)"
if [ -z "$first" ]; then
  first="$(clean_build a)"
fi
package "$first" first
package "$(clean_build b)" second
if ! diff -r "$scratch/first" "$scratch/second"; then
  echo "release: the two builds differ" >&2
  exit 1
fi
echo "Both builds give the same bytes:"
(cd "$scratch/first" && sha256sum ./*.deb screenshots/*.png | sed 's/^/  /')
cp -r "$scratch/first"/*.deb "$scratch/first/screenshots" "$out/"
debs=("$out"/*.deb)

echo "== lintian --pedantic --display-info"
lintian --allow-root --pedantic --display-info --fail-on error,warning,info,pedantic "${debs[@]}"
echo "No tag."

sysroot="$scratch/root"
for deb in "${debs[@]}"; do
  dpkg-deb -x "$deb" "$sysroot"
done
echo "== desktop-file-validate, appstreamcli validate --pedantic --strict --no-net"
desktop-file-validate "$sysroot"/usr/share/applications/*.desktop
# The screenshots are published with the release, after this check: the
# validator must not look for them on the web.
appstreamcli validate --pedantic --strict --no-net "$sysroot"/usr/share/metainfo/*.metainfo.xml

echo "== each package installable"
for set in korvel-data "korvel-data korvel" "korvel-data korvel-tools"; do
  files=()
  for name in $set; do
    files+=("$out/${name}_"*.deb)
  done
  apt-get install --simulate --quiet=2 "${files[@]}" > /dev/null
  echo "  $set"
done

echo "== started from the scratch root"
export HOME="$scratch/home" XDG_CONFIG_HOME="$scratch/home/config" XDG_DATA_HOME="$scratch/home/data"
mkdir -p "$HOME/elsewhere"
cd "$HOME/elsewhere"
"$sysroot/usr/bin/korvel-model" info "$sysroot/usr/share/games/korvel/data/haus2.ms3d" > /dev/null
wmclass="$(sed -n 's/^StartupWMClass=//p' "$sysroot"/usr/share/applications/*.desktop)"
xvfb-run -a -s "-screen 0 1024x768x24" bash -c '
  set -euo pipefail
  "$1/usr/bin/korvel-model" render "$1/usr/share/games/korvel/data/haus2.ms3d" haus2.png
  "$1/usr/games/korvel" --no-intro > game.log &
  game=$!
  for _ in $(seq 100); do
    window=$(xdotool search --name "^Korvel$" 2> /dev/null | head -n 1) && [ -n "$window" ] && break
    sleep 0.2
  done
  # Read whole before matching: grep -q leaving early would end xprop by SIGPIPE.
  [[ "$(xprop -id "$window" WM_CLASS)" == *"\"$2\"" ]]
  [[ "$(xprop -id "$window" _NET_WM_ICON)" == *"Icon (64 x 64)"* ]]
  xdotool windowfocus --sync "$window" key Escape
  wait "$game"
' bash "$sysroot" "$wmclass"
echo "  korvel-model info and render; korvel drew its window (class $wmclass, with its icon) and ended on Escape"

echo "== packages in $out"
for deb in "${debs[@]}"; do
  printf '  %-32s %6d kB, installed %6d kB\n' "$(basename "$deb")" $(($(stat -c %s "$deb") / 1024)) \
    "$(dpkg-deb -f "$deb" Installed-Size)"
done
