#!/bin/sh
# Runs a test program under an X server of its own, with openbox as window
# manager, for the faults that only a real X server shows (its keyboard
# bindings, a window manager placing and activating windows, real pointer
# events). The server takes a free display number, so runs side by side never
# meet; the server and the window manager go when the test ends, however it
# ends. Where Xvfb, openbox, xprop or xdotool is missing the test is skipped (exit
# status 77).
#
#   on_x_server.sh PROGRAM [ARGUMENT...]

for tool in Xvfb openbox xprop xdotool; do
    if ! command -v $tool >/dev/null 2>&1; then
        echo "$tool is not installed: test skipped"
        exit 77
    fi
done

work=$(mktemp -d) || exit 1
server=
manager=
stop() {
    [ -n "$manager" ] && kill "$manager" 2>/dev/null
    [ -n "$server" ] && kill "$server" 2>/dev/null
    wait 2>/dev/null
    rm -rf "$work"
}
trap stop EXIT
trap 'exit 130' INT
trap 'exit 143' TERM

# Xvfb writes its display number once it accepts connections.
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$work/display" 2>"$work/server.log" &
server=$!
tries=0
until [ -s "$work/display" ] && grep -q . "$work/display"; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$server" 2>/dev/null; then
        echo "The X server did not start:" >&2
        cat "$work/server.log" >&2
        exit 1
    fi
    sleep 0.05
done
DISPLAY=:$(head -n 1 "$work/display")
export DISPLAY

# The window manager is ready once it names itself on the root window.
openbox --sm-disable >"$work/manager.log" 2>&1 &
manager=$!
tries=0
until xprop -root _NET_SUPPORTING_WM_CHECK 2>/dev/null | grep -q 'window id'; do
    tries=$((tries + 1))
    if [ $tries -gt 200 ] || ! kill -0 "$manager" 2>/dev/null; then
        echo "The window manager did not start:" >&2
        cat "$work/manager.log" >&2
        exit 1
    fi
    sleep 0.05
done

QT_QPA_PLATFORM=xcb "$@"
