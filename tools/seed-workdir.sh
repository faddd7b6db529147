#!/usr/bin/env bash
# Copies the default settings, phrase and help files into a working directory,
# leaving every file that is already there alone.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
defaults=${QUIP_DEFAULTS:-$here/../resources/defaults}
dest=$1
mkdir -p "$dest"
for f in "$defaults"/*; do
    [ -e "$f" ] || continue
    target="$dest/$(basename "$f")"
    [ -e "$target" ] || cp "$f" "$target"
done
