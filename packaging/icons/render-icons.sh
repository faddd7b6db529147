#!/usr/bin/env bash
# Renders quipsender.svg to the PNG sizes that the desktop and the window icon use. Run it
# here after changing the drawing (needs rsvg-convert from librsvg2-bin); the PNGs are
# committed so that building needs no renderer.
set -euo pipefail
cd "$(dirname "$0")"
for size in 16 24 32 48 64 128 256; do
    rsvg-convert --width "$size" --height "$size" quipsender.svg --output "quipsender-$size.png"
done
