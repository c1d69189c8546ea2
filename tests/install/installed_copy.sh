#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the build into a temporary prefix (DESTDIR), moves the installed tree elsewhere,
# and plays from there: the installed files are all there and valid, the console plays a
# transcript, and the window finds its clips, lights and modules without the build folder.
#   installed_copy.sh BUILD_DIR SOURCE_DIR
set -uo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$2" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failures=0
fail() { echo "FAIL $*"; failures=$((failures + 1)); }

# Stripped, as the package is: debug information names the source and build folders.
DESTDIR="$work/stage" cmake --install "$build" --prefix /usr --strip > "$work/install.log" 2>&1 \
    || { cat "$work/install.log"; exit 1; }
# Wherever the prefix ends up, the program finds its pieces from its own folder.
mv "$work/stage/usr" "$work/elsewhere"
prefix="$work/elsewhere"

# The modules in the program's own folder under the architecture's library folder.
modules=$(cd "$prefix" && ls -d lib/*/quorvel lib/quorvel 2> /dev/null)
[ "$(echo "$modules" | wc -l)" = 1 ] || fail "the modules are in more than one folder: $modules"
modules=$(echo "$modules" | head -n 1)
for file in bin/quorvel bin/quorvel-console bin/quorvel-classe "$modules/quorvel_classe.so" \
    "$modules/quorvel_media.so" \
    "$modules/quorvel_documents.so" share/quorvel/rosso.gif share/quorvel/luce1.gif \
    share/quorvel/info.png share/applications/org.quorvel.Quorvel.desktop \
    share/metainfo/org.quorvel.Quorvel.metainfo.xml share/icons/hicolor/scalable/apps/quorvel.svg \
    share/icons/hicolor/16x16/apps/quorvel.png share/icons/hicolor/256x256/apps/quorvel.png \
    share/man/man6/quorvel.6.gz share/man/man6/quorvel-console.6.gz \
    share/man/man6/quorvel-classe.6.gz share/man/en/man6/quorvel.6.gz \
    share/man/en/man6/quorvel-console.6.gz share/man/en/man6/quorvel-classe.6.gz \
    share/doc/quorvel/copyright share/doc/quorvel/changelog.gz \
    share/quorvel/translations/quorvel_en.qm; do
    [ -f "$prefix/$file" ] || fail "not installed: $file"
done

desktop-file-validate "$prefix/share/applications/org.quorvel.Quorvel.desktop" \
    || fail "the desktop file is not valid"
appstreamcli validate --no-net --explain \
    "$prefix/share/metainfo/org.quorvel.Quorvel.metainfo.xml" > "$work/appstream.log" 2>&1 \
    || { cat "$work/appstream.log"; fail "the metainfo is not valid"; }
for page in man6/quorvel man6/quorvel-console man6/quorvel-classe en/man6/quorvel \
    en/man6/quorvel-console en/man6/quorvel-classe; do
    warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -l "$prefix/share/man/$page.6.gz" \
        2>&1 > /dev/null)
    [ -z "$warnings" ] || fail "the manual page $page: $warnings"
done

# Nothing installed points back into the build folder.
if grep -rlF "$build" "$prefix" > "$work/pointers"; then
    fail "installed files name the build folder: $(tr '\n' ' ' < "$work/pointers")"
fi

"$prefix/bin/quorvel" --version | grep -qx "quorvel [0-9.]*" || fail "quorvel --version"
session="$source/tests/console/commands.in"
options=$(sed -n '1s/^# options: //p' "$session")
# shellcheck disable=SC2086
LC_ALL=C "$prefix/bin/quorvel-console" $options < "$session" > "$work/console.out" \
    || fail "the installed console ended with an error"
diff -u "$source/tests/console/commands.out" "$work/console.out" > "$work/console.diff" \
    || { head -20 "$work/console.diff"; fail "the installed console's transcript differs"; }

# In English too: the installed copy finds its translation.
printf 'esperimento\nesci\n' | LC_ALL=C "$prefix/bin/quorvel-console" --lingua en \
    > "$work/english.out" 2> "$work/english.err"
grep -q "^messaggio: You must choose a level!!$" "$work/english.out" \
    || { cat "$work/english.out" "$work/english.err"; fail "the installed console speaks no English"; }

# The window, offscreen, until a moment after its first frame: no piece may be missing.
mkdir -p "$work/home"
HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config" QT_QPA_PLATFORM=offscreen \
    QUORVEL_BENCH_FIRST_PAINT=1 QUORVEL_BENCH_EXIT_AFTER_MS=1500 \
    timeout 60 "$prefix/bin/quorvel" > /dev/null 2> "$work/window.err"
status=$?
[ "$status" -eq 0 ] || fail "the installed window ended with status $status"
grep -q "^first-paint " "$work/window.err" || fail "the installed window painted nothing"
if grep -E "not found|not loaded|no Italian voice|is missing" "$work/window.err"; then
    fail "the installed window misses a piece"
fi

if [ "$failures" -ne 0 ]; then
    echo "$failures problems with the installed copy"
    exit 1
fi
echo "the installed copy is complete and plays"
