#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# --help and --version of both programs: answered on stdout with status 0,
# nothing on stderr, without any display; the version is the package's.
# And a name given to kibbo-tool in UTF-8 is stored as given in the POSIX
# locale, which a bare system has.
# Usage: command_line.sh PATH/TO/kibbo VERSION
set -euo pipefail
dist=$(dirname "$(realpath "$1")")
version=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

fail() { echo "FAIL: $*"; exit 1; }

# No display of any kind, and no locale.
bare() { env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM -u LANG -u LC_ALL -u LANGUAGE "$@"; }

for program in kibbo kibbo-tool; do
  for option in --help --version; do
    status=0
    bare "$dist/$program" "$option" >"$work/out" 2>"$work/err" || status=$?
    [ "$status" -eq 0 ] || fail "$program $option exited $status: $(cat "$work/err")"
    [ ! -s "$work/err" ] || fail "$program $option wrote on stderr: $(cat "$work/err")"
    case $option in
      --help) grep -q "^usage: $program " "$work/out" || fail "$program --help prints no usage" ;;
      --version)
        [ "$(head -n 1 "$work/out")" = "$program $version" ] || fail "$program --version: $(head -n 1 "$work/out")"
        grep -q '^License GPL-3.0-or-later' "$work/out" || fail "$program --version names no licence" ;;
    esac
    echo "$program $option: $(head -n 1 "$work/out")"
  done
done

# Without a display the game still refuses to start, in one line.
status=0
bare "$dist/kibbo" >/dev/null 2>"$work/err" || status=$?
[ "$status" -eq 1 ] && [ "$(wc -l <"$work/err")" -eq 1 ] || fail "kibbo without a display: status $status, $(cat "$work/err")"

name=犬好き
bare "$dist/kibbo-tool" ranking add 999999 "$name" --data "$work" >/dev/null || fail "ranking add in the POSIX locale"
first=$(bare "$dist/kibbo-tool" ranking --data "$work" | head -n 1)
[ "$first" = "$(printf '1\t999999\t%s' "$name")" ] || fail "ranking read back in the POSIX locale: $first"
echo "the POSIX locale stores and reads back $name"
