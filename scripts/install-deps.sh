#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build, the game and the tests need.
# Does nothing when everything is already there; uses sudo only when not root. Says in one line
# what it installs and shows its progress on one more; apt's own output goes to a log file
# (INSTALL_LOG, by default quorvel-install-deps.log in the temporary folder), whose end is
# shown when apt fails.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev
    libespeak-ng-dev libpcaudio-dev espeak-ng-data libmuparser-dev libsqlite3-dev libsodium-dev
    libpq-dev postgresql-15
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick sox openbox libxdamage-dev librsvg2-bin
    desktop-file-utils appstream dpkg-dev reuse lintian debootstrap
    clang libclang-rt-14-dev fonts-liberation qt6-translations-l10n qt6-l10n-tools locales
    shared-mime-info xdg-utils libfile-mimeinfo-perl
)
log=${INSTALL_LOG:-${TMPDIR:-/tmp}/quorvel-install-deps.log}

as_root=()
if [ "$(id -u)" -ne 0 ]; then
    as_root=(sudo)
fi

# The pupils' computers run Italian: the tests run a second time under it_IT.UTF-8.
italian_locale() {
    if locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
        return 0
    fi
    echo "install-deps: making the it_IT.UTF-8 locale"
    if [ -f /etc/locale.gen ] && ! grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'it_IT.UTF-8 UTF-8' | "${as_root[@]}" tee -a /etc/locale.gen > /dev/null
    fi
    "${as_root[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8
}

# Reads apt's status lines ("dlstatus:...:PERCENT:..." and "pmstatus:...:PERCENT:...") and
# keeps one line up to date: what apt is doing and how far it has come, by tens of percent.
#   progress WHAT
progress() {
    local what=$1 shown="" kind percent step phase
    while IFS=: read -r kind _ percent _; do
        case $kind in
            dlstatus) phase="downloading" ;;
            pmstatus) phase="installing" ;;
            *) continue ;;
        esac
        step=$(( ${percent%%.*} / 10 * 10 ))
        if [ "$phase $step" != "$shown" ]; then
            shown="$phase $step"
            printf '\r  %s: %-11s %3d %%' "$what" "$phase" "$step"
        fi
    done
    printf '\r  %s: %-11s     \n' "$what" "done"
}

# Runs apt-get as root with its output in the log and its status lines on standard output.
apt_quietly() {
    "${as_root[@]}" env DEBIAN_FRONTEND=noninteractive bash -c \
        'exec 3>&1; exec >> "$0" 2>&1; apt-get -o APT::Status-Fd=3 "$@"' "$log" "$@"
}

failed() {
    echo
    echo "install-deps: $1 failed; the end of apt's log ($log):"
    tail -n 25 "$log"
    exit 1
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -gt 0 ]; then
    echo "install-deps: installing what the build and tests need, ${#missing[@]} Debian" \
        "package(s): ${missing[*]} (apt's log: $log)"
    : > "$log"
    apt_quietly update -q | progress "package lists" || failed "updating the package lists"
    apt_quietly install -y -q --no-install-recommends "${missing[@]}" | progress "packages" \
        || failed "installing"
fi
italian_locale
