#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Installs the Debian packages the build, the game and the tests need.
# Does nothing when everything is already there; uses sudo only when not root.
set -euo pipefail

packages=(
    build-essential cmake ninja-build pkg-config clang-format
    qt6-base-dev qt6-multimedia-dev qt6-charts-dev libqt6opengl6-dev
    libespeak-ng-dev espeak-ng-data libmuparser-dev libsqlite3-dev libsodium-dev
    libpq-dev postgresql-15
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick sox openbox libxdamage-dev librsvg2-bin
    desktop-file-utils appstream dpkg-dev reuse
    clang libclang-rt-14-dev fonts-liberation qt6-translations-l10n qt6-l10n-tools locales
    shared-mime-info xdg-utils libfile-mimeinfo-perl
)

# The pupils' computers run Italian: the tests run a second time under it_IT.UTF-8.
italian_locale() {
    if locale -a 2>/dev/null | grep -qi '^it_IT\.utf-\?8$'; then
        return 0
    fi
    echo "Making the it_IT.UTF-8 locale"
    local run=()
    if [ "$(id -u)" -ne 0 ]; then
        run=(sudo)
    fi
    if [ -f /etc/locale.gen ] && ! grep -q '^it_IT.UTF-8 UTF-8' /etc/locale.gen; then
        echo 'it_IT.UTF-8 UTF-8' | "${run[@]}" tee -a /etc/locale.gen > /dev/null
    fi
    "${run[@]}" localedef -i it_IT -f UTF-8 it_IT.UTF-8
}

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
    italian_locale
    exit 0
fi

echo "Installing missing packages: ${missing[*]}"
sudo_cmd=()
if [ "$(id -u)" -ne 0 ]; then
    sudo_cmd=(sudo)
fi
export DEBIAN_FRONTEND=noninteractive
"${sudo_cmd[@]}" apt-get update -qq
"${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
italian_locale
