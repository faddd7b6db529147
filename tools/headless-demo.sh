#!/usr/bin/env bash
# Without a display: starts a private Xvfb, runs Quipsender in a scratch directory seeded
# from the defaults, and leaves a screenshot.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
program=$1
scratch=$(mktemp -d /tmp/quipsender-demo.XXXXXX)
"$here/seed-workdir.sh" "$scratch"

Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/.display" 2>/dev/null &
xvfb=$!
trap 'kill $(jobs -p) 2>/dev/null || true' EXIT
for _ in $(seq 100); do
    [ -s "$scratch/.display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$scratch/.display")

(cd "$scratch" && QT_QPA_PLATFORM=xcb "$program") &
sleep 3
xwd -root -silent | convert xwd:- "$scratch/screenshot.png"
echo "Quipsender ran in $scratch under Xvfb; screenshot: $scratch/screenshot.png"
