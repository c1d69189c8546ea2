#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# The desktop knows a saved mechanism once the game is installed: the file type is recognised
# by its content (with or without a byte order mark, whatever its name), plain text stays plain
# text, the game is the program that opens it, and the game opens the file it is given.
#   desktop_files.sh BUILD_DIR SOURCE_DIR
set -uo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

DESTDIR="$work/stage" cmake --install "$build" --prefix /usr > "$work/install.log" 2>&1 \
    || { cat "$work/install.log"; exit 1; }
prefix="$work/stage/usr"
type=application/x-quorvel-mechanism

# What the package's triggers do on a real system.
update-mime-database "$prefix/share/mime" || fail "update-mime-database refused the type"
update-desktop-database "$prefix/share/applications" || fail "update-desktop-database failed"

# The installed tree alone, as the desktop of a fresh account sees it: a desktop whose file
# manager reads the shared MIME database (xdg-mime asks gio there).
mkdir -p "$work/home/.config" "$work/home/.local/share" "$work/files"
export HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" \
    XDG_DATA_HOME="$work/home/.local/share" XDG_DATA_DIRS="$prefix/share:/usr/share" \
    XDG_CURRENT_DESKTOP=X-Generic

cp "$source/tests/data/mechanism_level2.txt" "$work/files/compito.txt"
cp "$source/tests/data/mechanism_hand_edited.txt" "$work/files/con segno.txt"
cp "$source/tests/data/mechanism_level5.txt" "$work/files/senza nome"
printf 'La spesa: pane, latte\n' > "$work/files/spesa.txt"
printf '"livelli di lettura"\n' > "$work/files/quasi.txt"
while IFS='|' read -r file expected; do
    found=$(xdg-mime query filetype "$work/files/$file" 2>&1)
    [ "$found" = "$expected" ] || fail "xdg-mime names «$file» $found, not $expected"
done <<TABLE
compito.txt|$type
con segno.txt|$type
senza nome|$type
spesa.txt|text/plain
quasi.txt|text/plain
TABLE

found=$(xdg-mime query default "$type" 2>&1)
[ "$found" = org.quorvel.Quorvel.desktop ] || fail "the mechanism opens with «$found»"
grep -qx 'Exec=quorvel %f' "$prefix/share/applications/org.quorvel.Quorvel.desktop" \
    || fail "the desktop file does not pass the file to the game"

# The game given a file opens it: the open panel then starts in its folder.
QT_QPA_PLATFORM=offscreen QUORVEL_BENCH_FIRST_PAINT=1 QUORVEL_BENCH_EXIT_AFTER_MS=1500 \
    timeout 60 "$prefix/bin/quorvel" "$work/files/compito.txt" > /dev/null 2> "$work/window.err"
status=$?
[ "$status" -eq 0 ] || { cat "$work/window.err"; fail "the window given a file ended with $status"; }
grep -qxF "cartella=$work/files" "$work/home/.config/Quorvel/Quorvel.conf" 2> /dev/null \
    || fail "the window did not open the file it was given"

if [ "$failures" -ne 0 ]; then
    echo "$failures problems with the desktop's files"
    exit 1
fi
echo "the desktop knows a saved mechanism and opens it in the game"
