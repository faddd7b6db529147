#!/usr/bin/env bash
# Without a display: starts a private Xvfb, runs Quipsender through its launcher in a scratch
# directory seeded from the defaults, and leaves a screenshot.
set -euo pipefail
launcher=$1
scratch=$(mktemp -d /tmp/quipsender-demo.XXXXXX)

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/.display" 2>/dev/null &
xvfb=$!
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$scratch/.display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$scratch/.display")

# The launcher works in $XDG_DATA_HOME/quipsender.
XDG_DATA_HOME=$scratch QT_QPA_PLATFORM=xcb "$launcher" &
sleep 3
xwd -root -silent | convert xwd:- "$scratch/screenshot.png"
echo "Quipsender ran in $scratch/quipsender under Xvfb; screenshot: $scratch/screenshot.png"
