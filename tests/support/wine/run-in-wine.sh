#!/usr/bin/env bash
# Runs a Windows test program under Wine on its own Xvfb with the given X keyboard layout.
# Usage: run-in-wine.sh <wine folder of the build tree> <us|de|ch|fr> <program.exe> [arguments]
set -euo pipefail
source "$(dirname "$0")/wine-env.sh" "$1"
layout=$2
program=$3
shift 3

# Wine takes the keyboard from the X server's map, and the code page in which it maps
# characters to keys from the Unix locale: both must agree with the layout.
case $layout in
us) locale=en_US.ISO-8859-1 ;;
de) locale=de_DE.ISO-8859-1 ;;
ch) locale=de_CH.ISO-8859-1 ;;
fr) locale=fr_FR.ISO-8859-1 ;;
*)
    echo "unknown layout $layout" >&2
    exit 2
    ;;
esac
# Tells the program which layout it is typing with.
export QUIP_KEYBOARD_LAYOUT=$layout

if [ ! -d "$WINEPREFIX/drive_c" ]; then
    echo "No Wine prefix in $WINEPREFIX: run the wine_prefix test first" >&2
    exit 1
fi
start_x
setxkbmap -layout "$layout"

status=0
# Through env: bash itself would try the locale without our LOCPATH and complain.
env LC_ALL="$locale" wine "$program" "$@" || status=$?
exit $status
