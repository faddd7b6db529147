#!/usr/bin/env bash
# Makes a fresh Wine prefix, and the locales that the wine tests run in, under the given
# folder of the build tree. The first start of Wine in a prefix takes a while.
set -euo pipefail
mkdir -p "$1"
source "$(dirname "$0")/wine-env.sh" "$1"

rm -rf "$WINEPREFIX" "$LOCPATH"
mkdir -p "$LOCPATH"
# Wine types characters beyond ASCII only when the Unix locale has a one-byte code page.
for locale in de_DE de_CH fr_FR en_US; do
    localedef -i "$locale" -f ISO-8859-1 "$LOCPATH/$locale.ISO-8859-1" || true
    if [ ! -e "$LOCPATH/$locale.ISO-8859-1/LC_CTYPE" ]; then
        echo "localedef could not make $locale.ISO-8859-1 (package locales missing?)" >&2
        exit 1
    fi
done

start_x
echo "Creating the Wine prefix $WINEPREFIX ($(wine --version))"
wineboot --init
wineserver --wait
if [ ! -d "$WINEPREFIX/drive_c/windows/system32" ]; then
    echo "wineboot made no prefix" >&2
    exit 1
fi
