#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a scratch root, as a package build does, and checks
# what a Debian system and a desktop need: the programs in games/, finding the
# pictures and default data in share/games/kibbo; the manual pages and the
# package's documents; a desktop entry, AppStream file and icon that their own
# validators accept.
#   validate_install.sh BUILD_DIR APP_ID
set -euo pipefail
build=$1
id=$2
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
export LC_ALL=C.UTF-8

DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
usr=$root/usr
assets=$usr/share/games/kibbo

fail() { echo "FAIL: $*" >&2; exit 1; }

for exe in kibbo kibbo-tool; do
  [ -x "$usr/games/$exe" ] && [ ! -L "$usr/games/$exe" ] || fail "games/$exe is not a program"
  [ ! -e "$usr/bin/$exe" ] || fail "bin/$exe is installed as well"
  man=$usr/share/man/man6/$exe.6.gz
  gzip -t "$man" || fail "$man is not gzip"
  out=$(MANWIDTH=80 man --warnings -l "$man" 2>&1 >/dev/null) || fail "man $man"
  [ -z "$out" ] || fail "man $man: $out"
  page=$(MANWIDTH=80 man -l "$man")
  for option in --help --version; do
    grep -q -- "$option" <<<"$page" || fail "$man does not name $option"
  done
done
for folder in ani pics sound data; do
  [ -d "$assets/$folder" ] || fail "share/games/kibbo/$folder is missing"
done
for file in key.ini score.kib; do
  [ -s "$assets/data/$file" ] || fail "default data/$file is missing"
done
[ ! -e "$assets/data/score.dat" ] || fail "a last score was installed"
[ ! -e "$usr/lib/kibbo" ] || fail "lib/kibbo is still installed"

doc=$usr/share/doc/kibbo
grep -q '^License: GPL-3+' "$doc/copyright" || fail "copyright names no licence"
zcat "$doc/changelog.gz" | head -n 1 | grep -q '^kibbo (' || fail "changelog.gz is not a Debian changelog"

# From games/, the tool finds the ranking among the installed data.
places=$(XDG_DATA_HOME=$root/home "$usr/games/kibbo-tool" ranking | wc -l)
[ "$places" -eq 7 ] || fail "kibbo-tool ranking printed $places places"

desktop=$usr/share/applications/$id.desktop
out=$(desktop-file-validate "$desktop") || fail "desktop-file-validate: $out"
[ -z "$out" ] || fail "desktop-file-validate has remarks: $out"
grep -q '^Name\[ja\]=' "$desktop" || fail "the desktop entry has no Japanese name"
# Clean means not even an informational or pedantic remark, on the release's
# own appstream.
out=$(appstreamcli validate --no-net --pedantic "$usr/share/metainfo/$id.metainfo.xml" 2>&1) \
  || fail "appstreamcli validate: $out"
! grep -qE '^[EWIP]: ' <<<"$out" || fail "appstreamcli validate has remarks: $out"

for size in 32 64 128; do
  icon=$usr/share/icons/hicolor/${size}x$size/apps/$id.png
  [ "$(identify -format '%m %wx%h' "$icon")" = "PNG ${size}x$size" ] || fail "icon $icon is not a ${size}x$size PNG"
done
echo "installed layout, manual pages, documents, desktop entry, metainfo and icons are valid"
