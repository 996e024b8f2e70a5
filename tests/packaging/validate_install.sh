#!/usr/bin/env bash
# Installs the build into a scratch root, as a package build does, and checks
# what a desktop needs: launchers that reach the real program with its folders
# beside it, and a desktop entry, AppStream file and icon that their own
# validators accept.
#   validate_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr

fail() { echo "FAIL: $*" >&2; exit 1; }

for exe in kibbo kibbo-tool; do
  [ -L "$usr/bin/$exe" ] || fail "bin/$exe is not a link"
  [ "$(readlink -f "$usr/bin/$exe")" = "$usr/lib/kibbo/$exe" ] || fail "bin/$exe does not lead to lib/kibbo/$exe"
done
for folder in ani pics sound data; do
  [ -d "$usr/lib/kibbo/$folder" ] || fail "lib/kibbo/$folder is missing"
done
for file in key.ini score.kib; do
  [ -s "$usr/lib/kibbo/data/$file" ] || fail "default data/$file is missing"
done
[ ! -e "$usr/lib/kibbo/data/score.dat" ] || fail "a last score was installed"

# Through the link, the tool finds the ranking in the program's own folder.
places=$("$usr/bin/kibbo-tool" ranking | wc -l)
[ "$places" -eq 7 ] || fail "kibbo-tool ranking printed $places places"

desktop=$usr/share/applications/$id.desktop
out=$(desktop-file-validate "$desktop") || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
appstreamcli validate --no-net "$usr/share/metainfo/$id.metainfo.xml" || fail "appstreamcli validate"

for size in 32 64 128; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x$size" ] || fail "icon $icon is not a ${size}x$size PNG"
done
echo "installed layout, desktop entry, metainfo and icons are valid"
