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
    libgtest-dev libgmock-dev libbenchmark-dev
    xvfb xauth xdotool imagemagick sox openbox libxdamage-dev librsvg2-bin
    desktop-file-utils appstream dpkg-dev reuse
    clang libclang-rt-14-dev fonts-liberation qt6-translations-l10n qt6-l10n-tools
)

missing=()
for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
        missing+=("$p")
    fi
done

if [ ${#missing[@]} -eq 0 ]; then
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
