# Sourced by the wine tier's scripts with the tier's folder in the build tree: the settings
# of its one Wine prefix, and a private X server for it.

wine_dir=$(cd "$1" && pwd)
export WINEPREFIX=$wine_dir/prefix
export WINEARCH=win64
export WINEDEBUG=-all
# No Mono or Gecko installer on the first start.
export WINEDLLOVERRIDES="mscoree,mshtml="
# Locales of our own, so that the machine needs none generated.
export LOCPATH=$wine_dir/locale

for tool in wine wineboot wineserver Xvfb setxkbmap localedef; do
    if ! command -v "$tool" >/dev/null; then
        echo "$tool is missing: run tools/install-deps.sh test" >&2
        exit 1
    fi
done

xvfb_pid=
stop_wine_and_x() {
    wineserver -k 2>/dev/null || true
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
}
trap stop_wine_and_x EXIT

# Starts Xvfb on a free display and points DISPLAY at it. -noreset keeps the keyboard map
# that setxkbmap loads: without it the server resets to the default map whenever its last
# client disconnects.
start_x() {
    local display
    exec {xvfb_out}< <(exec Xvfb -displayfd 1 -noreset -nolisten tcp -screen 0 1024x768x24 \
                           2>"$wine_dir/xvfb.log")
    xvfb_pid=$!
    if ! read -r -t 30 display <&"$xvfb_out"; then
        echo "Xvfb did not start:" >&2
        cat "$wine_dir/xvfb.log" >&2
        exit 1
    fi
    export DISPLAY=:$display
}
