#!/usr/bin/env bash
# A headless KWin (virtual output, software compositing, XWayland, German layout) with its
# own D-Bus session, for the wayland tests. Everything runs as root here.
#
#   kwin-session.sh start DIR [--permission-checks]
#       start, wait until ready, write DIR/env (NAME=value lines: WAYLAND_DISPLAY, DISPLAY,
#       DBUS_SESSION_BUS_ADDRESS). Without --permission-checks KWin offers its restricted
#       interfaces to every client; with it, only to programs that a desktop file in
#       DIR/share/applications (or the system's) grants them to.
#   kwin-session.sh stop DIR
set -euo pipefail
cmd=${1:?start or stop}
dir=${2:?directory}
checks=${3:-}

start() {
    mkdir -p "$dir"
    dir=$(cd "$dir" && pwd)
    local runtime=$dir/runtime
    rm -rf "$runtime"
    install -d -m 0700 "$runtime" "$dir/bin"
    install -d "$dir/share/applications"
    # Debian's binary carries a file capability that this machine cannot grant (exec fails
    # with EPERM); a copy has none. KWin finds itself by its name, so the copy keeps it.
    cp /usr/bin/kwin_wayland "$dir/bin/kwin_wayland"
    # The client KWin starts once XWayland is up tells us its display and the session bus.
    cat >"$dir/announce.sh" <<ANNOUNCE
#!/bin/sh
{ echo "DISPLAY=\$DISPLAY"; echo "DBUS_SESSION_BUS_ADDRESS=\$DBUS_SESSION_BUS_ADDRESS"; } >"$dir/env.part"
exec sleep infinity
ANNOUNCE
    chmod +x "$dir/announce.sh"
    local noChecks=1
    [[ $checks == --permission-checks ]] && noChecks=
    env -i PATH=/usr/bin:/bin HOME="$dir" XDG_RUNTIME_DIR="$runtime" \
        XDG_DATA_DIRS="$dir/share:/usr/local/share:/usr/share" \
        KWIN_COMPOSE=Q XKB_DEFAULT_LAYOUT=de ${noChecks:+KWIN_WAYLAND_NO_PERMISSION_CHECKS=1} \
        setsid dbus-run-session -- "$dir/bin/kwin_wayland" --virtual --xwayland \
        --no-lockscreen --no-global-shortcuts --socket quip-kwin --width 1280 --height 800 \
        "$dir/announce.sh" >"$dir/kwin.log" 2>&1 &
    echo $! >"$dir/kwin.pid"
    local i
    for i in $(seq 300); do
        [[ -S $runtime/quip-kwin && -s $dir/env.part ]] && break
        kill -0 "$(cat "$dir/kwin.pid")" 2>/dev/null || { cat "$dir/kwin.log" >&2; exit 1; }
        sleep 0.1
    done
    [[ -s $dir/env.part ]] || { echo "KWin did not start" >&2; cat "$dir/kwin.log" >&2; exit 1; }
    { echo "WAYLAND_DISPLAY=$runtime/quip-kwin"; cat "$dir/env.part"; } >"$dir/env"
}

stop() {
    [[ -f $dir/kwin.pid ]] || return 0
    local pid
    pid=$(cat "$dir/kwin.pid")
    # setsid made the session a process group of its own.
    kill -TERM -- "-$pid" 2>/dev/null || true
    for _ in $(seq 50); do
        kill -0 "$pid" 2>/dev/null || break
        sleep 0.1
    done
    kill -KILL -- "-$pid" 2>/dev/null || true
    rm -f "$dir/kwin.pid"
}

case $cmd in
start) start ;;
stop) stop ;;
*) echo "start or stop" >&2; exit 2 ;;
esac
