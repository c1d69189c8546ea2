#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Builds the Debian package with CPack and checks what it holds and what it asks for.
#   debian_package.sh BUILD_DIR
set -uo pipefail

build=$(cd "$1" && pwd)
source=$(cd "$(dirname "$0")/../.." && pwd)
# lintian, when installed, has its say there: an error or a warning fails.
bash "$source/scripts/package.sh" "$build" > "$build/package.out" || { cat "$build/package.out"; exit 1; }
version=$(sed -n 's/^CMAKE_PROJECT_VERSION:STATIC=//p' "$build/CMakeCache.txt")
deb="$build/package/quorvel_${version}_$(dpkg --print-architecture).deb"
[ -f "$deb" ] || { echo "FAIL no $deb"; ls "$build/package"; exit 1; }

failures=0
contents=$(dpkg-deb -c "$deb" | awk '{print $6}')
modules=./usr/lib/$(dpkg-architecture -qDEB_HOST_MULTIARCH)/quorvel
for file in ./usr/bin/quorvel ./usr/bin/quorvel-console ./usr/bin/quorvel-classe \
    $modules/quorvel_classe.so $modules/quorvel_media.so \
    $modules/quorvel_documents.so ./usr/share/quorvel/rosso.gif \
    ./usr/share/quorvel/luce4.gif ./usr/share/applications/org.quorvel.Quorvel.desktop \
    ./usr/share/icons/hicolor/48x48/apps/quorvel.png \
    ./usr/share/metainfo/org.quorvel.Quorvel.metainfo.xml ./usr/share/man/man6/quorvel.6.gz \
    ./usr/share/doc/quorvel/copyright ./usr/share/doc/quorvel/changelog.gz \
    ./usr/share/quorvel/translations/quorvel_en.qm; do
    grep -qxF "$file" <<< "$contents" || { echo "FAIL the package lacks $file"; failures=$((failures + 1)); }
done
depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libpcaudio0 libespeak-ng1 libsqlite3-0 libsodium23 qt6-qpa-plugins; do
    grep -q "\b$needed\b" <<< "$depends" || { echo "FAIL Depends lacks $needed: $depends"; failures=$((failures + 1)); }
done
# The sound goes through pcaudio: Qt Multimedia, with its media back ends, is not needed.
! grep -q "libqt6multimedia" <<< "$depends" || { echo "FAIL Depends has Qt Multimedia: $depends"; failures=$((failures + 1)); }
# The C library the programs and modules need is no newer than the one Depends names: a
# program linked with a newer C library's features would not start where apt lets it install.
unpacked=$(mktemp -d)
dpkg-deb -x "$deb" "$unpacked"
libc_named=$(sed -n 's/.*\blibc6 (>= \([0-9.]*\)).*/\1/p' <<< "$depends")
libc_needed=$(find "$unpacked/usr/bin" "$unpacked/usr/lib" -type f -exec readelf -V {} + 2> /dev/null \
    | sed -n 's/.*Name: GLIBC_\([0-9][0-9.]*\).*/\1/p; s/.*Name: GLIBC_ABI_DT_RELR.*/2.36/p' \
    | sort -V | tail -n 1)
rm -rf "$unpacked"
if [ -z "$libc_named" ] || [ "$(printf '%s\n%s\n' "$libc_needed" "$libc_named" | sort -V | tail -n 1)" != "$libc_named" ]; then
    echo "FAIL the programs need the C library $libc_needed; Depends names ${libc_named:-none}"
    failures=$((failures + 1))
fi
# The copyright file agrees with the headers: a file under another licence than the program's
# is named in a stanza of that licence.
copyright=$(dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/quorvel/copyright)
tag="SPDX-""License-Identifier: " # split, so that REUSE does not read it as this file's
while IFS= read -r line; do
    file=${line%%:*}
    licence=${line##*"$tag"}
    licence=${licence%% *}
    [ "$licence" = GPL-3.0-or-later ] && continue
    awk -v file="$file" -v licence="$licence" 'BEGIN { RS = ""; found = 0 }
        { named = 0; n = split($0, lines, "\n")
          for (i = 1; i <= n; i++) {
              if (lines[i] ~ /^Files:/) { k = split(substr(lines[i], 7), globs, " ")
                  for (j = 1; j <= k; j++) if (globs[j] == file) named = 1 }
              if (named && lines[i] == "License: " licence) found = 1 } }
        END { exit !found }' <<< "$copyright" \
        || { echo "FAIL the copyright file does not give $file as $licence"; failures=$((failures + 1)); }
done < <(git -C "$source" grep -IE "$tag[A-Z][A-Za-z0-9.+-]*" -- . ':!LICENSES')
[ "$(dpkg-deb -f "$deb" Version)" = "$version" ] || { echo "FAIL the version"; failures=$((failures + 1)); }
[ "$failures" -eq 0 ] || exit 1
echo "$(basename "$deb"): $(wc -l <<< "$contents") entries; Depends: $depends"
