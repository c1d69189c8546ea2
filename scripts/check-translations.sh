#!/usr/bin/env bash

# SPDX-FileCopyrightText: 2026 The Quorvel developers
#
# SPDX-License-Identifier: GPL-3.0-or-later

# Checks that every text of the program has its English translation: lupdate reads the sources
# of each part (packaging/translations/areas.txt) into a copy of the part's .ts file, which
# must then hold no unfinished text and be exactly the file kept in the repository (no text
# added, none gone).
#   check-translations.sh LUPDATE            check, from the project's root
#   check-translations.sh --update LUPDATE   bring the .ts files up to date instead
set -euo pipefail

update=no
if [ "${1:-}" = "--update" ]; then
    update=yes
    shift
fi
lupdate=${1:?lupdate program}
folder=packaging/translations
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

failed=0
while read -r ts sources; do
    case "$ts" in '' | '#'*) continue ;; esac
    # shellcheck disable=SC2086  # the sources are a list of folders
    if [ "$update" = yes ]; then
        "$lupdate" -silent -locations none -no-obsolete -source-language it -target-language en \
            -tr-function-alias QT_TRANSLATE_NOOP+=QV_TRANSLATE_NOOP \
            -extensions cpp,h -I src $sources -ts "$folder/$ts" </dev/null
        unfinished=$(grep -c 'type="unfinished"' "$folder/$ts" || true)
        echo "$ts: $unfinished text(s) to translate"
        continue
    fi
    if [ ! -f "$folder/$ts" ]; then
        echo "$folder/$ts is missing"
        failed=1
        continue
    fi
    cp "$folder/$ts" "$work/$ts"
    "$lupdate" -silent -locations none -no-obsolete -source-language it -target-language en \
        -tr-function-alias QT_TRANSLATE_NOOP+=QV_TRANSLATE_NOOP \
        -extensions cpp,h -I src $sources -ts "$work/$ts" </dev/null
    if grep -q 'type="unfinished"' "$work/$ts"; then
        echo "$ts: these texts have no English yet:"
        grep -B2 'type="unfinished"' "$work/$ts" | grep '<source>' | sed 's/^ */  /'
        failed=1
    elif ! cmp -s "$work/$ts" "$folder/$ts"; then
        echo "$ts: not up to date with the sources (texts gone or changed):"
        diff "$folder/$ts" "$work/$ts" | head -20
        failed=1
    fi
done <"$folder/areas.txt"

if [ "$update" = yes ]; then
    exit 0
fi
if [ "$failed" -ne 0 ]; then
    echo "Run 'cmake --build <build> --target update_translations', translate, and try again."
    exit 1
fi
echo "Every text has its English translation."
