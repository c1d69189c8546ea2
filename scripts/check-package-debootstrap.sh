#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Proves the Debian package complete on a minimal system: makes a minimal Debian 12 tree with
# debootstrap, installs the package there with apt-get (its Depends only, no Recommends), and
# runs `quorvel --version`, a short game of `quorvel-console`, and the window on this machine's
# Xvfb until its first frame. Needs root, debootstrap, Xvfb and Debian's mirror (the first
# Debian mirror of apt's sources, or MIRROR=...). Not part of `make test`: it needs the package
# (make package) and five minutes.
#   check-package-debootstrap.sh [PACKAGE.deb] [TREE]
# TREE is made in a temporary folder and removed after, unless given; a TREE given that already
# holds a system made by an earlier run is used again as it is.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
deb=${1:-$(ls "$root"/build/package/quorvel_*.deb 2> /dev/null | head -n 1)}
[ -f "$deb" ] || { echo "check-package: no package; run make package first" >&2; exit 2; }
deb=$(cd "$(dirname "$deb")" && pwd)/$(basename "$deb")
suite=bookworm

keep=yes
tree=${2:-}
if [ -z "$tree" ]; then
    tree=$(mktemp -d "${TMPDIR:-/tmp}/quorvel-bookworm.XXXXXX")
    keep=no
fi
mkdir -p "$tree"
tree=$(cd "$tree" && pwd)
log="$tree.log"
: > "$log"

mounted=()
xvfb_pid=""
cleanup() {
    [ -z "$xvfb_pid" ] || kill "$xvfb_pid" 2> /dev/null || true
    local i
    for ((i = ${#mounted[@]} - 1; i >= 0; i--)); do
        umount -l "${mounted[$i]}" 2> /dev/null || true
    done
    [ "$keep" = yes ] || rm -rf "$tree"
}
trap cleanup EXIT

step() { printf '%s ... ' "$1"; }
ok() { echo "${1:-ok}"; }
fail() {
    echo "FAILED"
    echo "check-package: $1; the end of the log ($log):"
    tail -n 25 "$log"
    exit 1
}

if [ ! -f "$tree/etc/debian_version" ]; then
    mirror=${MIRROR:-$(apt-get indextargets --format '$(REPO_URI)' 'Identifier: Packages' \
        2> /dev/null | grep -m 1 -E '/debian/?$' || true)}
    [ -n "$mirror" ] || mirror=http://deb.debian.org/debian/
    step "debootstrap: a minimal $suite tree from $mirror"
    debootstrap --variant=minbase "$suite" "$tree" "$mirror" >> "$log" 2>&1 \
        || fail "debootstrap could not make the tree from $mirror"
    ok "$(du -sh "$tree" | cut -f1)"
fi

for dir in proc sys dev dev/pts tmp/.X11-unix; do
    mkdir -p "$tree/$dir"
done
mount -t proc proc "$tree/proc" && mounted+=("$tree/proc")
mount --bind /sys "$tree/sys" && mounted+=("$tree/sys")
mount --bind /dev "$tree/dev" && mounted+=("$tree/dev")
mount --bind /dev/pts "$tree/dev/pts" && mounted+=("$tree/dev/pts")
in_tree() { chroot "$tree" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/root LANG=C.UTF-8 "$@"; }

step "apt-get install ./$(basename "$deb") (no Recommends)"
cp "$deb" "$tree/tmp/"
in_tree apt-get update >> "$log" 2>&1 || fail "apt-get update in the tree failed"
before=$(in_tree dpkg-query -W -f '.\n' | wc -l)
in_tree env DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends \
    "/tmp/$(basename "$deb")" >> "$log" 2>&1 || fail "the package does not install"
after=$(in_tree dpkg-query -W -f '.\n' | wc -l)
ok "$((after - before)) packages installed with it"

step "quorvel --version"
version=$(in_tree quorvel --version 2>> "$log") || fail "quorvel --version failed"
ok "$version"

step "a short game of quorvel-console"
game=$(printf 'livello 1\nprimo 12\nsecondo 3\nesperimento\ncollezione\nesci\n' \
    | in_tree quorvel-console --seed 7 2>> "$log") || { echo "$game" >> "$log"; fail "quorvel-console failed"; }
echo "$game" >> "$log"
output=$(grep -m 1 '^usc: ' <<< "$game") || fail "quorvel-console gave no output"
ok "$output"

step "the window on Xvfb until its first frame"
display_pipe=$(mktemp)
Xvfb -displayfd 3 -screen 0 1366x768x24 -nolisten tcp 3> "$display_pipe" 2>> "$log" &
xvfb_pid=$!
for _ in $(seq 100); do
    [ -s "$display_pipe" ] && break
    sleep 0.1
done
display=$(head -n 1 "$display_pipe")
rm -f "$display_pipe"
[ -n "$display" ] || fail "Xvfb did not start"
mount --bind /tmp/.X11-unix "$tree/tmp/.X11-unix" && mounted+=("$tree/tmp/.X11-unix")
in_tree env DISPLAY=":$display" XDG_RUNTIME_DIR=/tmp QUORVEL_BENCH_FIRST_PAINT=1 \
    QUORVEL_BENCH_EXIT_AFTER_MS=3000 timeout 60 quorvel > /dev/null 2> "$tree/tmp/window.err" \
    || { cat "$tree/tmp/window.err" >> "$log"; fail "the window ended with an error"; }
cat "$tree/tmp/window.err" >> "$log"
frame=$(sed -n 's/^first-paint //p' "$tree/tmp/window.err")
[ -n "$frame" ] || fail "the window painted nothing"
ok "first frame after $frame ms"
# A missing piece fails; a machine without a sound card is no fault of the package.
if grep -E "not loaded|not found|no Italian voice|is missing" "$tree/tmp/window.err"; then
    fail "the installed window misses a piece"
fi
grep -E "^quorvel: " "$tree/tmp/window.err" | sed 's/^/  the window says: /' || true
echo "the package installs and plays in a minimal $suite tree (log: $log)"
