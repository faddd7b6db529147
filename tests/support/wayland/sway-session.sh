#!/usr/bin/env bash
# A headless sway with XWayland for the wayland tests. sway refuses to run as root, so it
# runs as the system user quipwl (made here when missing), with a private runtime dir.
# Root's clients reach it through the absolute path of its socket; its XWayland lets root in
# (xhost, from a client that sway starts and that stays connected, so that XWayland, which
# sway ends with its last client, stays up).
#
#   sway-session.sh start DIR   start, wait until ready, write DIR/env (NAME=value lines:
#                               WAYLAND_DISPLAY, SWAYSOCK, DISPLAY)
#   sway-session.sh stop DIR    end what start started
set -euo pipefail
user=quipwl
cmd=${1:?start or stop}
dir=${2:?directory}

start() {
    # Another test may be making it at the same moment.
    id "$user" >/dev/null 2>&1 ||
        useradd --system --no-create-home --shell /usr/sbin/nologin "$user" 2>/dev/null ||
        id "$user" >/dev/null
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    local runtime=$dir/runtime
    rm -rf "$runtime"
    install -d -m 0700 -o "$user" -g "$user" "$runtime"
    # Made by XWayland as quipwl otherwise, 0755, and then no other X server could use it.
    install -d -m 1777 /tmp/.X11-unix
    chmod 0755 "$dir"
    cat >"$dir/sway.config" <<'CONF'
xwayland enable
output HEADLESS-1 resolution 1280x800 position 0 0
focus_on_window_activation focus
CONF
    chmod 0644 "$dir/sway.config"
    runuser -u "$user" -- env -i PATH=/usr/bin:/bin HOME="$runtime" XDG_RUNTIME_DIR="$runtime" \
        WLR_BACKENDS=headless WLR_LIBINPUT_NO_DEVICES=1 WLR_RENDERER=pixman \
        XDG_CURRENT_DESKTOP=sway setsid sway --config "$dir/sway.config" \
        >"$dir/sway.log" 2>&1 &
    echo $! >"$dir/sway.pid"

    local socket="" ipc="" i
    for i in $(seq 150); do
        socket=$(find "$runtime" -maxdepth 1 -type s -name 'wayland-*' | head -n1)
        ipc=$(find "$runtime" -maxdepth 1 -type s -name 'sway-ipc.*' | head -n1)
        [[ -n $socket && -n $ipc ]] && break
        kill -0 "$(cat "$dir/sway.pid")" 2>/dev/null || { cat "$dir/sway.log" >&2; exit 1; }
        sleep 0.1
    done
    [[ -n $socket && -n $ipc ]] || { echo "sway did not start" >&2; exit 1; }
    SWAYSOCK=$ipc swaymsg -q exec \
        'xhost +si:localuser:root >/dev/null && echo "$DISPLAY" >"$XDG_RUNTIME_DIR/display.part" && mv "$XDG_RUNTIME_DIR/display.part" "$XDG_RUNTIME_DIR/display" && exec xprop -root -spy >/dev/null'
    for i in $(seq 150); do
        [[ -s $runtime/display ]] && break
        sleep 0.1
    done
    [[ -s $runtime/display ]] || { echo "XWayland did not start" >&2; cat "$dir/sway.log" >&2; exit 1; }
    {
        echo "WAYLAND_DISPLAY=$socket"
        echo "SWAYSOCK=$ipc"
        echo "DISPLAY=$(cat "$runtime/display")"
    } >"$dir/env"
}

stop() {
    [[ -f $dir/sway.pid ]] || return 0
    local pid
    pid=$(cat "$dir/sway.pid")
    # setsid made sway (runuser's child) the leader of a group with everything it started.
    local group
    group=$(pgrep -P "$pid" -x sway || true)
    [[ -n $group ]] && kill -TERM -- "-$group" 2>/dev/null || true
    kill -TERM "$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    [[ -n $group ]] && kill -KILL -- "-$group" 2>/dev/null || true
    rm -f "$dir/sway.pid"
}

case $cmd in
start) start ;;
stop) stop ;;
*) echo "start or stop" >&2; exit 2 ;;
esac
