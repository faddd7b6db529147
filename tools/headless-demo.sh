#!/usr/bin/env bash
# Without a display: shows Quipsender at work on a private X server. A chat window
# ("Schnapsen - Chat") stands in for the browser; Quipsender runs through its launcher in a
# scratch directory seeded from the defaults, with that window as its target. A user's
# double-click on a phrase and a click on "Senden" are played with XTest (xdotool). Prints
# what the chat window received and leaves a screenshot of both windows.
# Usage: tools/headless-demo.sh <quipsender-launcher> <chat-target>
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
launcher=$1
chat_target=$2
target_caption="Schnapsen - Chat"

scratch=$(mktemp -d /tmp/quipsender-demo.XXXXXX)
# The launcher works in $XDG_DATA_HOME/quipsender and adds the default files that are
# missing there; the settings file is ours, made from the default one.
export XDG_DATA_HOME=$scratch
workdir=$scratch/quipsender
mkdir -p "$workdir"
cp "$here/../resources/defaults/quipsender.INI" "$workdir/"

# Sets a key of the scratch settings file (CR LF lines, section "Options").
set_key() {
    local file=$workdir/quipsender.INI key=$1 value=$2
    sed -i "/^$key=/d" "$file"
    printf '%s=%s\r\n' "$key" "$value" >>"$file"
}
set_key ZielFenster "$target_caption"
set_key FirstExecution 0
# Beside the chat window, which opens at the top left corner.
set_key PosTop 520
set_key PosLeft 40

pids=()
cleanup() {
    # The programs first, the X server last.
    for ((i = ${#pids[@]} - 1; i >= 0; i--)); do
        kill "${pids[i]}" 2>/dev/null || true
        wait "${pids[i]}" 2>/dev/null || true
    done
}
trap cleanup EXIT

Xvfb -displayfd 3 -noreset -screen 0 1024x768x24 -nolisten tcp 3>"$scratch/.display" 2>/dev/null &
pids+=($!)
for _ in $(seq 100); do
    [ -s "$scratch/.display" ] && break
    sleep 0.1
done
export DISPLAY=:$(cat "$scratch/.display")
export QT_QPA_PLATFORM=xcb
mkdir -m 700 "$scratch/.runtime"
export XDG_RUNTIME_DIR=$scratch/.runtime
# The phrases are typed for the German keyboard layout, as the program expects.
setxkbmap -layout de

"$chat_target" --caption "$target_caption" --output "$scratch/received.txt" >/dev/null &
pids+=($!)
"$launcher" &
pids+=($!)

window=$(timeout 20 xdotool search --sync --onlyvisible --name '^Quipsender \[' | head -n1)
timeout 20 xdotool search --sync --onlyvisible --name "^$target_caption\$" >/dev/null
eval "$(xdotool getwindowgeometry --shell "$window")"
sleep 0.5

# A double-click on the first phrase of the first page (below the menu, the strip and
# the tabs) appends it to the preview box.
xdotool mousemove $((X + 60)) $((Y + 90)) click --repeat 2 --delay 100 1
sleep 0.3
# "Senden": 104 pixels from the left in the 41-pixel button row at the bottom.
xdotool mousemove $((X + 1 + 104 + 37)) $((Y + HEIGHT - 1 - 41 + 8 + 12)) click 1

received=""
for _ in $(seq 50); do
    sleep 0.1
    received=$(cat "$scratch/received.txt" 2>/dev/null || true)
    [ -n "$received" ] && break
done
sleep 0.3
received=$(cat "$scratch/received.txt" 2>/dev/null || true)

xwd -root -silent | convert xwd:- "$scratch/screenshot.png"
echo "The chat window \"$target_caption\" received: ${received:-(nothing)}"
echo "Quipsender ran in $workdir under Xvfb; screenshot: $scratch/screenshot.png"
[ -n "$received" ]
