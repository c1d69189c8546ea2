#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with CPack and checks what it holds and what it asks for.
#   debian_package.sh BUILD_DIR
set -uo pipefail

build=$(cd "$1" && pwd)
rm -rf "$build/package"
(cd "$build" && cpack > "$build/cpack.log" 2>&1) || { cat "$build/cpack.log"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/package/quorvel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL no $deb"; ls "$build/package"; exit 1; }

failures=0
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
for file in ./usr/bin/quorvel ./usr/bin/quorvel-console ./usr/bin/quorvel-classe \
    ./usr/lib/quorvel/quorvel_classe.so ./usr/lib/quorvel/quorvel_media.so \
    ./usr/lib/quorvel/quorvel_documents.so ./usr/share/quorvel/rosso.gif \
    ./usr/share/quorvel/luce4.gif ./usr/share/applications/org.quorvel.Quorvel.desktop \
    ./usr/share/icons/hicolor/48x48/apps/quorvel.png \
    ./usr/share/metainfo/org.quorvel.Quorvel.metainfo.xml ./usr/share/man/man6/quorvel.6 \
    ./usr/share/quorvel/translations/quorvel_en.qm; do
    grep -qxF "$file" <<< "$contents" || { echo "FAIL the package lacks $file"; failures=$((failures + 1)); }
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6multimedia6 libespeak-ng1 espeak-ng-data qt6-qpa-plugins; do
    grep -q "\b$needed\b" <<< "$depends" || { echo "FAIL Depends lacks $needed: $depends"; failures=$((failures + 1)); }
done
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "FAIL the version"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): $(wc -l <<< "$contents") entries; Depends: $depends"
